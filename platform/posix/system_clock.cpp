#include "platform/clock.hpp"

#include <ctime>

namespace kv::platform {

LocalDateTime SystemClock::Now() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    LocalDateTime moment;
    moment.year = local.tm_year + 1900;
    moment.month = local.tm_mon + 1;
    moment.day = local.tm_mday;
    moment.hour = local.tm_hour;
    moment.minute = local.tm_min;
    moment.second = local.tm_sec;
    moment.utcOffsetMinutes = static_cast<int>(local.tm_gmtoff / 60);
    return moment;
}

}  // namespace kv::platform
