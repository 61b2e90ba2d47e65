#include "platform/clock.hpp"

#include <windows.h>

namespace kv::platform {

namespace {

int64_t MinutesOf(const SYSTEMTIME& time) {
    FILETIME file{};
    ::SystemTimeToFileTime(&time, &file);
    uint64_t ticks = (static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
    return static_cast<int64_t>(ticks / 600000000ULL);  // 100 ns ticks
}

}  // namespace

// One reading of UTC, turned into local time with the rules of that moment (summer time included);
// the offset is the difference of the two.
LocalDateTime SystemClock::Now() const {
    SYSTEMTIME utc{};
    ::GetSystemTime(&utc);
    SYSTEMTIME local{};
    if (!::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) local = utc;
    LocalDateTime moment;
    moment.year = local.wYear;
    moment.month = local.wMonth;
    moment.day = local.wDay;
    moment.hour = local.wHour;
    moment.minute = local.wMinute;
    moment.second = local.wSecond;
    utc.wSecond = local.wSecond = 0;
    utc.wMilliseconds = local.wMilliseconds = 0;
    moment.utcOffsetMinutes = static_cast<int>(MinutesOf(local) - MinutesOf(utc));
    return moment;
}

}  // namespace kv::platform
