#pragma once
// Numbers as they appear in the file: rounded to three decimals, at most seven significant digits,
// "." as the decimal separator whatever the locale.

#include <string>

namespace folivo {

// Rounds half away from zero to 3 decimals, with single-precision input and result.
float RoundValue(float value);

// The shortest text of RoundValue(value): "595.276", "12", "0" (never "-0"), "0.5" (never "0,5").
std::string FormatNum(float value);

// Appends FormatNum(value) to `out` without a temporary string.
void AppendNum(std::string& out, float value);

}  // namespace folivo
