#include "pdf/core/page_list.hpp"

#include "pdf/core/table_growth.hpp"

namespace folivo {

int32_t PageList::Add(uint8_t memoryUsage) {
    ++count_;
    if (count_ == 1) objects_.assign(static_cast<size_t>(InitialUpperBound(memoryUsage)) + 1, 0);
    const int32_t upper = GrownUpperBound(count_, UpperBound(), memoryUsage);
    if (upper > UpperBound()) objects_.resize(static_cast<size_t>(upper) + 1, 0);
    return count_;
}

void PageList::SetObject(int32_t page, int32_t objNum) {
    if (page < 1 || page > UpperBound()) return;
    objects_[static_cast<size_t>(page)] = objNum;
    kids_ += std::to_string(objNum);
    kids_ += " 0 R ";
}

int32_t PageList::Object(int32_t page) const {
    return page >= 1 && page <= UpperBound() ? objects_[static_cast<size_t>(page)] : 0;
}

}  // namespace folivo
