// Folivo's text members: font selection, measurement and the text operators of the page content.

#include <cstdio>
#include <limits>

#include "pdf/core/number_format.hpp"
#include "pdf/core/string_format.hpp"
#include "pdf/folivo_impl.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "pdf/fonts/type0_font.hpp"
#include "pdf/graphics/path_text.hpp"
#include "pdf/text/split.hpp"
#include "pdf/text/text_box.hpp"
#include "pdf/truetype/font_descriptor.hpp"

namespace folivo {
namespace {

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

// "character U+20AC", for messages.
std::string CharacterName(char32_t c) {
    char name[32];
    std::snprintf(name, sizeof name, "character U+%04X", static_cast<unsigned>(c));
    return name;
}

}  // namespace

// ---- font selection ----

void Folivo::SetFont(const std::string& FontFamily, float Size, int32_t Style, int32_t Encoding) {
    impl_->doc_.text.family = FontFamily;
    impl_->doc_.text.style = Style;
    if (Size != 0) impl_->doc_.text.size = Size;
    if (impl_->doc_.text.size == 0) impl_->doc_.text.size = 10;

    // Font records are only ever appended, so a remembered index stays the one the table would find.
    auto& recent = impl_->doc_.recentFonts;
    const int32_t* known = recent.Find(std::tie(FontFamily, Style, Encoding));
    int32_t index = known ? *known : 0;
    if (!known) {
        const fonts::FontRequest request = fonts::RequestFor(FontFamily, Style, Encoding);
        index = impl_->doc_.fonts.Find(request.key, request.encoding);
        if (index == 0) {
            index = impl_->doc_.fonts.Add(impl_->StandardFontRecord(request));
            impl_->PutFontObjects(index);
        }
        recent.Remember({FontFamily, Style, Encoding}, index);
    }
    impl_->doc_.text.fontName = impl_->doc_.fonts.At(index).resourceName;  // a TrueType alias keeps its own
    impl_->doc_.text.fontIndex = index;
}

void Folivo::SetFontSize(float Points) { impl_->doc_.text.size = Points; }

void FolivoImpl::PutFontObjects(int32_t index) {
    fonts::FontRecord& record = doc_.fonts.At(index);
    if (record.objectNumber != 0 || !sink_.IsOpen()) return;
    record.objectNumber = StartObject();
    doc_.resources.fonts += fonts::FontReference(record);
    if (record.cid) {
        PutType0Objects(record);
        return;
    }
    for (const auto& line : fonts::FontDictionaryLines(record)) WriteLine(line);
    // An embedded font's CMap follows its descriptor and file.
    const int32_t toUnicodeObj = record.toUnicode.empty() ? 0 : record.objectNumber + 3;
    WriteLine(record.trueType ? truetype::DictionaryEnd(record.objectNumber + 1, record.widths, toUnicodeObj)
                              : fonts::kFontDictionaryEnd);
    CloseObject();
    if (record.trueType) PutTrueTypeObjects(record);
}

void FolivoImpl::PutPendingFonts() {
    for (int32_t index = 1; index <= doc_.fonts.Count(); ++index) PutFontObjects(index);
}

void FolivoImpl::MarkCodesDrawn(std::string_view text) {
    fonts::FontRecord& font = doc_.fonts.At(doc_.text.fontIndex);
    if (!font.subset || font.cid) return;  // a Type 0 font notes its glyphs as it draws them
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        font.used[code] = true;
        RequireGlyph(font, font.glyphs[code] != 0, "character code " + std::to_string(code));
    }
}

const fonts::FontRecord& FolivoImpl::CurrentFont() const { return doc_.fonts.At(doc_.text.fontIndex); }

// ---- spacing and modes ----

void Folivo::SetCharSpacing(float w) {
    impl_->doc_.spacing.charSpacing = w;
    impl_->AddContent(impl_->FormatNum(w) + " Tc");
}

void Folivo::SetWordSpacing(float w) {
    impl_->doc_.spacing.wordSpacing = w;
    impl_->AddContent(impl_->FormatNum(w) + " Tw");
}

void Folivo::SetTextHorizontalScaling(float Percent) {
    impl_->doc_.spacing.horizontalScaling = Percent;
    impl_->AddContent(impl_->FormatNum(Percent) + " Tz");
}

