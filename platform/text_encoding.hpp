#pragma once
// Windows-1252, the program's inside text, and UTF-8 and UTF-16, the system's, converted at the
// boundary.

#include <string>
#include <string_view>
#include <vector>

namespace kv::platform {

std::string Cp1252ToUtf8(const std::string& bytes);

// Appends a Unicode code point as UTF-8 (one to four bytes).
void AppendUtf8(std::string& out, char32_t cp);

// Characters outside Windows-1252 become "?"; invalid UTF-8 bytes are taken as Windows-1252.
std::string Utf8ToCp1252(const std::string& text);

// The text is UTF-8 throughout (plain ASCII is).
bool IsUtf8(const std::string& text);

// The first character of UTF-8 text that Windows-1252 cannot hold, as "U+0141"; empty when every
// character has a form there.
std::string FirstCharacterOutsideCp1252(const std::string& utf8);

// Windows-1252 as wide characters (UTF-16 on Windows), and back; a character Windows-1252 cannot hold
// becomes "?" and is counted in `lost` when given.
std::wstring Cp1252ToWide(std::string_view bytes);
std::string WideToCp1252(std::wstring_view text, size_t* lost = nullptr);

// The text split into lines at CR LF, CR or LF; a trailing line break adds no empty line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace kv::platform
