#pragma once
// The link annotations of a source page that can be carried into another document: links to a
// web address, and links to a page of the same file (explicit or named destinations, through
// /Dest or a GoTo action). Links with other actions are left out.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pdf/reader/document.hpp"

namespace folivo::reader {

struct SourceLink {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the rectangle, source page space
    std::string uri;                        // a web link's address (bytes), or empty
    int32_t targetPage = 0;                 // a page link's page, 1-based; 0 for a web link
    bool fit = false;                       // the destination shows the whole page
    std::optional<double> left, top, zoom;  // else the view's point and zoom, where given
    std::string appearance;  // the link's own /Border, /C and /H entries, as PDF text
};

// At most kMaxLinks links of page `page` (an object number); damaged annotations are skipped.
std::vector<SourceLink> ReadPageLinks(Document& doc, int64_t page);
inline constexpr size_t kMaxLinks = 10000;

}  // namespace folivo::reader
