#include "platform/printers.hpp"

#include <cstdio>

#include "platform/text_encoding.hpp"

namespace kv::platform {

namespace {

// Standard output of a command; empty when it cannot run.
std::string CommandOutput(const char* command) {
    std::string output;
    FILE* pipe = ::popen(command, "r");
    if (pipe == nullptr) return output;
    char chunk[512];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) output.append(chunk, got);
    ::pclose(pipe);
    return output;
}

}  // namespace

std::vector<std::string> SystemPrinters::DeviceNames() const {
    return SplitNames(CommandOutput("lpstat -e 2>/dev/null"), '\n');
}

std::string SystemPrinters::DefaultDeviceName() const {
    const std::string marker = "system default destination: ";
    std::string output = CommandOutput("LC_ALL=C lpstat -d 2>/dev/null");
    auto at = output.find(marker);
    if (at == std::string::npos) return "";
    std::string name = output.substr(at + marker.size());
    return Utf8ToCp1252(name.substr(0, name.find_first_of("\r\n")));
}

}  // namespace kv::platform
