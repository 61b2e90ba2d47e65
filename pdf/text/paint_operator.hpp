#pragma once
// The operator that paints a path by the drawing Options bits: 1 no stroke (fill only with 4),
// 2 close, 4 fill with the even-odd rule, 128 also clip.

#include <cstdint>
#include <string>

namespace folivo::text {

// "S", "h S", "h", "B*", "b*", "f*", "" ..., with "W " in front when the path also clips.
std::string PaintOperator(int32_t options);

}  // namespace folivo::text
