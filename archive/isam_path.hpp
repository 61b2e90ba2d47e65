#pragma once
// A root-to-leaf path through an ISAM index, and what a read-next walk keeps of it between calls.

#include <cstdint>
#include <optional>
#include <string>

#include "archive/isam_node.hpp"

namespace kv::archive {

// The node, its record and the position chosen at each level (0 root, 1 middle, 2 leaf).
struct IsamPath {
    IsamNode node[3];
    int32_t record[3] = {1, 0, 0};
    int position[3] = {0, 0, 0};
};

// Kept per open index file. A walk that asks for the key it was last given goes on along the
// leaf it stands on instead of descending from the root again, and the file's length is asked
// once. Every write through the file table, and every open or close, clears it. Nodes that
// another program changes during a walk are seen from the next leaf on.
struct IsamCursor {
    std::optional<std::string> lastKey;  // the key the path stands on
    IsamPath path;
    std::optional<uint64_t> length;      // bytes

    void Clear() { *this = IsamCursor{}; }
};

}  // namespace kv::archive
