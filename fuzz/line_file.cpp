// A one-line text file (the launch file, the legacy path files, the printer-settings file) read
// line by line to its end, as start-up reads them.

#include "fuzz/fuzz_support.hpp"
#include "platform/shared_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = kv::fuzz::WriteInput("LINES.INI", data, size);
    try {
        kv::platform::SharedFile file = kv::platform::SharedFile::Open(path, kv::platform::OpenMode::Read);
        while (!file.AtEnd()) file.ReadLine();
    } catch (const kv::platform::RuntimeError&) {
    }
    return 0;
}
