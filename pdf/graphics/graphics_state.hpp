#pragma once
// Document-wide state of the graphics members: the tiling pattern being defined and the count of
// transparency states. The cell's content goes to the router's tiling buffer.

#include <cstdint>
#include <string>

namespace folivo::graphics {

struct GraphicsState {
    std::string tilingName;    // upper case
    std::string tilingHeader;  // the pattern dictionary without its stream part
    int32_t extGStateCount = 0;
};

}  // namespace folivo::graphics
