#pragma once
// The colours painting uses, as accepted by SetColorFill/Line/Text: "#RRGGBB" or a pattern name,
// with the pattern's colour when an uncoloured pattern is named.

#include <string>

namespace folivo {

struct ColorState {
    std::string fill = "#FFFFFF";
    std::string line = "#000000";
    std::string text = "#000000";
    std::string fillPattern;
    std::string linePattern;
    std::string textPattern;
    bool inUncolouredTiling = false;
};

}  // namespace folivo
