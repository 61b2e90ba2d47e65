#pragma once
// The three content buffers drawing writes into and the rule choosing one: a reusable object
// being recorded, else an open tiling-pattern cell, else the open page; with none open the
// line is dropped.

#include <string_view>

#include "pdf/core/text_buffer.hpp"

namespace folivo {

struct ContentRouter {
    TextBuffer object;
    TextBuffer tiling;
    TextBuffer page;
    bool objectOpen = false;
    bool tilingOpen = false;
    bool pageOpen = false;

    // The buffer lines go to now, or null when they are dropped.
    TextBuffer* Target() { return objectOpen ? &object : tilingOpen ? &tiling : pageOpen ? &page : nullptr; }

    // Appends text and a carriage return to the open buffer; false when the line was dropped.
    bool AddLine(std::string_view text);
};

}  // namespace folivo
