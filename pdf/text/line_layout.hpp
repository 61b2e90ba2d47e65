#pragma once
// Where one line of text goes inside its width: the alignment of a positioned line, including
// justification (extra word spacing), shrinking and fitting (horizontal scaling).

#include <cstdint>
#include <string_view>

#include "pdf/text/measure.hpp"

namespace folivo::text {

// Bits of the Align argument of the text members.
enum AlignBits : int32_t {
    kAlignLeft = 1,
    kAlignRight = 2,
    kAlignCenter = 4,
    kAlignBottom = 16,
    kAlignMiddle = 32,
    kAlignJustify = 64,
    kAlignShrink = 128,
    kAlignFit = 256,
};

// How the line's own operators change the text state around the string.
enum class LineAdjust {
    kNone,
    kWordSpacing,      // value: gap between words, user units
    kScaling,          // value: horizontal scaling in percent
    kScalingStretched, // the same, for a fitted line that was narrower than its width
};

struct LinePlan {
    float length = 0;  // measured length plus the indent, user units
    float dx = 0;      // offset of the line's start from X, user units (indent included)
    LineAdjust adjust = LineAdjust::kNone;
    float value = 0;
};

// Measures and places a line of `width` user units; `indent` is added to both length and offset.
LinePlan PlanLine(std::string_view line, float width, float indent, int32_t align,
                  const TextMeasure& measure);

}  // namespace folivo::text
