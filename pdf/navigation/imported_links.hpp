#pragma once
// Link annotations carried over by ImportPage (SetImportLinks): where each imported source page
// landed, and the page links waiting for the end of the document, when every page a link may
// lead to has been placed. A page holding such links lists its annotations in an array object
// written then, so links to pages never imported are left out.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace folivo::navigation {

// An affine map from a source page's space onto the output page (points, Y upwards).
struct PagePlacement {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    void Apply(double& x, double& y) const {
        const double nx = a * x + c * y + e;
        y = b * x + d * y + f;
        x = nx;
    }
};

struct PlacedSourcePage {
    int32_t outputPage = 0;
    PagePlacement placement;
};

// A link to a page of the same source file, its rectangle already on the output page.
struct PendingPageLink {
    int32_t sourceFile = 0;
    int32_t targetPage = 0;
    std::string rect;        // "[x0 y0 x1 y1]"
    std::string appearance;  // " /Border [..] /C [..] /H /I"
    bool fit = false;
    std::optional<double> left, top, zoom;  // source page space
};

struct DeferredAnnotations {
    int32_t arrayObject = 0;
    std::vector<int32_t> own;  // the page's other annotations
    std::vector<PendingPageLink> links;
};

struct ImportedLinks {
    bool carry = false;  // SetImportLinks
    std::map<std::pair<int32_t, int32_t>, PlacedSourcePage> placed;  // (source file, page): first placement
    int32_t openPageArray = 0;  // the open page's annotation array object, once it has page links
    std::vector<PendingPageLink> openPageLinks;
    std::vector<DeferredAnnotations> deferred;
};

// The view of a destination ("/XYZ left top zoom" or "/Fit") on the page the target was placed on.
std::string PlacedView(const PendingPageLink& link, const PagePlacement& placement);

}  // namespace folivo::navigation
