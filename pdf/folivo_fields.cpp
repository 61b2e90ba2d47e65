// Folivo: interactive form fields, written with their page and their appearance streams, the
// fields that hold other fields, and the document's form dictionary.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "pdf/folivo_impl.hpp"
#include "pdf/forms/button_marks.hpp"
#include "pdf/forms/field_tree.hpp"
#include "pdf/forms/text_appearance.hpp"
#include "pdf/navigation/field_widget.hpp"
#include "pdf/text/text_string.hpp"

namespace folivo {

namespace {

bool IsPlainColor(const std::string& color) { return !color.empty() && color[0] == '#'; }

// The field flag each type adds to those of the Options bits.
int32_t TypeFlag(int32_t type) {
    switch (type) {
        case navigation::kRadioButton: return 32768;
        case navigation::kComboBox: return 131072;
        case navigation::kPushButton: return 65536;
        default: return 0;
    }
}

// The type entries of the widget: field type, flags and what the type adds.
std::string TypeWidgetEntries(int32_t type, const navigation::FieldLook& look, int32_t fieldFlags, int32_t maxLength,
                              bool ticked, int32_t scriptObj) {
    const std::string flags = std::to_string(fieldFlags) + " ";
    switch (type) {
        case navigation::kCheckBox:
        case navigation::kRadioButton: return " /FT /Btn /Ff " + flags + (ticked ? " /V /S#EC /DV /S#EC " : "");
        case navigation::kComboBox:
        case navigation::kListBox: return " /FT /Ch /Ff " + flags;
        case navigation::kPushButton:
            return " /FT /Btn /Ff " + flags +
                   (scriptObj != 0 ? " /A << /S /JavaScript /JS " + std::to_string(scriptObj) + " 0 R >> " : "");
        default:
            return " /FT /Tx /Ff " + flags + look.alignment +
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
                   " /BS << /Type /Border /W " + look.borderWidth + look.borderStyle + ">>";
    field.ticked = IsTicked(Value);
    field.fieldFlags = look.fieldFlags | TypeFlag(type);
    field.typeEntries = TypeWidgetEntries(type, look, field.fieldFlags,
                                          type == navigation::kTextField ? std::atoi(Param.c_str()) : 0,
                                          field.ticked, scriptObj);
    field.name = FieldName;
    field.type = type;
    const float fontSize = look.useFontSize ? impl_->doc_.text.size : 0;
    const std::string textColor =
        IsPlainColor(impl_->doc_.colors.text) ? impl_->ColorToRGB(impl_->doc_.colors.text) : std::string("0 0 0");
    field.appearance = "/" + impl_->doc_.text.fontName + " " + impl_->FormatNum(fontSize) + " Tf " + textColor + " rg ";
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
    field.look = impl_->FieldAppearanceLook(look, std::fabs(xDim * s), std::fabs(YDim * s), fontSize, textColor);
    impl_->MarkFieldText(field);
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

forms::Look FolivoImpl::FieldAppearanceLook(const navigation::FieldLook& look, float width, float height,
                                             float fontSize, const std::string& textColor) const {
    forms::Look drawn;
    drawn.width = width;
    drawn.height = height;
    drawn.rotation = look.rotation.empty() ? 0 : std::atoi(look.rotation.c_str() + 3);  // "/R 90 "
    if (IsPlainColor(doc_.colors.fill)) drawn.background = ColorToRGB(doc_.colors.fill);
    if (IsPlainColor(doc_.colors.line)) drawn.border = ColorToRGB(doc_.colors.line);
    drawn.text = textColor;
    drawn.borderWidth = static_cast<float>(std::atof(look.borderWidth.c_str()));
    drawn.borderStyle = look.borderStyle[4];  // "/S /x"
    drawn.font = doc_.text.fontName;
    drawn.fontSize = fontSize;
    drawn.widths = CurrentFont().widths;
    drawn.align = look.alignment.empty() ? 0 : std::atoi(look.alignment.c_str() + 3);  // "/Q n "
    return drawn;
}

void FolivoImpl::MarkFieldText(const navigation::Field& field) {
    MarkCodesDrawn(field.type == navigation::kPushButton ? field.caption : field.value);
    for (const auto& option : field.options) MarkCodesDrawn(option);
}

void FolivoImpl::WritePageFields() {
    const int32_t page = doc_.pages.Count();
    std::vector<navigation::Field*> pending;
    for (auto& field : doc_.nav.fields) {
        if (field.page == page && field.object == 0) pending.push_back(&field);
    }
    const auto reserve = [this] { return doc_.objects.Reserve(); };
    for (auto* field : pending) {
        WriteFieldAppearances(*field);
        const bool radio = field->type == navigation::kRadioButton;
        field->parent = doc_.nav.fieldTree.ParentOf(forms::NameParts(field->name), radio, field->fieldFlags,
                                                    field->tooltip, reserve);
        if (radio && field->ticked) doc_.nav.fieldTree.MarkOn(field->parent);
    }
    // The page object follows its fields.
    const int32_t pageObj = doc_.objects.LastNumber() + static_cast<int32_t>(pending.size()) + 1;
    const std::string pageRef = std::to_string(pageObj) + " 0 R";
    for (auto* field : pending) WriteFieldObject(*field, pageRef);
}

int32_t FolivoImpl::WriteAppearance(const forms::Look& look, std::string content) {
    const int32_t objNum = StartObject();
    WriteLine("<< /Type /XObject /Subtype /Form " + forms::FormBoxEntries(look) + " /Resources 2 0 R");
    PutStream(std::move(content), objNum);
    CloseObject();
    return objNum;
}

void FolivoImpl::WriteFieldAppearances(navigation::Field& field) {
    const forms::Look& look = field.look;
    switch (field.type) {
        case navigation::kCheckBox:
        case navigation::kRadioButton: {
            const bool radio = field.type == navigation::kRadioButton;
            field.normal = WriteAppearance(look, forms::ButtonAppearance(look, field.caption, radio, true));
            field.off = WriteAppearance(look, forms::ButtonAppearance(look, field.caption, radio, false));
            return;
        }
        case navigation::kComboBox:
        case navigation::kListBox:
            field.normal = WriteAppearance(look, forms::ChoiceAppearance(look, field.options, field.defaultOption - 1,
                                                                         field.type == navigation::kListBox));
            return;
        case navigation::kPushButton:
            field.normal = WriteAppearance(look, forms::PushButtonAppearance(look, field.caption));
            return;
        default:
            field.normal = WriteAppearance(look, forms::TextFieldAppearance(look, field.value, field.fieldFlags & 4096,
                                                                            field.fieldFlags & 8192));
    }
}

void FolivoImpl::WriteFieldObject(navigation::Field& field, const std::string& pageRef) {
    // A radio button is a widget of its radio field, which holds the name and the value.
    const bool widgetOnly = field.type == navigation::kRadioButton;
    field.object = StartObject();
    std::vector<std::string> quotedOptions;
    for (const auto& option : field.options) quotedOptions.push_back(QuoteString(text::PdfTextString(option)));
    std::string text = field.widget + (widgetOnly ? "" : field.typeEntries) + " /DA " + QuoteString(field.appearance);
    if (!widgetOnly) {
        text += " /T " + QuoteString(text::PdfTextString(forms::NameParts(field.name).back()));
        if (!field.tooltip.empty()) text += " /TU " + QuoteString(text::PdfTextString(field.tooltip));
    }
    text += navigation::FieldTypeEntries(field, quotedOptions, QuoteString(text::PdfTextString(field.value)),
                                         QuoteString(text::PdfTextString(field.caption)));
    text += navigation::AppearanceEntries(field);
    if (field.parent != 0) text += " /Parent " + std::to_string(field.parent) + " 0 R";
    if (!field.actions.empty()) text += " /AA << " + field.actions + " >> ";
    WriteLine(text + " /P " + pageRef + " >>");
    CloseObject();
    doc_.nav.fieldTree.Add(field.object, field.parent);
    doc_.nav.pageAnnots.push_back(field.object);  // a field always belongs to its page
}

void FolivoImpl::WriteFormObjects() {
    // Viewers that redraw check boxes and radio buttons (NeedAppearances) set their marks in
    // ZapfDingbats, which they look up in the form's resources as /ZaDb.
    const bool buttons = std::any_of(doc_.nav.fields.begin(), doc_.nav.fields.end(), [](const navigation::Field& f) {
        return f.object != 0 && (f.type == navigation::kCheckBox || f.type == navigation::kRadioButton);
    });
    if (buttons) {
        doc_.nav.dingbatsObj = StartObject();
        WriteLine("<< /Type /Font /Subtype /Type1 /BaseFont /ZapfDingbats >>");
        CloseObject();
    }
    for (const auto& node : doc_.nav.fieldTree.Nodes()) {
        int32_t objNum = node.object;
        StartObject(objNum);
        std::string text = "<< /T " + QuoteString(text::PdfTextString(node.partial));
        if (node.parent != 0) text += " /Parent " + std::to_string(node.parent) + " 0 R";
        text += " /Kids [";
        for (int32_t kid : node.kids) text += " " + std::to_string(kid) + " 0 R";
        text += " ]";
        if (node.radio) {
            text += " /FT /Btn /Ff " + std::to_string(node.flags) + (node.on ? " /V /S#EC /DV /S#EC" : " /V /Off");
            if (!node.tooltip.empty()) text += " /TU " + QuoteString(text::PdfTextString(node.tooltip));
        }
        WriteLine(text + " >>");
        CloseObject();
    }
}

std::string FolivoImpl::AcroFormEntry() const {
    const auto ref = [](int32_t object) { return std::to_string(object) + " 0 R "; };
    std::string fields;
    for (int32_t root : doc_.nav.fieldTree.Roots()) fields += ref(root);
    if (fields.empty()) return "";
    std::string calculated;
    for (const auto& field : doc_.nav.fields) {
        if (field.object == 0 || field.actions.find(" /C ") == std::string::npos) continue;
        const std::string entry = ref(field.type == navigation::kRadioButton ? field.parent : field.object);
        if (calculated.find(entry) == std::string::npos) calculated += entry;
    }
    return "/AcroForm <</NeedAppearances true /Fields [" + fields + "] /CO [" + calculated + "] /DR << /Font << " +
           doc_.resources.fonts +
           (doc_.nav.dingbatsObj != 0 ? "/ZaDb " + std::to_string(doc_.nav.dingbatsObj) + " 0 R " : "") + ">> >> >>";
}

}  // namespace folivo
