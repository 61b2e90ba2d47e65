#include "platform/win32/win32_error.hpp"

#include <windows.h>

#include "platform/text_encoding.hpp"

namespace kv::platform::win32 {

RuntimeError ErrorFromWin32(unsigned long code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return RuntimeError(err::kFileNotFound);
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_DRIVE: return RuntimeError(err::kPathNotFound);
        case ERROR_INVALID_NAME: return RuntimeError(err::kBadFileNameOrNumber);
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT: return RuntimeError(err::kPermissionDenied);
        case ERROR_TOO_MANY_OPEN_FILES: return RuntimeError(err::kTooManyFiles);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return RuntimeError(err::kDiskFull);
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT: return RuntimeError(err::kDeviceIo);
        default: return RuntimeError(err::kPathFileAccess);
    }
}

std::string SystemMessage(unsigned long code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words(text != nullptr ? text : L"", length);
    ::LocalFree(text);
    while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' '))
        words.pop_back();
    if (words.empty()) return "errore di sistema " + std::to_string(code);
    return WideToCp1252(words);
}

}  // namespace kv::platform::win32
