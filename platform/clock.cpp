#include "platform/clock.hpp"

#include <cstdio>

namespace kv::platform {

std::string ShortDate(const LocalDateTime& moment) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", moment.day % 100, moment.month % 100,
                  moment.year % 10000);
    return text;
}

}  // namespace kv::platform
