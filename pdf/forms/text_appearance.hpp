#pragma once
// Appearance streams of the fields that show text: text fields, combo and list boxes and push
// buttons, set in the field's font (a name of the shared resources) as its default appearance says.

#include <string>
#include <vector>

#include "pdf/forms/look.hpp"

namespace folivo::forms {

// A text field's value; multi-line values break at line ends, a password shows as asterisks.
std::string TextFieldAppearance(const Look& look, const std::string& value, bool multiLine, bool password);

// A list box shows every option with the chosen one (0-based, -1 none) highlighted; a combo box
// shows only the chosen one.
std::string ChoiceAppearance(const Look& look, const std::vector<std::string>& options, int selected, bool list);

// A push button: its frame and its caption centred.
std::string PushButtonAppearance(const Look& look, const std::string& caption);

}  // namespace folivo::forms
