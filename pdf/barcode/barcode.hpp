#pragma once
// Chooses the symbology builder of a DrawBarCode type.

#include <cstdint>
#include <string_view>

#include "pdf/barcode/symbol.hpp"

namespace folivo::barcode {

enum BarcodeType : int32_t {
    kEan13 = 0,
    kCode39 = 1,
    kInterleaved25 = 2,
    kPostnet = 3,
    kCode128 = 4,
    kEan8 = 5,
};

// The symbol of a type and data; an empty symbol for an unknown type or refused data.
Symbol BuildBarcode(int32_t type, std::string_view code, const Sizing& sizing);

}  // namespace folivo::barcode
