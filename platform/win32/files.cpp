#include "platform/files.hpp"

#include <windows.h>

#include "platform/win32/win32_error.hpp"

namespace kv::platform {

namespace fs = std::filesystem;

namespace {

// The attributes of a path; INVALID_FILE_ATTRIBUTES when it is not there.
DWORD AttributesOf(const fs::path& path) { return ::GetFileAttributesW(path.c_str()); }

}  // namespace

std::string NarrowHostPath(const fs::path& host) {
    const std::wstring& wide = host.native();
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

fs::path HostPathOfNarrow(const std::string& narrow) {
    if (narrow.empty()) return {};
    const int size = static_cast<int>(narrow.size());
    int length = ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, narrow.data(), size, wide.data(), length);
    return fs::path(wide);
}

// Windows file names do not depend on letter case: the host path is the path.
fs::path Files::Resolve(std::string_view path) const { return drives_.HostPath(path); }

SharedFile Files::Open(std::string_view path, OpenMode mode) const {
    return SharedFile::Open(Resolve(path), mode);
}

bool Files::Exists(std::string_view path) const {
    DWORD attributes = AttributesOf(Resolve(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Files::FolderExists(std::string_view path) const {
    DWORD attributes = AttributesOf(Resolve(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

uint64_t Files::Length(std::string_view path) const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(Resolve(path).c_str(), GetFileExInfoStandard, &data))
        throw win32::ErrorFromWin32(::GetLastError());
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) throw RuntimeError(err::kFileNotFound);
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Files::Delete(std::string_view path) const {
    if (!Exists(path)) throw RuntimeError(err::kFileNotFound);
    if (!::DeleteFileW(Resolve(path).c_str())) throw win32::ErrorFromWin32(::GetLastError());
}

void Files::CreateFolder(std::string_view path) const {
    if (::CreateDirectoryW(Resolve(path).c_str(), nullptr)) return;
    DWORD error = ::GetLastError();
    throw error == ERROR_ALREADY_EXISTS ? RuntimeError(err::kPathFileAccess) : win32::ErrorFromWin32(error);
}

}  // namespace kv::platform
