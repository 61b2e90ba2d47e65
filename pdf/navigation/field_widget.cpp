#include "pdf/navigation/field_widget.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace folivo::navigation {

namespace {

// Options bits that set a field flag, and the PDF version level they need.
struct FlagBit {
    int32_t option;
    int32_t flag;
    int32_t version;
};
constexpr std::array<FlagBit, 7> kFieldFlagBits = {{
    {8, 1, 0},
    {16, 4096, 0},
    {32, 8192, 0},
    {128, 2097152, 0},
    {256, 4194304, 1},
    {512, 8388608, 1},
    {1024, 16777216, 2},
}};

// The first matching bit wins, in this order.
template <size_t N>
std::string FirstOf(int32_t options, const std::array<std::pair<int32_t, const char*>, N>& table,
                    const char* otherwise) {
    for (const auto& [bit, text] : table) {
        if (options & bit) return text;
    }
    return otherwise;
}

}  // namespace

FieldLook FieldLookOf(int32_t options) {
    FieldLook look;
    if (options & 1) look.annotFlags = 2;
    if (!(options & 2)) look.annotFlags |= 4;
    for (const auto& bit : kFieldFlagBits) {
        if (options & bit.option) {
            look.fieldFlags |= bit.flag;
            look.version = std::max(look.version, bit.version);
        }
    }
    look.alignment = FirstOf<2>(options, {{{2048, "/Q 2 "}, {4096, "/Q 1 "}}}, "");
    look.useFontSize = (options & 8192) != 0;
    look.borderWidth = FirstOf<2>(options, {{{32768, "2 "}, {65536, "3 "}}}, "1 ");
    look.borderStyle = FirstOf<4>(
        options, {{{131072, "/S /D /D [ 1 1 ]"}, {262144, "/S /B"}, {524288, "/S /I"}, {1048576, "/S /U"}}}, "/S /S");
    look.checkGlyph = FirstOf<5>(
        options, {{{4194304, "5"}, {8388608, "F"}, {2097152, "l"}, {16777216, "H"}, {33554432, "n"}}}, "4");
    look.rotation = FirstOf<3>(options, {{{67108864, "/R 90 "}, {134217728, "/R 180 "}, {268435456, "/R 270 "}}}, "");
    return look;
}

std::string FieldEventKey(int32_t onEvent) {
    static constexpr std::array<const char*, 10> kKeys = {" /A ", " /D ", " /E ",  " /X ", " /Fo ",
                                                          " /Bl ", " /K ", " /V ", " /C ", " /F "};
    if (onEvent < 0 || onEvent >= static_cast<int32_t>(kKeys.size())) return "";
    return kKeys[static_cast<size_t>(onEvent)];
}

bool FieldMatches(const std::string& fieldName, const std::string& wanted) {
    return fieldName == wanted ||
           (fieldName.size() > wanted.size() && fieldName.compare(0, wanted.size(), wanted) == 0 &&
            fieldName[wanted.size()] == '.');
}

std::string FieldTypeEntries(const Field& field, const std::vector<std::string>& quotedOptions,
                             const std::string& quotedValue, const std::string& quotedCaption) {
    switch (field.type) {
        case kTextField:
            return " /MK <<" + field.characteristics + ">> \r /V " + quotedValue + " /DV " + quotedValue + " ";
        case kComboBox:
        case kListBox: {
            std::string text = " /MK <<" + field.characteristics + ">> /Opt [ ";
            for (const auto& option : quotedOptions) text += option + " ";
            text += "] ";
            const size_t d = static_cast<size_t>(field.defaultOption);
            if (d >= 1 && d <= quotedOptions.size()) {
                text += " /DV " + quotedOptions[d - 1] + " /V " + quotedOptions[d - 1];
            }
            return text;
        }
        default: return " /MK << /CA " + quotedCaption + " " + field.characteristics + ">> ";
    }
}

std::string AppearanceEntries(const Field& field) {
    const auto ref = [](int32_t object) { return std::to_string(object) + " 0 R"; };
    if (field.off == 0) return " /AP << /N " + ref(field.normal) + " >> ";
    const std::string states = "<< /S#EC " + ref(field.normal) + " /Off " + ref(field.off) + " >>";
    return std::string(" /AS ") + (field.ticked ? "/S#EC" : "/Off") + " /AP << /N " + states + " /D " + states + " >> ";
}

std::vector<std::string> SplitOptions(const std::string& param) {
    std::vector<std::string> options;
    size_t start = 0;
    for (;;) {
        const size_t bar = param.find('|', start);
        std::string part = param.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        if (!part.empty()) options.push_back(std::move(part));
        if (bar == std::string::npos) return options;
        start = bar + 1;
    }
}

}  // namespace folivo::navigation
