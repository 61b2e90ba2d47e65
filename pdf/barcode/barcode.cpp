// The table of symbology builders by DrawBarCode type.

#include "pdf/barcode/barcode.hpp"

#include "pdf/barcode/code128.hpp"
#include "pdf/barcode/code39.hpp"
#include "pdf/barcode/ean.hpp"
#include "pdf/barcode/interleaved25.hpp"
#include "pdf/barcode/postnet.hpp"

namespace folivo::barcode {

Symbol BuildBarcode(int32_t type, std::string_view code, const Sizing& sizing) {
    switch (type) {
        case kEan13: return BuildEan13(code, sizing);
        case kCode39: return BuildCode39(code, sizing);
        case kInterleaved25: return BuildInterleaved25(code, sizing);
        case kPostnet: return BuildPostnet(code, sizing);
        case kCode128: return BuildCode128(code, sizing);
        case kEan8: return BuildEan8(code, sizing);
        default: return {};
    }
}

}  // namespace folivo::barcode
