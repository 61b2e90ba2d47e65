#include "pdf/core/object_store.hpp"

#include <cstdio>

#include "pdf/core/table_growth.hpp"
#include "pdf/error.hpp"

namespace folivo {

void ObjectStore::Grow() {
    if (last_ == 1) {
        offsets_.assign(static_cast<size_t>(InitialUpperBound(memoryUsage_)) + 1, 0);
    }
    const int32_t upper = GrownUpperBound(last_, UpperBound(), memoryUsage_);
    // resize() keeps the entries; the vector itself grows geometrically underneath.
    if (upper > UpperBound()) offsets_.resize(static_cast<size_t>(upper) + 1, 0);
}

int32_t ObjectStore::Start(int32_t objNum, int64_t offset) {
    if (objNum < 0) throw Error(kErrInvalidCall, "Invalid object number " + std::to_string(objNum));
    if (objNum == 0) objNum = last_ + 1;
    if (objNum > last_) last_ = objNum;
    Grow();
    offsets_[static_cast<size_t>(objNum)] = offset;
    current_ = objNum;
    return objNum;
}

std::string ObjectStore::XrefEntry(int32_t objNum) const {
    const int64_t offset =
        objNum >= 0 && objNum <= UpperBound() ? offsets_[static_cast<size_t>(objNum)] : 0;
    char line[32];
    std::snprintf(line, sizeof line, "%010lld 00000 n\r", static_cast<long long>(offset));
    return line;
}

}  // namespace folivo
