#pragma once
// The growth rule shared by Folivo's numbered tables (object offsets, page objects, fonts):
// small steps of 10 entries, or steps proportional to the size when more memory may be used.

#include <cmath>
#include <cstdint>

namespace folivo {

// Upper bound of a table that must hold index `needed`, given its current upper bound.
// `memoryUsage` is the writer's MemoryUsage setting (1 = grow by 10 entries).
inline int32_t GrownUpperBound(int32_t needed, int32_t upper, uint8_t memoryUsage) {
    if (needed <= upper) return upper;
    if (memoryUsage <= 1) return needed + 10;
    return static_cast<int32_t>(std::lround(needed + 10 + memoryUsage * static_cast<double>(needed) / 5));
}

// Upper bound of a table created afresh.
inline int32_t InitialUpperBound(uint8_t memoryUsage) { return memoryUsage * 10; }

}  // namespace folivo