void Folivo::SetTextMode(int32_t Mode) {
    if (Mode < std::numeric_limits<int16_t>::min() || Mode > std::numeric_limits<int16_t>::max()) {
        throw Error(kErrOverflow, "Overflow: text rendering mode " + std::to_string(Mode));
    }
    impl_->AddContent(std::to_string(Mode) + " Tr");
}

void Folivo::SetTextLineSpacing(float Value) {
    if (Value >= 0) impl_->doc_.spacing.lineSpacing = Value;
}

// ---- measurement ----

text::TextMeasure FolivoImpl::Measure() const {
    const text::SpacingState state{doc_.text.size, doc_.spacing.charSpacing, doc_.spacing.wordSpacing,
                                   doc_.spacing.horizontalScaling, doc_.page.scale};
    const fonts::FontRecord& font = CurrentFont();
    return text::TextMeasure(font.widths, state, font.cid ? &*font.cid : nullptr);
}

float Folivo::TextLength(const std::string& Phrase) const {
    if (impl_->doc_.text.fontIndex == 0) return 0;
    return impl_->Measure().Length(Phrase);
}

float Folivo::TextHeight() const {
    if (impl_->doc_.text.fontIndex == 0) return 0;
    return static_cast<float>(impl_->CurrentFont().height) * impl_->doc_.text.size / 1000.0f / impl_->doc_.page.scale;
}

// ---- drawing ----

void FolivoImpl::PutText(float X, float Y, float Width, const std::string& Text, float Indent,
                         int32_t Align, bool NewLine) {
    const float s = doc_.page.scale;
    float length = 0;
    float leading = 0;
    if (!text::TrimSpaces(Text).empty()) {
        const fonts::FontRecord& font = CurrentFont();
        const text::LinePlan plan = text::PlanLine(Text, Width, Indent, Align, Measure());
        length = plan.length;
        leading = api_.TextHeight() * s * doc_.spacing.lineSpacing;
        const float x = (plan.dx + X) * s;
        const float descent = static_cast<float>(font.descent) * doc_.text.size / 1000.0f;
        const float bottom = doc_.page.height - Y * s + descent;
        doc_.lastArea = {x, bottom, (plan.dx + X + length) * s, bottom + leading};
        WriteTextObject(x, Y, Text, plan);
        DrawTextLines(x, Y, length);
    }
    if (NewLine) {
        doc_.page.curX = 0;
        doc_.page.curY = Y * s + leading;
    } else {
        doc_.page.curX = (X + length) * s;
    }
}

// A Type 0 font's string: word spacing (the justified gap, else the one set) as adjustments after
// the spaces, since PDF applies Tw to the one-byte code 32 only.
std::string FolivoImpl::ShowUnicodeText(const std::string& Text, const text::LinePlan& plan) {
    fonts::FontRecord& font = doc_.fonts.At(doc_.text.fontIndex);
    const float wordSpacing =
        plan.adjust == text::LineAdjust::kWordSpacing ? plan.value * doc_.page.scale : doc_.spacing.wordSpacing;
    const fonts::CidShow show = fonts::ShowCidText(*font.cid, Text, -wordSpacing * 1000 / doc_.text.size);
    if (show.missing != 0) RequireGlyph(font, false, CharacterName(show.missing));
    return show.text;
}

// "BT\r/F1 9 Tf 9 TL\r1 0 0 -1 ": a text object's start up to its matrix's position, for the
// current font and size, formatted only when the pair is not among the last few used.
const std::string& FolivoImpl::TextObjectStart() {
    const std::pair<int32_t, float> key{doc_.text.fontIndex, doc_.text.size};
    if (const std::string* known = doc_.textObjectStarts.Find(key)) return *known;
    std::string text = "BT\r/" + fonts::NameToken(doc_.text.fontName) + ' ';
    AppendNum(text, key.second);
    text += " Tf ";
    AppendNum(text, key.second);
    text += " TL\r1 0 0 -1 ";
    return doc_.textObjectStarts.Remember(key, std::move(text));
}

