#pragma once
// What Folivo needs from the machine it runs on: a message box, "open with the default viewer", the
// local clock and a random source. The program passes a host built on its platform layer; tests pass
// their own to get byte-identical files.

#include <cstdint>
#include <random>
#include <string>

namespace folivo {

struct LocalTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
    int utcOffsetMinutes = 0;  // local time minus UTC at that moment, summer time included
};

class Host {
public:
    virtual ~Host() = default;
    // Shows an information message with an OK button; true asks the caller to retry what failed.
    virtual bool ShowRetryMessage(const std::string& title, const std::string& text) = 0;
    // Opens a file with the application registered for its type.
    virtual void ShellOpen(const std::string& path) = 0;
    virtual LocalTime Now() = 0;
    // A number in [0, 1).
    virtual double Random() = 0;
    // The sRGB ICC profile an archival (PDF/A) document embeds for its output intent. By default
    // the first that exists of Debian's (colord-data) and Windows' own; "" when neither does.
    virtual std::string ColorProfilePath();
};

// The host of a program without a user, in standard C++ only: the message goes to standard error and
// is not retried, opening a file does nothing (there is no viewer to show it to; a program that opens
// files passes its own host), time is the local clock with its offset from UTC.
class DefaultHost : public Host {
public:
    DefaultHost();
    bool ShowRetryMessage(const std::string& title, const std::string& text) override;
    void ShellOpen(const std::string& path) override;
    LocalTime Now() override;
    double Random() override;

private:
    std::mt19937 engine_;
};

}  // namespace folivo
