// Folivo: note annotations, a free-text box and a sticky-note icon.

#include "pdf/folivo_impl.hpp"

namespace folivo {

namespace {

const char* BorderStyle(int32_t border) {
    switch (border) {
        case 1: return "/S /D";  // the dash array follows
        case 2: return "/S /B";
        case 3: return "/S /I";
        case 4: return "/S /U";
        default: return "/S /S";
    }
}

const char* IconName(int32_t icon) {
    switch (icon) {
        case 1: return " /Name /Comment";
        case 2: return " /Name /Key";
        case 3: return " /Name /Help";
        case 4: return " /Name /Paragraph";
        case 5: return " /Name /NewParagraph";
        case 6: return " /Name /Insert";
        default: return " /Name /Note";
    }
}

bool IsPlainColor(const std::string& color) { return !color.empty() && color[0] == '#'; }

}  // namespace

void Folivo::AddNoteBox(const std::string& Text, float X, float Y, float Width, float Height, int32_t TextAlign,
                        int32_t Border, float DashOn, float DashOff, int32_t Flag) {
    if (impl_->RefusedUnderPdfA("AddNoteBox", "notes without an appearance")) return;
    const float s = impl_->doc_.page.scale;
    const float x1 = PageSpaceX(impl_->doc_.page, X);
    const float y1 = PageSpaceY(impl_->doc_.page, Y);
    std::string dict = "<< /Type /Annot /Subtype /FreeText\r/Rect [" + impl_->FormatNum(x1) + " " +
                       impl_->FormatNum(y1) + " " + impl_->FormatNum(x1 + Width * s) + " " +
                       impl_->FormatNum(y1 - Height * s) + "]\r /F " + std::to_string(Flag);
    if (TextAlign == 2) dict += "\r/Q 2";
    if (TextAlign == 4) dict += "\r/Q 1";
    if (IsPlainColor(impl_->doc_.colors.fill)) dict += "\r/C [" + impl_->ColorToRGB(impl_->doc_.colors.fill) + "]";
    dict += "\r/BS << /Type /Border /W " + impl_->FormatNum(impl_->doc_.lineWidth) + " " + BorderStyle(Border);
    if (Border == 1) dict += " /D [" + impl_->FormatNum(DashOn) + " " + impl_->FormatNum(DashOff) + "]";
    dict += ">>\r";
    std::string appearance = impl_->FormatNum(impl_->doc_.text.size) + " Tf";
    if (IsPlainColor(impl_->doc_.colors.line)) appearance += " " + impl_->ColorToRGB(impl_->doc_.colors.line) + " rg";
    impl_->WriteAnnotation(dict, Text, impl_->doc_.info.author, appearance, "");
}

void Folivo::AddNoteIcon(const std::string& Text, int32_t Icon, float X, float Y, bool Opened, int32_t Flag) {
    if (impl_->RefusedUnderPdfA("AddNoteIcon", "notes without an appearance")) return;
    const std::string x = impl_->FormatNum(PageSpaceX(impl_->doc_.page, X));
    const std::string y = impl_->FormatNum(PageSpaceY(impl_->doc_.page, Y));
    std::string dict = "<< /Type /Annot\r/Subtype /Text\r/Rect [" + x + " " + y + " " + x + " " + y + "]\r/F " +
                       std::to_string(Flag);
    if (IsPlainColor(impl_->doc_.colors.fill)) dict += "\r/C [" + impl_->ColorToRGB(impl_->doc_.colors.fill) + "]";
    dict += std::string("\r") + IconName(Icon) + "\r /Open " + (Opened ? "true" : "false") + " ";
    impl_->WriteAnnotation(dict, Text, impl_->doc_.info.author, "", "");
}

}  // namespace folivo