void FolivoImpl::WriteTextObject(float x, float Y, const std::string& Text, const text::LinePlan& plan) {
    std::string prefix;
    std::string suffix;
    const bool unicode = CurrentFont().cid.has_value();
    switch (plan.adjust) {
        case text::LineAdjust::kWordSpacing:
            if (unicode) break;  // the gap goes after each space instead
            prefix = FormatPt(plan.value) + " Tw ";
            suffix = " " + FormatNum(doc_.spacing.wordSpacing) + " Tw";
            break;
        case text::LineAdjust::kScaling:
        case text::LineAdjust::kScalingStretched:
            prefix = FormatNum(plan.value) + " Tz ";
            suffix = (plan.adjust == text::LineAdjust::kScaling ? " " : "  ") +
                     FormatNum(doc_.spacing.horizontalScaling) + " Tz";
            break;
        case text::LineAdjust::kNone: break;
    }
    // Glyphs are checked before anything is written, so a line that fails leaves the content as it was.
    const std::string shown = unicode ? ShowUnicodeText(Text, plan) : std::string();
    if (!unicode) MarkCodesDrawn(Text);

    TextBuffer* content = doc_.content.Target();
    const bool replayed = SetTextFill(content);
    // The text object goes straight into the content buffer, its lines ended by carriage returns
    // as AddContent ends them.
    if (content != nullptr) {
        const std::string& start = TextObjectStart();
        std::string& out = content->Extend(Text.size() + start.size() + prefix.size() + suffix.size() + 64);
        out += start;
        AppendNum(out, x);
        out += ' ';
        AppendNum(out, Y * doc_.page.scale);
        if (!unicode && prefix.empty() && suffix.empty()) {
            // The usual line: the fixed parts on either side of the text go in as one piece each.
            out += " Tm\r(";
            AppendEscaped(out, Text);
            out += ") Tj\rET\r";
        } else {
            out += " Tm\r";
            out += prefix;
            if (unicode) {
                out += shown;
            } else {
                out += '(';
                AppendEscaped(out, Text);
                out += ") Tj";
            }
            out += suffix;
            out += "\rET\r";
        }
    }
    RestoreFill(content, replayed);
}

bool FolivoImpl::SetTextFill(TextBuffer* content) {
    ColorState& colors = doc_.colors;
    TextFillSwitch& last = colors.textFill;
    if (content != nullptr && !colors.inUncolouredTiling &&
        last.StartsFrom(colors.text, colors.textPattern, colors.fill, colors.fillPattern)) {
        content->Append(last.set);
        return true;
    }
    last.recorded = false;
    last.text = colors.text;
    last.textPattern = colors.textPattern;
    last.fill = colors.fill;
    last.fillPattern = colors.fillPattern;
    const size_t start = content != nullptr ? content->Text().size() : 0;
    api_.SetColorFill(colors.text + ";" + colors.textPattern);
    if (content != nullptr) last.set = content->Text().substr(start);
    return false;
}

void FolivoImpl::RestoreFill(TextBuffer* content, bool replayed) {
    ColorState& colors = doc_.colors;
    TextFillSwitch& last = colors.textFill;
    if (replayed) {
        content->Append(last.restore);
        if (!last.keepsFill) {
            colors.fill = last.fillAfter;
            colors.fillPattern = last.fillPatternAfter;
        }
        return;
    }
    const size_t start = content != nullptr ? content->Text().size() : 0;
    api_.SetColorFill(last.fill + ";" + last.fillPattern);
    if (content == nullptr || colors.inUncolouredTiling) return;
    last.restore = content->Text().substr(start);
    last.fillAfter = colors.fill;
    last.fillPatternAfter = colors.fillPattern;
    last.keepsFill = colors.fill == last.fill && colors.fillPattern == last.fillPattern;
    last.recorded = true;
}

