#include "pdf/text/paint_operator.hpp"

namespace folivo::text {

std::string PaintOperator(int32_t options) {
    std::string op;
    if (options & 4) {
        op = (options & 1) ? "f*" : (options & 2) ? "b*" : "B*";
    } else {
        if (options & 2) op = "h";
        if (!(options & 1)) op = op.empty() ? "S" : op + " S";
    }
    if (options & 128) op = "W " + op;
    return op;
}

}  // namespace folivo::text
