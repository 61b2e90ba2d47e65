#pragma once
// The size a picture or imported page takes on the page when the caller gives 0 for a side.

namespace folivo {

// Both sides 0: the item's own size (ownWidth, ownHeight in points) in user units of `scale`
// points; one side 0: it follows from the other by the item's proportions.
inline void FillZeroSide(float& width, float& height, float ownWidth, float ownHeight, float scale) {
    if (width == 0 && height == 0) {
        width = ownWidth / scale;
        height = ownHeight / scale;
    } else if (width == 0) {
        width = height * ownWidth / ownHeight;
    } else if (height == 0) {
        height = width * ownHeight / ownWidth;
    }
}

}  // namespace folivo
