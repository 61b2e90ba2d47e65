#pragma once
// The resource entries collected while the document is written and the two shared resource
// dictionaries EndDoc writes from them (object 2 for pages, object 3 for tiling-pattern cells).

#include <string>

namespace folivo {

struct ResourceLists {
    std::string fonts;       // "/NAME n 0 R " per font
    std::string xobjects;    // images, reusable objects and pattern cells: "/NAME n 0 R " ...
    std::string patterns;    // "/NAME n 0 R " + CR per gradient or tiling pattern
    std::string extGStates;  // "/GSTATE_n n 0 R " per transparency state
    std::string properties;  // layers: "/NAME n 0 R "
    bool hasImages = false;
};

// The dictionary text from "<<" to ">>". Colour space and patterns go only into the page resources.
std::string ResourceDictionary(const ResourceLists& lists, bool pageResources);

}  // namespace folivo
