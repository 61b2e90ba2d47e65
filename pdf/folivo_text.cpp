// Folivo's text members: font selection, measurement and the text operators of the page content.

#include <limits>

#include "pdf/folivo.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "pdf/graphics/path_text.hpp"
#include "pdf/text/split.hpp"
#include "pdf/text/text_box.hpp"
#include "pdf/truetype/font_descriptor.hpp"

namespace folivo {
namespace {

constexpr int32_t kErrOverflow = 6;

// Restores the font size when a WriteText call ends, however it ends.
class SizeRestorer {
public:
    explicit SizeRestorer(float& size) : size_(size), saved_(size) {}
    ~SizeRestorer() { size_ = saved_; }
    SizeRestorer(const SizeRestorer&) = delete;
    SizeRestorer& operator=(const SizeRestorer&) = delete;

private:
    float& size_;
    float saved_;
};

}  // namespace

// ---- font selection ----

void Folivo::SetFont(const std::string& FontFamily, float Size, int32_t Style, int32_t Encoding) {
    text_.family = FontFamily;
    text_.style = Style;
    if (Size != 0) text_.size = Size;
    if (text_.size == 0) text_.size = 10;

    const fonts::FontRequest request = fonts::RequestFor(FontFamily, Style, Encoding);
    int32_t index = fonts_.Find(request.key, request.encoding);
    if (index == 0) {
        index = fonts_.Add(fonts::StandardRecord(request));
        PutFontObjects(index);
    }
    text_.fontName = fonts_.At(index).resourceName;  // a TrueType alias keeps its own
    text_.fontIndex = index;
}

void Folivo::SetFontSize(float Points) { text_.size = Points; }

void Folivo::PutFontObjects(int32_t index) {
    fonts::FontRecord& record = fonts_.At(index);
    if (record.objectNumber != 0 || !sink_.IsOpen()) return;
    record.objectNumber = StartObject();
    for (const auto& line : fonts::FontDictionaryLines(record)) WriteLine(line);
    WriteLine(record.trueType ? truetype::DictionaryEnd(record.objectNumber + 1, record.widths)
                              : fonts::kFontDictionaryEnd);
    CloseObject();
    if (record.trueType) PutTrueTypeObjects(record);
    resources_.fonts += fonts::FontReference(record);
}

void Folivo::PutPendingFonts() {
    for (int32_t index = 1; index <= fonts_.Count(); ++index) PutFontObjects(index);
}

void Folivo::ResetText() {
    fonts_.Clear();
    text_ = text::TextState{};
}

const fonts::FontRecord& Folivo::CurrentFont() const { return fonts_.At(text_.fontIndex); }

// ---- spacing and modes ----

void Folivo::SetCharSpacing(float w) {
    spacing_.charSpacing = w;
    AddContent(FormatNum(w) + " Tc");
}

void Folivo::SetWordSpacing(float w) {
    spacing_.wordSpacing = w;
    AddContent(FormatNum(w) + " Tw");
}

void Folivo::SetTextHorizontalScaling(float Percent) {
    spacing_.horizontalScaling = Percent;
    AddContent(FormatNum(Percent) + " Tz");
}

void Folivo::SetTextMode(int32_t Mode) {
    if (Mode < std::numeric_limits<int16_t>::min() || Mode > std::numeric_limits<int16_t>::max()) {
        throw Error(kErrOverflow, "Overflow: text rendering mode " + std::to_string(Mode));
    }
    AddContent(std::to_string(Mode) + " Tr");
}

void Folivo::SetTextLineSpacing(float Value) {
    if (Value >= 0) spacing_.lineSpacing = Value;
}

// ---- measurement ----

text::TextMeasure Folivo::Measure() const {
    const text::SpacingState state{text_.size, spacing_.charSpacing, spacing_.wordSpacing,
                                   spacing_.horizontalScaling, page_.scale};
    return text::TextMeasure(CurrentFont().widths, state);
}

float Folivo::TextLength(const std::string& Phrase) const {
    if (text_.fontIndex == 0) return 0;
    return Measure().Length(Phrase);
}

float Folivo::TextHeight() const {
    if (text_.fontIndex == 0) return 0;
    return static_cast<float>(CurrentFont().height) * text_.size / 1000.0f / page_.scale;
}

// ---- drawing ----

void Folivo::PutText(float X, float Y, float Width, const std::string& Text, float Indent,
                     int32_t Align, bool NewLine) {
    const float s = page_.scale;
    float length = 0;
    float leading = 0;
    if (!text::TrimSpaces(Text).empty()) {
        const fonts::FontRecord& font = CurrentFont();
        const text::LinePlan plan = text::PlanLine(Text, Width, Indent, Align, Measure());
        length = plan.length;
        leading = TextHeight() * s * spacing_.lineSpacing;
        const float x = (plan.dx + X) * s;
        const float descent = static_cast<float>(font.descent) * text_.size / 1000.0f;
        const float bottom = page_.height - Y * s + descent;
        lastArea_ = {x, bottom, (plan.dx + X + length) * s, bottom + leading};
        WriteTextObject(x, Y, Text, plan);
        DrawTextLines(x, Y, length);
    }
    if (NewLine) {
        page_.curX = 0;
        page_.curY = Y * s + leading;
    } else {
        page_.curX = (X + length) * s;
    }
}

void Folivo::WriteTextObject(float x, float Y, const std::string& Text, const text::LinePlan& plan) {
    std::string prefix;
    std::string suffix;
    switch (plan.adjust) {
        case text::LineAdjust::kWordSpacing:
            prefix = FormatPt(plan.value) + " Tw ";
            suffix = " " + FormatNum(spacing_.wordSpacing) + " Tw";
            break;
        case text::LineAdjust::kScaling:
        case text::LineAdjust::kScalingStretched:
            prefix = FormatNum(plan.value) + " Tz ";
            suffix = (plan.adjust == text::LineAdjust::kScaling ? " " : "  ") +
                     FormatNum(spacing_.horizontalScaling) + " Tz";
            break;
        case text::LineAdjust::kNone: break;
    }
    const std::string fill = colors_.fill + ";" + colors_.fillPattern;
    SetColorFill(colors_.text + ";" + colors_.textPattern);
    const std::string size = FormatNum(text_.size);
    AddContent("BT");
    AddContent("/" + fonts::NameToken(text_.fontName) + " " + size + " Tf " + size + " TL");
    AddContent("1 0 0 -1 " + FormatNum(x) + " " + FormatPt(Y) + " Tm");
    AddContent(prefix + "(" + EscapeString(Text) + ") Tj" + suffix);
    AddContent("ET");
    SetColorFill(fill);
}

// Underline, overline and strike-through, in the text colour, as long as the measured text.
void Folivo::DrawTextLines(float x, float Y, float length) {
    const int32_t style = text_.style;
    if (!(style & (text::kStyleUnderline | text::kStyleOverline | text::kStyleStrikeOut))) return;
    const std::string line = colors_.line + ";" + colors_.linePattern;
    AddContent("q");
    SetColorLine(colors_.text + ";" + colors_.textPattern);
    AddContent(FormatNum(text_.size / 16) + " w 1 0 0 1 " + FormatNum(x) + " " + FormatPt(Y) + " cm");
    const auto stroke = [&](float offset) {
        const std::string d = FormatNum(offset);
        AddContent("0 " + d + " m " + FormatPt(length) + " " + d + " l S");
    };
    if (style & text::kStyleUnderline) stroke(text_.size / 8);
    if (style & text::kStyleOverline) stroke(-0.8f * text_.size);
    if (style & text::kStyleStrikeOut) stroke(-0.3f * text_.size);
    SetColorLine(line);
    AddContent("Q");
}

void Folivo::DrawText(float X, float Y, const std::string& Text, int32_t Align) {
    PutText(X, Y, 0, Text, 0, Align % 8, false);
}

void Folivo::WriteText(const std::string& Text, int32_t TextStyle, float PercenteSize) {
    const float s = page_.scale;
    const float y = page_.curY;
    float baseline = y;  // points
    SizeRestorer restoreSize(text_.size);
    if (TextStyle != 0) {
        const float oldSize = text_.size;
        const float h = TextHeight() * s;
        const auto descent = static_cast<float>(CurrentFont().descent);
        const float newSize = PercenteSize / 100 * oldSize;
        text_.size = newSize;
        if (TextStyle == 1) baseline = y - newSize * descent / 1000 - h / 2;
        if (TextStyle == 2) baseline = y - (oldSize + newSize) * descent / 1000;
    }
    PutText(page_.curX / s, baseline / s, 0, Text, 0, text::kAlignLeft, false);
    page_.curY = y;
}

void Folivo::WriteTextLn(const std::string& Text) {
    const float s = page_.scale;
    PutText(page_.curX / s, page_.curY / s, 0, Text, 0, text::kAlignLeft, true);
}

void Folivo::DrawBoxOutline(float X, float Y, float Width, float Height, int32_t Options) {
    graphics::PathText path(page_.scale);
    path.Rect({X, Y}, Width, Height);
    AddPath(path, Options);
}

std::string Folivo::DrawTextBox(float X, float Y, float Width, float Height, const std::string& Text,
                                float Indentation, int32_t Align, int32_t Options) {
    const fonts::FontRecord& font = CurrentFont();
    const float s = page_.scale;
    const float lineHeight = TextHeight() * s * spacing_.lineSpacing;
    if (Options != 1) DrawBoxOutline(X, Y, Width, Height, Options);

    const text::BoxRequest request{Text, Width, Indentation, Align, lineHeight,
                                   Height > 0 ? Height * s : 0};
    const text::BoxLayout layout = text::BreakTextBox(request, Measure());
    const auto count = static_cast<float>(layout.lines.size());

    float y0 = Y * s + lineHeight;
    if (Align & text::kAlignMiddle) {
        y0 = (Y + Height / 2) * s + lineHeight / 2 * (2 - count);
    } else if (Align & text::kAlignBottom) {
        y0 = (Y + Height) * s - (count - 1) * lineHeight;
    }
    y0 += static_cast<float>(font.descent) * text_.size / 1000.0f;

    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const text::BoxLine& line = layout.lines[i];
        const bool lastOfJustified = (Align & text::kAlignJustify) && line.last;
        PutText(X, (y0 + static_cast<float>(i) * lineHeight) / s, Width, line.text,
                line.first ? Indentation : 0, lastOfJustified ? text::kAlignLeft : Align, false);
    }
    const float top = page_.height - Y * s;
    lastArea_ = {X * s, top, (X + Width) * s, top - count * lineHeight};
    page_.curX = X * s;
    page_.curY = Y * s + count * lineHeight;
    return layout.rest;
}

}  // namespace folivo
