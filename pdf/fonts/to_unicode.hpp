#pragma once
// The /ToUnicode map of a font: the character each code of its encoding stands for,
// so that a reader extracting or searching the text gets the characters, not the codes.

#include <array>
#include <string>
#include <vector>

namespace folivo::fonts {

using CodeChars = std::array<char32_t, 256>;  // character by code; 0 when the code stands for none

// The CMap program: the code space <00>..<FF>, runs of codes whose characters follow each other as
// bfrange entries, the other codes as bfchar entries, at most 100 entries to a block. Characters
// above U+FFFF are written as UTF-16 surrogate pairs.
std::string ToUnicodeCMap(const CodeChars& chars);

// The same for the two-byte codes of a Type 0 font (code space <0000>..<FFFF>): the character of
// each code by its index, 0 for none.
std::string ToUnicodeCMap2(const std::vector<char32_t>& chars);

}  // namespace folivo::fonts
