#pragma once
// The Mac OS Roman code page, for fonts registered with the Mac Roman encoding.

namespace folivo::truetype {

// The character of one Mac OS Roman byte (bytes below 128 are ASCII).
char32_t MacRomanChar(unsigned char byte);

}  // namespace folivo::truetype
