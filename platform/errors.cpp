#include "platform/errors.hpp"

#include <array>
#include <utility>

namespace kv::platform {

namespace {

struct KnownError {
    int number;
    const char* description;
};

constexpr std::array kKnownErrors{
    KnownError{err::kInvalidArgument, "Invalid procedure call or argument"},
    KnownError{err::kSubscriptOutOfRange, "Subscript out of range"},
    KnownError{err::kInternal, "Internal error"},
    KnownError{err::kBadFileNameOrNumber, "Bad file name or number"},
    KnownError{err::kFileNotFound, "File not found"},
    KnownError{err::kBadFileMode, "Bad file mode"},
    KnownError{err::kDeviceIo, "Device I/O error"},
    KnownError{err::kBadRecordLength, "Bad record length"},
    KnownError{err::kDiskFull, "Disk full"},
    KnownError{err::kInputPastEnd, "Input past end of file"},
    KnownError{err::kBadRecordNumber, "Bad record number"},
    KnownError{err::kTooManyFiles, "Too many files"},
    KnownError{err::kPermissionDenied, "Permission denied"},
    KnownError{err::kPathFileAccess, "Path/File access error"},
    KnownError{err::kPathNotFound, "Path not found"},
    KnownError{err::kInvalidFormat, "Invalid file format"},
    KnownError{err::kPrinterError, "Printer error"},
};

}  // namespace

std::string ErrorDescription(int number) {
    for (const KnownError& known : kKnownErrors)
        if (known.number == number) return known.description;
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error("Errore " + std::to_string(number) + " " + description),
      number_(number),
      description_(std::move(description)) {}

}  // namespace kv::platform
