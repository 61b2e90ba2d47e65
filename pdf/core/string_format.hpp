#pragma once
// Texts for PDF literal strings.

#include <string>
#include <string_view>

namespace folivo {

// Backslash escapes for a literal string: \ ( ) CR LF.
std::string EscapeString(std::string_view text);

// Appends EscapeString(text) to `out`, copying the runs between escapes whole.
void AppendEscaped(std::string& out, std::string_view text);

}  // namespace folivo
