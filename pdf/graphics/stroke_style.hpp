#pragma once
// Operators for the stroke's dash pattern, caps, joins and miter limit.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::graphics {

// The "d" operator for a named pattern (SOLID, DASH, DOT, DASHDOT, DASHDOTDOT; empty is solid) or
// a list of lengths separated by ";", in user units; a solid line always has phase 0.
std::string DashOperator(const std::string& pattern, float phase, float scale);

// The "J" and "j" operators, and "M" when miterLimit >= 1: the cap is chosen by Style bits 32 and
// 64, the join by bits 2 and 4.
std::vector<std::string> LineStyleOperators(int32_t style, float miterLimit);

// Opacity text of an ExtGState: "0" below 0, "1" above 100, else percent / 100.
std::string OpacityText(int32_t percent);

}  // namespace folivo::graphics
