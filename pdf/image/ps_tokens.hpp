#pragma once
// PostScript text cut into values: numbers, names, literal names, strings ("(..)" with escapes,
// "<..>" hexadecimal), procedures "{..}" as one value, and the marks "[", "]", "<<", ">>" as
// executable names.

#include <string>
#include <string_view>
#include <vector>

#include "pdf/image/ps_value.hpp"

namespace folivo::image {

// What a text holds: its values, or `complete` false when a procedure or string is still open
// at its end (the text continues on the next line).
struct PsTokens {
    PsItems values;
    bool complete = true;
};

// Throws PsLineError on a token that cannot be read (an unmatched "}" or ">", too deep a nesting).
PsTokens Tokenize(std::string_view text);

// A quick count of the procedures and strings a text leaves open, fed line by line, so a statement
// that spans lines is tokenized once it closes rather than after every line.
class PsOpenCount {
public:
    void Feed(std::string_view line);
    bool Open() const { return braces_ > 0 || parens_ > 0; }

private:
    int braces_ = 0;
    int parens_ = 0;
};

// A line that cannot be run: its effects end at the line, which is skipped.
struct PsLineError {
    std::string what;
};

}  // namespace folivo::image
