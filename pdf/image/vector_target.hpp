#pragma once
// The rectangle a vector picture (metafile, Illustrator PostScript) is drawn into: points in the
// page's content space (origin top-left, Y downwards). A width or height of 0 was not given and
// follows from the picture's own size.

namespace folivo::image {

struct VectorTarget {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

// The target's size for a picture of natural size w x h: both missing gives the natural size,
// one missing follows the aspect ratio.
inline VectorTarget ResolveSize(VectorTarget t, float w, float h) {
    if (t.width == 0 && t.height == 0) {
        t.width = w;
        t.height = h;
    } else if (t.width == 0) {
        t.width = h == 0 ? 0 : t.height * w / h;
    } else if (t.height == 0) {
        t.height = w == 0 ? 0 : t.width * h / w;
    }
    return t;
}

}  // namespace folivo::image
