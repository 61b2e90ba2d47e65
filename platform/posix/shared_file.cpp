#include "platform/shared_file.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/errno_error.hpp"

namespace kv::platform {

namespace {

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
    throw posix::ErrorFromErrno(EISDIR, path);
}

// A failed open names the file and the system's reason: "File not found: /a/DITTE01.DAT (Permission
// denied)" for a missing archive that the folder does not let the program create.
RuntimeError OpenError(int error, int reason, const std::filesystem::path& path) {
    const RuntimeError kind = posix::ErrorFromErrno(error, path);
    return RuntimeError(kind.number(),
                        kind.description() + ": " + path.string() + " (" + std::strerror(reason) + ")");
}

}  // namespace

namespace posix {

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

}  // namespace posix

SharedFile SharedFile::Open(const std::filesystem::path& path, OpenMode mode) {
    int fd = OpenFd(path, Flags(mode));
    bool readOnly = mode == OpenMode::Read;
    int reason = errno;  // why the open failed: a missing file that could not be created says why not
    if (fd < 0 && mode == OpenMode::ReadWriteOrRead && (errno == EACCES || errno == EROFS)) {
        fd = OpenFd(path, O_RDONLY);
        readOnly = true;
    }
    if (fd < 0) throw OpenError(errno, reason, path);
    RequireRegularFile(fd, path);
    return SharedFile(fd, readOnly);
}

void SharedFile::Close() noexcept {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
    handle_ = -1;
}

size_t SharedFile::ReadAt(uint64_t offset, char* data, size_t size) const {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(static_cast<int>(handle_), data + done, size - done, static_cast<off_t>(offset + done));
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
        ssize_t n = ::pwrite(static_cast<int>(handle_), data.data() + done, data.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw RuntimeError(errno == ENOSPC ? err::kDiskFull : err::kDeviceIo);
        done += static_cast<size_t>(n);
    }
}

uint64_t SharedFile::Length() const {
    struct stat info {};
    if (::fstat(static_cast<int>(handle_), &info) != 0) throw RuntimeError(err::kDeviceIo);
    return static_cast<uint64_t>(info.st_size);
}

}  // namespace kv::platform
