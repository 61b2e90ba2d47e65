#pragma once
// The colours painting uses, as accepted by SetColorFill/Line/Text: "#RRGGBB" or a pattern name,
// with the pattern's colour when an uncoloured pattern is named.

#include <string>
#include <tuple>

#include "pdf/core/recent_values.hpp"

namespace folivo {

// A colour parsed, with the content operator that sets it. Text drawing sets the fill to the text
// colour and back on every line: the last few colours are kept parsed and formatted.
struct ParsedColor {
    std::string parsed;
    std::string second;
    std::string op;  // empty when the colour sets no operator
};

// What putting the fill colour to the text colour and back around a text object wrote and left:
// a function of the four colours it started from, so it is replayed while they stay the same.
struct TextFillSwitch {
    bool recorded = false;
    std::string text, textPattern, fill, fillPattern;  // the colours it started from
    std::string set, restore;  // the content written before and after the text object
    std::string fillAfter, fillPatternAfter;
    bool keepsFill = false;  // the fill colour it leaves is the one it started from

    bool StartsFrom(const std::string& textNow, const std::string& textPatternNow, const std::string& fillNow,
                    const std::string& fillPatternNow) const {
        return recorded && fill == fillNow && text == textNow && fillPattern == fillPatternNow &&
               textPattern == textPatternNow;
    }
};

struct ColorState {
    std::string fill = "#FFFFFF";
    std::string line = "#000000";
    std::string text = "#000000";
    std::string fillPattern;
    std::string linePattern;
    std::string textPattern;
    bool inUncolouredTiling = false;
    RecentValues<std::tuple<std::string, bool>, ParsedColor> recent;  // by colour as given, and stroke
    TextFillSwitch textFill;  // the last one recorded
};

}  // namespace folivo
