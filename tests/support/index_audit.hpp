#pragma once
// Reads an index file's bytes on its own (without the archive library) and checks the tree:
// three levels, used entries sorted and first, free entries of the node's level, upper keys
// equal to the highest key below, each node reached once.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kv::test {

struct IndexAudit {
    std::vector<std::string> problems;                        // empty when the tree is sound
    std::vector<std::pair<std::string, int32_t>> entries;     // key -> data record, in tree order
    int middleNodes = 0;                                      // level-2 nodes under the root
    int leaves = 0;
};

IndexAudit AuditIndex(const std::string& file, int keyLength);

}  // namespace kv::test
