#include "pdf/core/dates.hpp"

#include <cstdio>
#include <cstdlib>

namespace folivo {

namespace {

// The offset's sign, hours and minutes joined by `separator` and closed by `close`.
std::string OffsetText(int offsetMinutes, const char* separator, const char* close) {
    const int magnitude = std::abs(offsetMinutes);
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d%s%02d%s", offsetMinutes < 0 ? '-' : '+', magnitude / 60,
                  separator, magnitude % 60, close);
    return text;
}

}  // namespace

// The two dates differ by at most one day; across a year end the day numbers in the year jump.
int UtcOffsetMinutes(const std::tm& local, const std::tm& utc) {
    int days = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year) days = local.tm_year > utc.tm_year ? 1 : -1;
    return (days * 24 + local.tm_hour - utc.tm_hour) * 60 + local.tm_min - utc.tm_min;
}

std::string PdfDate(const LocalTime& t) {
    char text[24];
    std::snprintf(text, sizeof text, "D:%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text + OffsetText(t.utcOffsetMinutes, "'", "'");
}

std::string XmpDate(const LocalTime& t) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text + OffsetText(t.utcOffsetMinutes, ":", "");
}

}  // namespace folivo
