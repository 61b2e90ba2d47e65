#pragma once
// The numeric reading and writing of texts that archive naming and the call trail use.

#include <string>
#include <string_view>

namespace kv::archive {

// The leading number of a text, blanks, tabs and line feeds ignored ("  12A" -> 12, "" -> 0).
double NumericValue(std::string_view text);

// A number as text without a leading blank: whole numbers without decimals ("63"), others with up
// to 15 significant digits ("1.5").
std::string NumberText(double value);

// The text zero-padded on the left and cut to its last width characters.
std::string RightDigits(const std::string& text, size_t width);

// A logical file or record number as a whole number, halves rounded to even.
long long WholeNumber(double value);

}  // namespace kv::archive
