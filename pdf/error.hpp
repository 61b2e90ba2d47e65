#pragma once
// The run-time error Folivo raises: a platform-style error number with its description.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace folivo {

// Every error number Folivo raises or records, as the original platform numbered them.
enum ErrorNumber : int32_t {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrSubscriptOutOfRange = 9,  // also a read outside a font file, and a missing font record
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrBadFileNumber = 52,
    kErrFileNotFound = 53,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrInvalidFileFormat = 321,  // a damaged or unsupported image or PDF file
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
