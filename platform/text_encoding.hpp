#pragma once
// Windows-1252, the program's inside text, and UTF-8, the terminal's, converted at the boundary.

#include <string>
#include <vector>

namespace kv::platform {

std::string Cp1252ToUtf8(const std::string& bytes);

// Appends a Unicode code point as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, char32_t cp);

// Characters outside Windows-1252 become "?"; invalid UTF-8 bytes are taken as Windows-1252.
std::string Utf8ToCp1252(const std::string& text);

// The text split into lines at CR LF, CR or LF; a trailing line break adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace kv::platform