// Underline, overline and strike-through, in the text colour, as long as the measured text.
void FolivoImpl::DrawTextLines(float x, float Y, float length) {
    const int32_t style = doc_.text.style;
    if (!(style & (text::kStyleUnderline | text::kStyleOverline | text::kStyleStrikeOut))) return;
    const std::string line = doc_.colors.line + ";" + doc_.colors.linePattern;
    AddContent("q");
    api_.SetColorLine(doc_.colors.text + ";" + doc_.colors.textPattern);
    AddContent(FormatNum(doc_.text.size / 16) + " w 1 0 0 1 " + FormatNum(x) + " " + FormatPt(Y) + " cm");
    const auto stroke = [&](float offset) {
        const std::string d = FormatNum(offset);
        AddContent("0 " + d + " m " + FormatPt(length) + " " + d + " l S");
    };
    if (style & text::kStyleUnderline) stroke(doc_.text.size / 8);
    if (style & text::kStyleOverline) stroke(-0.8f * doc_.text.size);
    if (style & text::kStyleStrikeOut) stroke(-0.3f * doc_.text.size);
    api_.SetColorLine(line);
    AddContent("Q");
}

void Folivo::DrawText(float X, float Y, const std::string& Text, int32_t Align) {
    impl_->PutText(X, Y, 0, Text, 0, Align % 8, false);
}

void Folivo::WriteText(const std::string& Text, int32_t TextStyle, float PercenteSize) {
    const float s = impl_->doc_.page.scale;
    const float y = impl_->doc_.page.curY;
    float baseline = y;  // points
    SizeRestorer restoreSize(impl_->doc_.text.size);
    if (TextStyle != 0) {
        const float oldSize = impl_->doc_.text.size;
        const float h = TextHeight() * s;
        const auto descent = static_cast<float>(impl_->CurrentFont().descent);
        const float newSize = PercenteSize / 100 * oldSize;
        impl_->doc_.text.size = newSize;
        if (TextStyle == 1) baseline = y - newSize * descent / 1000 - h / 2;
        if (TextStyle == 2) baseline = y - (oldSize + newSize) * descent / 1000;
    }
    impl_->PutText(impl_->doc_.page.curX / s, baseline / s, 0, Text, 0, text::kAlignLeft, false);
    impl_->doc_.page.curY = y;
}

void Folivo::WriteTextLn(const std::string& Text) {
    const float s = impl_->doc_.page.scale;
    impl_->PutText(impl_->doc_.page.curX / s, impl_->doc_.page.curY / s, 0, Text, 0, text::kAlignLeft, true);
}

void FolivoImpl::DrawBoxOutline(float X, float Y, float Width, float Height, int32_t Options) {
    graphics::PathText path(doc_.page.scale);
    path.Rect({X, Y}, Width, Height);
    AddPath(path, Options);
}

std::string Folivo::DrawTextBox(float X, float Y, float Width, float Height, const std::string& Text,
                                float Indentation, int32_t Align, int32_t Options) {
    const fonts::FontRecord& font = impl_->CurrentFont();
    const float s = impl_->doc_.page.scale;
    const float lineHeight = TextHeight() * s * impl_->doc_.spacing.lineSpacing;
    if (Options != 1) impl_->DrawBoxOutline(X, Y, Width, Height, Options);

    const text::BoxRequest request{Text, Width, Indentation, Align, lineHeight,
                                   Height > 0 ? Height * s : 0};
    const text::BoxLayout layout = text::BreakTextBox(request, impl_->Measure());
    const auto count = static_cast<float>(layout.lines.size());

    float y0 = Y * s + lineHeight;
    if (Align & text::kAlignMiddle) {
        y0 = (Y + Height / 2) * s + lineHeight / 2 * (2 - count);
    } else if (Align & text::kAlignBottom) {
        y0 = (Y + Height) * s - (count - 1) * lineHeight;
    }
    y0 += static_cast<float>(font.descent) * impl_->doc_.text.size / 1000.0f;

    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const text::BoxLine& line = layout.lines[i];
        const bool lastOfJustified = (Align & text::kAlignJustify) && line.last;
        impl_->PutText(X, (y0 + static_cast<float>(i) * lineHeight) / s, Width, line.text,
                line.first ? Indentation : 0, lastOfJustified ? text::kAlignLeft : Align, false);
    }
    const float top = impl_->doc_.page.height - Y * s;
    impl_->doc_.lastArea = {X * s, top, (X + Width) * s, top - count * lineHeight};
    impl_->doc_.page.curX = X * s;
    impl_->doc_.page.curY = Y * s + count * lineHeight;
    return layout.rest;
}

}  // namespace folivo
