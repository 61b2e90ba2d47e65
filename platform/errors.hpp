#pragma once
// Run-time errors carry the platform's error number and description, as the archive library and the
// error reporter show them ("Errore 59 Bad record length"). ProgramEnd unwinds to main, which closes
// every file and exits.

#include <stdexcept>
#include <string>

namespace kv::platform {

// Error numbers the program raises or reports.
namespace err {
inline constexpr int kInvalidArgument = 5;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kInternal = 51;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kDeviceIo = 57;
inline constexpr int kBadRecordLength = 59;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kBadRecordNumber = 63;
inline constexpr int kTooManyFiles = 67;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
inline constexpr int kInvalidFormat = 321;
inline constexpr int kPrinterError = 482;
}  // namespace err

// The standard description of an error number ("Bad record length" for 59); "Application-defined or
// object-defined error" for numbers without one.
std::string ErrorDescription(int number);

class RuntimeError : public std::runtime_error {
public:
    // The standard description of the number.
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

// Exit statuses of the program's ways to end.
namespace exit_status {
inline constexpr int kNormal = 0;
inline constexpr int kStoppedOnChoice = 1;
inline constexpr int kFatal = 2;  // configuration error, error reporter, fatal archive message
inline constexpr int kOtherInstance = 3;
}  // namespace exit_status

// "End the program": thrown where the program must stop, caught by main.
class ProgramEnd : public std::exception {
public:
    explicit ProgramEnd(int status = exit_status::kFatal, std::string reason = {})
        : status_(status), reason_(std::move(reason)) {}

    int status() const { return status_; }
    const std::string& reason() const { return reason_; }
    const char* what() const noexcept override { return reason_.c_str(); }

private:
    int status_;
    std::string reason_;
};

}  // namespace kv::platform
