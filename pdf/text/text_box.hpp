#pragma once
// Word wrapping for a text box: paragraphs at CR LF, lines at spaces, an optional height limit
// and the text left over when the box is full.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/text/measure.hpp"

namespace folivo::text {

// A text that starts with this character continues a paragraph cut by an earlier box.
inline constexpr char kContinuationMark = '\0';

struct BoxLine {
    std::string text;
    bool first = false;  // first line of a paragraph (never in a continuation)
    bool last = false;   // ends its paragraph
};

struct BoxRequest {
    std::string_view text;
    float width = 0;        // user units
    float indentation = 0;  // user units, first line of each paragraph
    int32_t align = 0;
    float lineHeight = 0;   // points
    float heightLimit = 0;  // points; 0 or less: no limit
};

struct BoxLayout {
    std::vector<BoxLine> lines;
    std::string rest;  // what did not fit: "" when everything did
};

BoxLayout BreakTextBox(const BoxRequest& request, const TextMeasure& measure);

// The paragraphs of a box text: justified text loses double spaces, empty paragraphs and a
// trailing line end become a paragraph holding one space.
std::vector<std::string> BoxParagraphs(std::string_view text, int32_t align);

}  // namespace folivo::text
