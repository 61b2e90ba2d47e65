#include "pdf/core/file_sink.hpp"

#include <cerrno>
#include <cstring>

#include "pdf/error.hpp"

namespace folivo {

namespace {

constexpr size_t kWriteBuffer = 1 << 16;

Error OpenError(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return Error(kErrPathNotFound, "Path not found");
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return Error(kErrPermissionDenied, "Permission denied");
        default:
            return Error(kErrPathFileAccess,
                         std::string("Path/File access error (") + std::strerror(code) + ")");
    }
}

}  // namespace

void FileSink::Open(const std::string& path) {
    Close();
    errno = 0;
    // "wb": a fresh file every time, never appended to.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw OpenError(errno == 0 ? EIO : errno);
    // A buffer of our own: given none, the C library keeps to its 4 KB default whatever the size.
    if (!buffer_) buffer_ = std::make_unique<char[]>(kWriteBuffer);
    std::setvbuf(file, buffer_.get(), _IOFBF, kWriteBuffer);
    file_.reset(file);
    count_ = 0;
}

void FileSink::RequireOpen() const {
    if (!file_) {
        throw Error(kErrBadFileNumber,
                    "Bad file name or number: no PDF file is open (BeginDoc failed or EndDoc already ran)");
    }
}

void FileSink::Write(std::string_view bytes) {
    RequireOpen();
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) {
        throw Error(kErrPathFileAccess, std::string("Cannot write the PDF file: ") + std::strerror(errno));
    }
    count_ += static_cast<int64_t>(bytes.size());
}

void FileSink::OverwriteAt(int64_t position, std::string_view bytes) {
    RequireOpen();
    if (position < 0 || position + static_cast<int64_t>(bytes.size()) > count_) {
        throw Error(kErrInvalidCall, "Overwrite outside the bytes already written");
    }
    std::fflush(file_.get());
    std::fseek(file_.get(), static_cast<long>(position), SEEK_SET);
    std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
    std::fflush(file_.get());
    std::fseek(file_.get(), 0, SEEK_END);
}

int64_t FileSink::Close() {
    if (!file_) return 0;
    const int64_t length = count_;
    const bool flushed = std::fflush(file_.get()) == 0;
    file_.reset();
    count_ = 0;
    if (!flushed) throw Error(kErrPathFileAccess, "Cannot finish writing the PDF file");
    return length;
}

}  // namespace folivo
