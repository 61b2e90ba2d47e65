#pragma once
// Form fields: the flags, border and look that AddField's Options bits ask for, and the widget
// dictionary text stored until the field's page ends.

#include <cstdint>
#include <string>
#include <vector>

#include "pdf/forms/look.hpp"

namespace folivo::navigation {

enum FieldType : int32_t { kTextField = 0, kCheckBox = 1, kComboBox = 2, kListBox = 3, kRadioButton = 4, kPushButton = 5 };

struct FieldLook {
    int32_t annotFlags = 0;  // F
    int32_t fieldFlags = 0;  // Ff
    int32_t version = 0;     // the PDF version level the flags need
    std::string alignment;   // "/Q 2 " or "/Q 1 " or ""
    bool useFontSize = false;
    std::string borderWidth = "1 ";
    std::string borderStyle = "/S /S";
    std::string checkGlyph = "4";  // ZapfDingbats character of a ticked box
    std::string rotation;          // "/R 90 " ...
};

FieldLook FieldLookOf(int32_t options);

struct Field {
    std::string widget;       // "<< /Type /Annot /Subtype /Widget ..." up to the border style
    std::string typeEntries;  // " /FT .. /Ff n " and what the type adds (/V of a ticked box, /MaxLen, action)
    int32_t fieldFlags = 0;   // the /Ff written
    std::string name;
    int32_t type = kTextField;
    std::string appearance;  // the default appearance (DA)
    std::string tooltip;
    std::string value;
    std::string caption;     // the check glyph or the push button's caption
    std::vector<std::string> options;  // choices of a combo or list box
    int32_t defaultOption = 0;         // 1-based, 0 = none
    std::string characteristics;       // " /BG [..] " " /BC [..] " rotation
    std::string actions;               // " /K << /S /JavaScript /JS n 0 R >> " ...
    forms::Look look;         // what the appearance streams are drawn from
    bool ticked = false;      // a check box or radio button that is on
    int32_t page = 0;
    int32_t object = 0;
    int32_t parent = 0;       // the parent field's object; a radio button's widget hangs under its radio field
    int32_t normal = 0;       // appearance stream objects: the normal one (a button's on state)
    int32_t off = 0;          // and a button's off state
};

// The annotation key of a field event 0..9 (" /A " ... " /F "), "" for others.
std::string FieldEventKey(int32_t onEvent);

// Whether the field is FieldName itself or one of its "FieldName." children.
bool FieldMatches(const std::string& fieldName, const std::string& wanted);

// The text a field object holds after its stored widget, DA, T and TU, up to " /AA" (without it).
std::string FieldTypeEntries(const Field& field, const std::vector<std::string>& quotedOptions,
                             const std::string& quotedValue, const std::string& quotedCaption);

// The widget's " /AS .. /AP << .. >> ": a button's on state is named /S#EC, its off state /Off.
std::string AppearanceEntries(const Field& field);

// "|"-separated choices; empty parts are kept out.
std::vector<std::string> SplitOptions(const std::string& param);

}  // namespace folivo::navigation
