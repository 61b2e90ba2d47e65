#pragma once
// The view part of a destination ("/FitB", "/XYZ left top zoom" ...), from a destination type and
// a box already converted to PDF points (left, top with Y upwards; width, height in points).

#include <cstdint>
#include <string>

namespace folivo::navigation {

struct DestinationBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float zoom = 0;  // percent, for type 4
};

// Type 0 /FitB, 1 /FitV, 2 /FitH, 3 /FitR, 4 /XYZ; other types fall back to /FitB.
std::string DestinationText(int32_t type, const DestinationBox& box);

}  // namespace folivo::navigation
