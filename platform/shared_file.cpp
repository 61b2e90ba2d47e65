#include "platform/shared_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/errors.hpp"

namespace kv::platform {

namespace {

constexpr size_t kLineChunk = 4096;

int Flags(OpenMode mode) {
    switch (mode) {
        case OpenMode::ReadWrite:
        case OpenMode::ReadWriteOrRead: return O_RDWR | O_CREAT;
        case OpenMode::Read: return O_RDONLY;
        case OpenMode::WriteNew: return O_WRONLY | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

int OpenFd(const std::filesystem::path& path, int flags) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Archives are regular files; a folder or a device given as one is a path error.
void RequireRegularFile(int fd, const std::filesystem::path& path) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return;
    ::close(fd);
    throw ErrorFromErrno(EISDIR, path);
}

}  // namespace

RuntimeError ErrorFromErrno(int error, const std::filesystem::path& path) {
    switch (error) {
        case ENOENT: {
            std::error_code ec;
            bool folderThere = std::filesystem::is_directory(path.parent_path().empty() ? "." : path.parent_path(), ec);
            return RuntimeError(folderThere ? err::kFileNotFound : err::kPathNotFound);
        }
        case ENOTDIR: return RuntimeError(err::kPathNotFound);
        case EACCES:
        case EPERM:
        case EROFS: return RuntimeError(err::kPermissionDenied);
        case EMFILE:
        case ENFILE: return RuntimeError(err::kTooManyFiles);
        case ENOSPC: return RuntimeError(err::kDiskFull);
        case EIO: return RuntimeError(err::kDeviceIo);
        default: return RuntimeError(err::kPathFileAccess);
    }
}

SharedFile SharedFile::Open(const std::filesystem::path& path, OpenMode mode) {
    int fd = OpenFd(path, Flags(mode));
    bool readOnly = mode == OpenMode::Read;
    if (fd < 0 && mode == OpenMode::ReadWriteOrRead && (errno == EACCES || errno == EROFS)) {
        fd = OpenFd(path, O_RDONLY);
        readOnly = true;
    }
    if (fd < 0) throw ErrorFromErrno(errno, path);
    RequireRegularFile(fd, path);
    return SharedFile(fd, readOnly);
}

SharedFile::SharedFile(SharedFile&& other) noexcept
    : fd_(other.fd_), readOnly_(other.readOnly_), pending_(std::move(other.pending_)),
      streamPos_(other.streamPos_), streamEnd_(other.streamEnd_) {
    other.fd_ = -1;
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        readOnly_ = other.readOnly_;
        pending_ = std::move(other.pending_);
        streamPos_ = other.streamPos_;
        streamEnd_ = other.streamEnd_;
        other.fd_ = -1;
    }
    return *this;
}

SharedFile::~SharedFile() { Close(); }

void SharedFile::Close() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

size_t SharedFile::ReadAt(uint64_t offset, char* data, size_t size) const {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd_, data + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw RuntimeError(err::kDeviceIo);
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void SharedFile::WriteAt(uint64_t offset, std::string_view data) const {
    if (readOnly_) throw RuntimeError(err::kPermissionDenied);
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::pwrite(fd_, data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw RuntimeError(errno == ENOSPC ? err::kDiskFull : err::kDeviceIo);
        done += static_cast<size_t>(n);
    }
}

uint64_t SharedFile::Length() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw RuntimeError(err::kDeviceIo);
    return static_cast<uint64_t>(info.st_size);
}

bool SharedFile::FillLineBuffer() {
    if (streamEnd_) return false;
    char chunk[kLineChunk];
    size_t n = ReadAt(streamPos_, chunk, sizeof chunk);
    streamPos_ += n;
    if (n == 0) streamEnd_ = true;
    pending_.append(chunk, n);
    return n > 0;
}

bool SharedFile::AtEnd() {
    while (pending_.empty())
        if (!FillLineBuffer()) return true;
    return false;
}

std::string SharedFile::ReadLine() {
    if (AtEnd()) throw RuntimeError(err::kInputPastEnd);
    size_t cut = pending_.find_first_of("\r\n");
    // A CR at the end of what has been read may be the first half of CR LF.
    while (cut == std::string::npos || (cut + 1 == pending_.size() && pending_[cut] == '\r')) {
        if (!FillLineBuffer()) break;
        cut = pending_.find_first_of("\r\n");
    }
    std::string line = pending_.substr(0, cut);
    size_t skip = cut == std::string::npos ? pending_.size() : cut + 1;
    if (cut != std::string::npos && pending_[cut] == '\r' && skip < pending_.size() && pending_[skip] == '\n') ++skip;
    pending_.erase(0, skip);
    return line;
}

void SharedFile::WriteLine(std::string_view line) {
    std::string bytes(line);
    bytes += "\r\n";
    WriteAt(streamPos_, bytes);
    streamPos_ += bytes.size();
}

}  // namespace kv::platform
