#pragma once
// What a vector picture asks of the document it is drawn into: fonts for its text and image
// objects for its bitmaps, each named as a page resource.

#include <cstdint>
#include <functional>
#include <string>

#include "pdf/image/raster.hpp"

namespace folivo::image {

class PictureHost {
public:
    virtual ~PictureHost() = default;
    // The resource name ("/F3") of the standard font nearest to a PostScript or Windows font
    // name: Courier for fixed-pitch names, Times for serif ones, Helvetica otherwise.
    virtual std::string StandardFont(const std::string& name, bool bold, bool italic) = 0;
    // The width of `text` in that font, in units of the font size.
    virtual double TextWidth(const std::string& name, bool bold, bool italic, const std::string& text) = 0;
    // The resource name ("/_IMG_4") of the picture's bitmap number `ordinal`; `read` decodes it
    // when the document has no object for it yet.
    virtual std::string Bitmap(int32_t ordinal, const std::function<Raster()>& read) = 0;
    // Records a damaged part of the picture, which is skipped while the rest is drawn.
    virtual void Damaged(const std::string& what) = 0;
};

}  // namespace folivo::image
