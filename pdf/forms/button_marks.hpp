#pragma once
// Appearance streams of check boxes and radio buttons: the frame, and in the on state the mark
// that the field's check glyph names, drawn as paths so that no symbol font is needed.

#include <string>

#include "pdf/forms/look.hpp"

namespace folivo::forms {

// `glyph`: the ZapfDingbats character of the caption ("4" check, "5" cross, "l" dot, "n" square,
// "H" and "F" stars); `radio` draws the frame round.
std::string ButtonAppearance(const Look& look, const std::string& glyph, bool radio, bool on);

}  // namespace folivo::forms
