#pragma once
// Conversion between UTF-8 text and the single-byte Windows-1252 code page used inside the writer.

#include <string>
#include <string_view>

namespace folivo::text {

// Each character becomes its Windows-1252 byte; characters outside the code page and malformed
// UTF-8 sequences become "?".
std::string Utf8ToWindows1252(std::string_view utf8);

// The character of one Windows-1252 byte; the five unassigned bytes give U+FFFD.
char32_t Windows1252Char(unsigned char byte);

// Appends a character below U+10000 in UTF-8.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace folivo::text
