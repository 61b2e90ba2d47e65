#pragma once
// Decoding UTF-8 text, as the text members take it for Unicode fonts.

#include <cstddef>
#include <string>
#include <string_view>

namespace folivo::text {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// The character at `pos`, which moves past it; a malformed sequence gives U+FFFD, `pos` then
// standing after the bytes read up to the fault.
char32_t NextUtf8Char(std::string_view text, size_t& pos);

std::u32string DecodeUtf8(std::string_view text);

}  // namespace folivo::text
