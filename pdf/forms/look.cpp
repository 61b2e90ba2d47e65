#include "pdf/forms/look.hpp"

#include <algorithm>

#include "pdf/core/number_format.hpp"

namespace folivo::forms {

Box DrawingBox(const Look& look) {
    const bool quarterTurn = look.rotation == 90 || look.rotation == 270;
    return quarterTurn ? Box{look.height, look.width} : Box{look.width, look.height};
}

std::string FormBoxEntries(const Look& look) {
    const Box box = DrawingBox(look);
    const char* matrix = look.rotation == 90    ? "0 1 -1 0 0 0"
                         : look.rotation == 180 ? "-1 0 0 -1 0 0"
                         : look.rotation == 270 ? "0 -1 1 0 0 0"
                                                : "1 0 0 1 0 0";
    return "/BBox [0 0 " + FormatNum(box.w) + " " + FormatNum(box.h) + "] /Matrix [" + matrix + "]";
}

std::string CirclePath(float cx, float cy, float r) {
    const float k = r * 0.5523f;  // control distance of a quarter arc
    const auto pt = [](float x, float y) { return FormatNum(x) + " " + FormatNum(y) + " "; };
    return pt(cx + r, cy) + "m " + pt(cx + r, cy + k) + pt(cx + k, cy + r) + pt(cx, cy + r) + "c " +
           pt(cx - k, cy + r) + pt(cx - r, cy + k) + pt(cx - r, cy) + "c " + pt(cx - r, cy - k) +
           pt(cx - k, cy - r) + pt(cx, cy - r) + "c " + pt(cx + k, cy - r) + pt(cx + r, cy - k) + pt(cx + r, cy) +
           "c h";
}

std::string Frame(const Look& look, bool round) {
    const Box box = DrawingBox(look);
    const float bw = look.borderWidth;
    const float radius = std::min(box.w, box.h) / 2;
    std::string out;
    if (!look.background.empty()) {
        out += look.background + " rg\n";
        out += (round ? CirclePath(box.w / 2, box.h / 2, radius)
                      : "0 0 " + FormatNum(box.w) + " " + FormatNum(box.h) + " re") +
               " f\n";
    }
    if (look.border.empty() || bw <= 0) return out;
    out += look.border + " RG " + FormatNum(bw) + " w" + (look.borderStyle == 'D' ? " [1 1] 0 d" : "") + "\n";
    const float half = bw / 2;
    if (look.borderStyle == 'U') {
        out += FormatNum(0) + " " + FormatNum(half) + " m " + FormatNum(box.w) + " " + FormatNum(half) + " l S\n";
    } else if (round) {
        out += CirclePath(box.w / 2, box.h / 2, radius - half) + " S\n";
    } else {
        out += FormatNum(half) + " " + FormatNum(half) + " " + FormatNum(box.w - bw) + " " + FormatNum(box.h - bw) +
               " re S\n";
    }
    return out + (look.borderStyle == 'D' ? "[] 0 d\n" : "");
}

}  // namespace folivo::forms
