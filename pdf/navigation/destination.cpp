#include "pdf/navigation/destination.hpp"

#include "pdf/core/number_format.hpp"

namespace folivo::navigation {

std::string DestinationText(int32_t type, const DestinationBox& box) {
    switch (type) {
        case 1: return "/FitV " + FormatNum(box.left);
        case 2: return "/FitH " + FormatNum(box.top);
        case 3:
            return "/FitR " + FormatNum(box.left) + " " + FormatNum(box.top - box.height) + " " +
                   FormatNum(box.left + box.width) + " " + FormatNum(box.top);
        case 4: return "/XYZ " + FormatNum(box.left) + " " + FormatNum(box.top) + " " + FormatNum(box.zoom / 100);
        default: return "/FitB";
    }
}

}  // namespace folivo::navigation
