#pragma once
// The paper-size table: code -> width x height in points. Odd codes from -7 to 17 are the
// landscape form of the code before them.

#include <cstdint>
#include <optional>

namespace folivo {

struct PaperDims {
    float width;
    float height;
};

// Size of a listed code (-8..17); nothing for any other code.
std::optional<PaperDims> PaperSizeOf(int32_t code);

}  // namespace folivo
