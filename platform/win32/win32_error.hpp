#pragma once
// The run-time error of a failed Windows call (no windows.h here: the code is a DWORD).

#include <string>

#include "platform/errors.hpp"

namespace kv::platform::win32 {

// The run-time error for a GetLastError code: 53 file not found, 76 path not found, 70 permission
// denied (a file another process holds exclusively included), 61 disk full, 75 otherwise.
RuntimeError ErrorFromWin32(unsigned long code);

// The system's own words for a GetLastError code, in Windows-1252, without the closing line break.
std::string SystemMessage(unsigned long code);

}  // namespace kv::platform::win32
