#pragma once
// What the spooler says about a printer before a job goes to it.

#include <string>

namespace kv::platform::win32 {

// Empty when the spooler knows `deviceName` (Windows-1252) and it takes jobs; otherwise why not, in
// Windows-1252. A paused printer still takes jobs: they wait in its queue.
std::string SpoolerRefusal(const std::string& deviceName);

}  // namespace kv::platform::win32
