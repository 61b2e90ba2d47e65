#include "fuzz/fuzz_support.hpp"

#include <unistd.h>

#include <fstream>

namespace kv::fuzz {

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / ("kvvelm-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

std::filesystem::path WriteInput(std::string_view name, const uint8_t* data, size_t size) {
    std::filesystem::path path = ScratchFolder() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

void ClearScratch() {
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder())) std::filesystem::remove_all(entry);
}

}  // namespace kv::fuzz
