#pragma once
// The /ToUnicode map of a single-byte font: the character each code of its encoding stands for,
// so that a reader extracting or searching the text gets the characters, not the codes.

#include <array>
#include <string>

namespace folivo::fonts {

using CodeChars = std::array<char32_t, 256>;  // character by code; 0 when the code stands for none

// The CMap program: the code space <00>..<FF>, runs of codes whose characters follow each other as
// bfrange entries, the other codes as bfchar entries, at most 100 entries to a block. Characters
// above U+FFFF are written as UTF-16 surrogate pairs.
std::string ToUnicodeCMap(const CodeChars& chars);

}  // namespace folivo::fonts
