#include "pdf/forms/text_appearance.hpp"

#include <algorithm>

#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"

namespace folivo::forms {

namespace {

constexpr float kLeading = 1.15f;  // line height, in font sizes

float Padding(const Look& look) { return look.borderWidth + 2; }

// The set size, or one that fits a single line into the box.
float FontSize(const Look& look, bool oneLine) {
    if (look.fontSize > 0) return look.fontSize;
    if (!oneLine) return 10;
    const float fitted = (DrawingBox(look).h - 2 * Padding(look)) / kLeading;
    return std::clamp(fitted, 4.0f, 12.0f);
}

float Width(const Look& look, const std::string& text, float size) {
    float thousandths = 0;
    for (char c : text) thousandths += look.widths[static_cast<unsigned char>(c)];
    return thousandths * size / 1000;
}

// Where a line of the text starts, by the alignment.
float LineX(const Look& look, const std::string& text, float size, int32_t align) {
    const float w = DrawingBox(look).w;
    if (align == 1) return (w - Width(look, text, size)) / 2;
    if (align == 2) return w - Padding(look) - Width(look, text, size);
    return Padding(look);
}

// One line moved to by (dx, dy) from the previous line's origin (the first from the box's corner).
std::string Line(const std::string& text, float dx, float dy) {
    return FormatNum(dx) + " " + FormatNum(dy) + " Td (" + EscapeString(text) + ") Tj\n";
}

// A single line with its baseline at `y`.
std::string SingleLine(const Look& look, const std::string& text, float size, float y, int32_t align) {
    return Line(text, LineX(look, text, size, align), y);
}

// The baseline that centres one line of the size in the box.
float MiddleBaseline(const Look& look, float size) { return (DrawingBox(look).h - size * 0.7f) / 2; }

// Frame, then the text object, clipped inside the border; `body` is the text object's lines.
std::string Wrap(const Look& look, float size, const std::string& under, const std::string& body) {
    const Box box = DrawingBox(look);
    const float bw = look.borderWidth;
    return "/Tx BMC\nq\n" + Frame(look, false) + FormatNum(bw) + " " + FormatNum(bw) + " " +
           FormatNum(box.w - 2 * bw) + " " + FormatNum(box.h - 2 * bw) + " re W n\n" + under + "BT /" + look.font +
           " " + FormatNum(size) + " Tf " + look.text + " rg\n" + body + "ET\nQ\nEMC\n";
}

std::vector<std::string> Lines(const std::string& value) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += value[i];
        }
    }
    return lines;
}

float FirstBaseline(const Look& look, float size) { return DrawingBox(look).h - Padding(look) - size; }

// Lines from the top of the box, one leading apart.
std::string TopDown(const Look& look, const std::vector<std::string>& lines, float size, int32_t align) {
    std::string body;
    float previousX = 0, previousY = 0;
    float y = FirstBaseline(look, size);
    for (const auto& text : lines) {
        const float x = LineX(look, text, size, align);
        body += Line(text, x - previousX, y - previousY);
        previousX = x;
        previousY = y;
        y -= size * kLeading;
    }
    return body;
}

}  // namespace

std::string TextFieldAppearance(const Look& look, const std::string& value, bool multiLine, bool password) {
    const std::string shown = password ? std::string(value.size(), '*') : value;
    const float size = FontSize(look, !multiLine);
    if (multiLine) return Wrap(look, size, "", TopDown(look, Lines(shown), size, look.align));
    return Wrap(look, size, "", SingleLine(look, shown, size, MiddleBaseline(look, size), look.align));
}

std::string ChoiceAppearance(const Look& look, const std::vector<std::string>& options, int selected, bool list) {
    const bool chosen = selected >= 0 && selected < static_cast<int>(options.size());
    if (!list) {
        const float size = FontSize(look, true);
        const std::string text = chosen ? options[static_cast<size_t>(selected)] : std::string();
        return Wrap(look, size, "", SingleLine(look, text, size, MiddleBaseline(look, size), 0));
    }
    const float size = FontSize(look, false);
    std::string highlight;
    if (chosen) {
        // The chosen row, behind its text: from a quarter size under its baseline, one leading high.
        const float baseline = FirstBaseline(look, size) - static_cast<float>(selected) * size * kLeading;
        highlight = "0.6 0.75 0.85 rg " + FormatNum(look.borderWidth) + " " + FormatNum(baseline - size / 4) + " " +
                    FormatNum(DrawingBox(look).w - 2 * look.borderWidth) + " " + FormatNum(size * kLeading) +
                    " re f\n";
    }
    return Wrap(look, size, highlight, TopDown(look, options, size, 0));
}

std::string PushButtonAppearance(const Look& look, const std::string& caption) {
    const float size = FontSize(look, true);
    return Wrap(look, size, "", SingleLine(look, caption, size, MiddleBaseline(look, size), 1));
}

}  // namespace folivo::forms
