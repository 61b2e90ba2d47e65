#pragma once
// Colour texts: "#RRGGBB", "%grey", "@R;G;B", "@C;M;Y;K", one of 40 colour names, or a pattern
// name optionally followed by ";" and the colour it is painted with.

#include <string>
#include <string_view>

namespace folivo {

// Normalises `color` in place to "#RRGGBB" or an upper-case pattern name; `second` receives the
// normalised colour after a pattern name ("" when none).
void ParseColor(std::string& color, std::string& second);

// "#RRGGBB" as "r g b" with components from 0 to 1; throws folivo::Error 13 when the text does not
// hold six hexadecimal digits after "#".
std::string ColorToRGB(std::string_view hex);

}  // namespace folivo
