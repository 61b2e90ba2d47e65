#pragma once
// The run-time error Folivo raises: a platform-style error number with its description.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace folivo {

// Error numbers as the original platform numbered them.
enum ErrorNumber : int32_t {
    kErrDivisionByZero = 11,
    kErrBadFileNumber = 52,
    kErrFileNotFound = 53,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrInvalidCall = 5,
    kErrTypeMismatch = 13,
};

class Error : public std::runtime_error {
public:
    Error(int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int32_t number() const { return number_; }

private:
    int32_t number_;
};

}  // namespace folivo
