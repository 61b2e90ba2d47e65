#include "pdf/core/content_router.hpp"

namespace folivo {

bool ContentRouter::AddLine(std::string_view text) {
    TextBuffer* target = Target();
    if (target == nullptr) return false;
    target->Append(text);
    target->AppendByte('\r');
    return true;
}

}  // namespace folivo
