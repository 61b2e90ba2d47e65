#pragma once
// Simple tables: rows and columns drawn as local spaces, each cell optionally filled and framed.

#include <string>

#include "pdf/text/text_state.hpp"

namespace folivo {

// What a table saves on BeginTable and each row and column restores when it ends.
struct GraphicSettings {
    std::string fill;
    std::string fillPattern;
    std::string line;
    std::string linePattern;
    std::string text;
    std::string textPattern;
    text::TextState font;  // the selected font and size
    float lineWidth = 0;  // points
    float curX = 0;       // points
    float curY = 0;
};

struct TableLayout {
    float originX = 0;  // user units, page coordinates of the table's top-left corner
    float originY = 0;
    float rowY = 0;     // user units, top of the next row, relative to the table origin
    float columnX = 0;  // user units, left of the next column, relative to the open row
    float rowHeight = 0;
    float columnWidth = 0;
    bool rowOpen = false;
    bool columnOpen = false;
    GraphicSettings saved;
};

}  // namespace folivo
