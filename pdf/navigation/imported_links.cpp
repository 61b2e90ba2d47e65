#include "pdf/navigation/imported_links.hpp"

#include "pdf/core/number_format.hpp"

namespace folivo::navigation {

namespace {

std::string NumberOrNull(bool known, double v) { return known ? FormatNum(static_cast<float>(v)) : "null"; }

}  // namespace

std::string PlacedView(const PendingPageLink& link, const PagePlacement& p) {
    if (link.fit) return "/Fit";
    double x = link.left.value_or(0), y = link.top.value_or(0);
    p.Apply(x, y);
    // A turned page swaps the axes: an output coordinate is known when every source one it takes is.
    const bool leftKnown = (p.a == 0 || link.left) && (p.c == 0 || link.top);
    const bool topKnown = (p.b == 0 || link.left) && (p.d == 0 || link.top);
    return "/XYZ " + NumberOrNull(leftKnown, x) + " " + NumberOrNull(topKnown, y) + " " +
           NumberOrNull(link.zoom.has_value(), link.zoom.value_or(0));
}

}  // namespace folivo::navigation
