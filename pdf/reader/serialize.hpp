#pragma once
// Writes a value read from another file back as PDF text for the output file: single blanks,
// names escaped, strings as hexadecimal. References and strings pass through the caller's hooks
// (renumbering into the output, enciphering under the new object's key).

#include <functional>
#include <string>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

struct ValueWriter {
    std::function<std::string(const Value& reference)> reference;  // text written for "n g R"
    std::function<std::string(const std::string& bytes)> string;  // bytes as they go into the file
    std::string Write(const Value& value) const;
    // A dictionary's entries without "/Length" (streams get their new length from the caller).
    std::string WriteEntries(const Value& dictionary, bool skipLength) const;
};

std::string NameText(const std::string& name);
std::string HexString(const std::string& bytes);

}  // namespace folivo::reader
