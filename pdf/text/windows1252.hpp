#pragma once
// Conversion of UTF-8 text to the single-byte Windows-1252 code page used inside the writer.

#include <string>
#include <string_view>

namespace folivo::text {

// Each character becomes its Windows-1252 byte; characters outside the code page and malformed
// UTF-8 sequences become "?".
std::string Utf8ToWindows1252(std::string_view utf8);

}  // namespace folivo::text
