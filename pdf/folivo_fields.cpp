// Folivo: interactive form fields, written with their page, and the document's form dictionary.

#include <cstdlib>

#include "pdf/folivo_impl.hpp"
#include "pdf/text/text_string.hpp"
#include "pdf/navigation/field_widget.hpp"

namespace folivo {

namespace {

bool IsPlainColor(const std::string& color) { return !color.empty() && color[0] == '#'; }

// The type entries of the widget: field type, flags and what the type adds.
std::string TypeWidgetEntries(int32_t type, const navigation::FieldLook& look, int32_t maxLength,
                              bool ticked, int32_t scriptObj) {
    const auto flags = [&](int32_t typeFlag) { return std::to_string(look.fieldFlags | typeFlag) + " "; };
    switch (type) {
        case navigation::kCheckBox: return " /FT /Btn /Ff " + flags(0) + (ticked ? " /V /S#EC /DV /S#EC " : "");
        case navigation::kRadioButton:
            return " /FT /Btn /Ff " + flags(32768) + (ticked ? " /V /S#EC /DV /S#EC " : "");
        case navigation::kComboBox: return " /FT /Ch /Ff " + flags(131072);
        case navigation::kListBox: return " /FT /Ch /Ff " + flags(0);
        case navigation::kPushButton:
            return " /FT /Btn /Ff " + flags(65536) +
                   (scriptObj != 0 ? " /A << /S /JavaScript /JS " + std::to_string(scriptObj) + " 0 R >> " : "");
        default:
            return " /FT /Tx /Ff " + flags(0) + look.alignment +
                   (maxLength > 0 ? " /MaxLen " + std::to_string(maxLength) + " " : "");
    }
}

bool IsTicked(const std::string& value) {
    return !value.empty() && value != "0" && value != "false" && value != "False" && value != "FALSE";
}

}  // namespace

void Folivo::AddField(const std::string& FieldName, int32_t FieldType, float X, float Y, float xDim, float YDim,
                      const std::string& Value, const std::string& Param, const std::string& Tooltip,
                      int32_t Options) {
    if (impl_->RefusedUnderPdfA("AddField", "form fields drawn by the viewer (NeedAppearances)")) return;
    if (impl_->doc_.text.fontIndex == 0) SetFont("Helvetica", 10);  // the default appearance names a font
    const auto look = navigation::FieldLookOf(Options);
    impl_->RequireVersion(look.version);
    const int32_t type = (FieldType >= navigation::kTextField && FieldType <= navigation::kPushButton)
                             ? FieldType : static_cast<int32_t>(navigation::kTextField);
    const bool push = type == navigation::kPushButton;
    const int32_t scriptObj = push && !Value.empty() ? impl_->WriteScript(Value) : 0;

    const float s = impl_->doc_.page.scale;
    const float x1 = PageSpaceX(impl_->doc_.page, X);
    const float y1 = PageSpaceY(impl_->doc_.page, Y);
    navigation::Field field;
    field.widget = "<< /Type /Annot /Subtype /Widget \r /Rect [ " + impl_->FormatNum(x1) + " " + impl_->FormatNum(y1) +
                   " " + impl_->FormatNum(x1 + xDim * s) + " " + impl_->FormatNum(y1 - YDim * s) + "]" +
                   (look.annotFlags != 0 ? " /F " + std::to_string(look.annotFlags) : std::string()) +
                   " /BS << /Type /Border /W " + look.borderWidth + look.borderStyle + ">>" +
                   TypeWidgetEntries(type, look, type == navigation::kTextField ? std::atoi(Param.c_str()) : 0,
                                     IsTicked(Value), scriptObj);
    field.name = FieldName;
    field.type = type;
    field.appearance =
        "/" + impl_->doc_.text.fontName + " " + impl_->FormatNum(look.useFontSize ? impl_->doc_.text.size : 0) +
        " Tf " +
        (IsPlainColor(impl_->doc_.colors.text) ? impl_->ColorToRGB(impl_->doc_.colors.text) : std::string("0 0 0")) +
        " rg ";
    field.tooltip = Tooltip;
    field.value = push ? std::string() : Value;
    field.caption = push ? Param : look.checkGlyph;
    if (type == navigation::kComboBox || type == navigation::kListBox) {
        field.options = navigation::SplitOptions(Param);
        field.defaultOption = std::atoi(Value.c_str());
    }
    if (IsPlainColor(impl_->doc_.colors.fill))
        field.characteristics += " /BG [ " + impl_->ColorToRGB(impl_->doc_.colors.fill) + " ] ";
    if (IsPlainColor(impl_->doc_.colors.line))
        field.characteristics += " /BC [ " + impl_->ColorToRGB(impl_->doc_.colors.line) + " ] ";
    field.characteristics += look.rotation;
    field.page = impl_->PageForNextSetting();
    impl_->doc_.nav.fields.push_back(std::move(field));
}

void Folivo::OnFieldEvent(int32_t OnEvent, const std::string& FieldName, const std::string& Action) {
    if (impl_->RefusedUnderPdfA("OnFieldEvent", "JavaScript")) return;
    const std::string key = navigation::FieldEventKey(OnEvent);
    if (Action.empty() || key.empty()) return;
    std::vector<navigation::Field*> matches;
    for (auto& field : impl_->doc_.nav.fields) {
        // A field already written with its page can no longer take actions.
        if (field.object == 0 && navigation::FieldMatches(field.name, FieldName)) matches.push_back(&field);
    }
    if (matches.empty()) return;
    const std::string action = key + "<< /S /JavaScript /JS " + std::to_string(impl_->WriteScript(Action)) + " 0 R >> ";
    for (auto* field : matches) field->actions += action;
}

void FolivoImpl::WritePageFields() {
    const int32_t page = doc_.pages.Count();
    int32_t pending = 0;
    for (const auto& field : doc_.nav.fields) pending += (field.page == page && field.object == 0) ? 1 : 0;
    // The page object follows its fields.
    const std::string pageRef = std::to_string(doc_.objects.LastNumber() + pending + 1) + " 0 R";
    for (auto& field : doc_.nav.fields) {
        if (field.page != page || field.object != 0) continue;
        field.object = StartObject();
        std::vector<std::string> quotedOptions;
        for (const auto& option : field.options) quotedOptions.push_back(QuoteString(text::PdfTextString(option)));
        std::string text = field.widget + " /DA " + QuoteString(field.appearance) + " /T " +
                           QuoteString(text::PdfTextString(field.name));
        if (!field.tooltip.empty()) text += " /TU " + QuoteString(text::PdfTextString(field.tooltip));
        text += navigation::FieldTypeEntries(field, quotedOptions, QuoteString(text::PdfTextString(field.value)),
                                             QuoteString(text::PdfTextString(field.caption)));
        if (!field.actions.empty()) text += " /AA << " + field.actions + " >> ";
        WriteLine(text + " /P " + pageRef + " >>");
        CloseObject();
        doc_.nav.pageAnnots.push_back(field.object);  // a field always belongs to its page
    }
}

std::string FolivoImpl::AcroFormEntry() const {
    std::string fields;
    std::string calculated;
    for (const auto& field : doc_.nav.fields) {
        if (field.object == 0) continue;
        const std::string ref = std::to_string(field.object) + " 0 R ";
        fields += ref;
        if (field.actions.find(" /C ") != std::string::npos) calculated += ref;
    }
    if (fields.empty()) return "";
    return "/AcroForm <</NeedAppearances true /Fields [" + fields + "] /CO [" + calculated + "] /DR << /Font << " +
           doc_.resources.fonts + ">> >> >>";
}

}  // namespace folivo
