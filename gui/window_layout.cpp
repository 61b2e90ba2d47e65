#include "gui/window_layout.hpp"

#include <cmath>

namespace kv::gui {

int ToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect ToPixels(const app::TwipsRect& rect) {
    return QRect(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width),
                 ToPixels(rect.height));
}

}  // namespace kv::gui
