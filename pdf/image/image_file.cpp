#include "pdf/image/image_file.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "pdf/error.hpp"
#include "pdf/image/byte_source.hpp"

namespace folivo::image {

namespace {
// Larger files are refused rather than read into memory.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{1} << 28;
}  // namespace

std::string ReadImageFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw Error(kErrFileNotFound, "File not found");
    if (std::filesystem::file_size(path, ec) > kMaxFileBytes) throw FormatError("file too large");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(kErrPermissionDenied, "Permission denied");
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace folivo::image
