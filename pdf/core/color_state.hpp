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

struct ColorState {
    std::string fill = "#FFFFFF";
    std::string line = "#000000";
    std::string text = "#000000";
    std::string fillPattern;
    std::string linePattern;
    std::string textPattern;
    bool inUncolouredTiling = false;
    RecentValues<std::tuple<std::string, bool>, ParsedColor> recent;  // by colour as given, and stroke
};

}  // namespace folivo
