// The parts of the test support that ask the system, on Windows: process numbers and commands run by
// the command interpreter.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <process.h>

#include "tests/support/test_support.hpp"

namespace kv::test {

int ProcessNumber() { return static_cast<int>(::_getpid()); }

CommandResult Run(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::_popen((command + " 2>&1").c_str(), "rb");
    if (pipe == nullptr) return result;
    std::array<char, 4096> chunk{};
    size_t n = 0;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) result.output.append(chunk.data(), n);
    result.status = ::_pclose(pipe);
    return result;
}

}  // namespace kv::test
