#pragma once
// The screen's places (gui/screen_places.hpp) in the Qt window's pixels: 15 twips to the pixel, as
// at 96 dpi.

#include <QRect>

#include "gui/screen_places.hpp"

namespace kv::gui {

inline constexpr int kTwipsPerPixel = 15;

int ToPixels(int twips);
QRect ToPixels(const app::TwipsRect& rect);

}  // namespace kv::gui
