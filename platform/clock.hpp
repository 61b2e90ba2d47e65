#pragma once
// The clock port: the local date and time, so that tests can fix it and make identical files.

#include <string>

namespace kv::platform {

struct LocalDateTime {
    int year = 1970;
    int month = 1;   // 1 to 12
    int day = 1;     // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0;  // local time minus UTC
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime Now() const = 0;
};

// The system's clock in the process's time zone.
class SystemClock : public Clock {
public:
    LocalDateTime Now() const override;
};

// Always the same moment.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime moment) : moment_(moment) {}
    LocalDateTime Now() const override { return moment_; }

private:
    LocalDateTime moment_;
};

// "DD/MM/YYYY", the system's short date on the Italian systems this program serves.
std::string ShortDate(const LocalDateTime& moment);

}  // namespace kv::platform
