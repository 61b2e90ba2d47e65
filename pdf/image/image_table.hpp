#pragma once
// The document's raster images: one entry per distinct (file name, frame), numbered from 1 in the
// order they were first drawn; the entry with number n is the resource "/_IMG_n".

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pdf/image/raster.hpp"

namespace folivo::image {

struct ImageEntry {
    std::string fileName;  // upper-cased
    int32_t frame = 0;
    int32_t width = 0;     // pixels
    int32_t height = 0;
    bool topRowFirst = false;
    std::optional<Raster> pending;  // decoded before the file was open; written by EndDoc
};

class ImageTable {
public:
    // The number of the entry for this name (compared upper-cased) and frame, or 0.
    int32_t Find(const std::string& fileName, int32_t frame) const;
    // Appends an entry and returns its number.
    int32_t Add(ImageEntry entry);
    ImageEntry& At(int32_t number) { return entries_.at(static_cast<size_t>(number - 1)); }
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }

private:
    std::vector<ImageEntry> entries_;
};

}  // namespace folivo::image
