#include "platform/win32/win32_error.hpp"

#include <windows.h>

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

}  // namespace kv::platform::win32
