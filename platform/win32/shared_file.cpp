#include "platform/shared_file.hpp"

#include <windows.h>

#include "platform/win32/win32_error.hpp"

namespace kv::platform {

namespace {

// Others keep reading and writing the archives while this program has them open, as the suite's own
// programs allow.
constexpr DWORD kSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

DWORD Access(OpenMode mode) {
    switch (mode) {
        case OpenMode::Read: return GENERIC_READ;
        case OpenMode::WriteNew: return GENERIC_WRITE;
        default: return GENERIC_READ | GENERIC_WRITE;
    }
}

DWORD Disposition(OpenMode mode) {
    switch (mode) {
        case OpenMode::Read: return OPEN_EXISTING;
        case OpenMode::WriteNew: return CREATE_ALWAYS;
        default: return OPEN_ALWAYS;
    }
}

HANDLE OpenHandle(const std::filesystem::path& path, DWORD access, DWORD disposition) {
    return ::CreateFileW(path.c_str(), access, kSharing, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
}

// The offset of a positioned read or write.
OVERLAPPED At(uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

constexpr DWORD kMaxChunk = 1u << 30;

}  // namespace

SharedFile SharedFile::Open(const std::filesystem::path& path, OpenMode mode) {
    HANDLE handle = OpenHandle(path, Access(mode), Disposition(mode));
    bool readOnly = mode == OpenMode::Read;
    if (handle == INVALID_HANDLE_VALUE && mode == OpenMode::ReadWriteOrRead &&
        ::GetLastError() == ERROR_ACCESS_DENIED) {
        handle = OpenHandle(path, GENERIC_READ, OPEN_EXISTING);
        readOnly = true;
    }
    if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = ::GetLastError();
        // A folder given as a file opens with access denied; it is a path error, as on Linux.
        DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            throw RuntimeError(err::kPathFileAccess);
        throw win32::ErrorFromWin32(error);
    }
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        ::CloseHandle(handle);
        throw RuntimeError(err::kPathFileAccess);
    }
    return SharedFile(reinterpret_cast<std::intptr_t>(handle), readOnly);
}

void SharedFile::Close() noexcept {
    if (handle_ != -1) ::CloseHandle(Handle(handle_));
    handle_ = -1;
}

size_t SharedFile::ReadAt(uint64_t offset, char* data, size_t size) const {
    size_t done = 0;
    while (done < size) {
        OVERLAPPED at = At(offset + done);
        DWORD want = static_cast<DWORD>(std::min<size_t>(size - done, kMaxChunk));
        DWORD got = 0;
        if (!::ReadFile(Handle(handle_), data + done, want, &got, &at)) {
            if (::GetLastError() == ERROR_HANDLE_EOF) break;
            throw RuntimeError(err::kDeviceIo);
        }
        if (got == 0) break;
        done += got;
    }
    return done;
}

void SharedFile::WriteAt(uint64_t offset, std::string_view data) const {
    if (readOnly_) throw RuntimeError(err::kPermissionDenied);
    size_t done = 0;
    while (done < data.size()) {
        OVERLAPPED at = At(offset + done);
        DWORD want = static_cast<DWORD>(std::min<size_t>(data.size() - done, kMaxChunk));
        DWORD put = 0;
        if (!::WriteFile(Handle(handle_), data.data() + done, want, &put, &at)) {
            DWORD error = ::GetLastError();
            bool full = error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
            throw RuntimeError(full ? err::kDiskFull : err::kDeviceIo);
        }
        done += put;
    }
}

uint64_t SharedFile::Length() const {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(Handle(handle_), &size)) throw RuntimeError(err::kDeviceIo);
    return static_cast<uint64_t>(size.QuadPart);
}

}  // namespace kv::platform
