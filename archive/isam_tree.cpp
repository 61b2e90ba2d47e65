#include "archive/isam_tree.hpp"

#include "archive/isam.hpp"
#include "platform/errors.hpp"

namespace kv::archive {

namespace {
constexpr char kLevelDigit[3] = {'1', '2', '3'};
}  // namespace

void IsamTree::Damaged(int32_t record, const std::string& what) const {
    throw platform::RuntimeError(platform::err::kInvalidFormat,
                                 platform::ErrorDescription(platform::err::kInvalidFormat) + ": " +
                                     store_.Name() + ", node " + std::to_string(record) + " " + what);
}

// Reads a node, refusing records outside the file and nodes of another level, so that a
// damaged index ends in a clear error instead of a wrong walk.
IsamNode IsamTree::ReadNode(int32_t record, char level) {
    if (record < 1 || record > store_.RecordCount()) {
        Damaged(record, "lies outside the file (" + std::to_string(store_.RecordCount()) + " nodes)");
    }
    IsamNode node(store_.ReadRecord(record), keyLength_);
    if (node.Level(1) != level) {
        Damaged(record, std::string("should be of level ") + level + " but is of level " + node.Level(1));
    }
    return node;
}

void IsamTree::Create() {
    store_.WriteRecord(1, IsamNode::Empty(keyLength_, '1').Text());
}

// Positions on the three levels as find does: false when an upper level has no entry whose
// key is not less than `key` (the key lies beyond the index) or the index is empty.
bool IsamTree::Descend(std::string_view key, Path& path) {
    for (int level = 0; level < 3; ++level) {
        path.node[level] = ReadNode(path.record[level], kLevelDigit[level]);
        path.position[level] = path.node[level].Search(key);
        if (level < 2) {
            if (path.node[level].IsFree(path.position[level])) return false;
            path.record[level + 1] = path.node[level].Pointer(path.position[level]);
        }
    }
    return true;
}

double IsamTree::Find(std::string_view key) {
    Path path;
    if (!Descend(key, path)) return -1;
    const IsamNode& leaf = path.node[2];
    int at = path.position[2];
    if (leaf.IsFree(at) || leaf.Key(at) != key) return -1;
    return leaf.Pointer(at);
}

double IsamTree::ReadNext(std::string_view key, std::string& found) {
    found = Sentinel();
    Path path;
    bool inLeaf = Descend(key, path);
    if (path.node[0].Used() == 0) return isam::kEnd;
    IsamNode& root = path.node[0];
    IsamNode& middle = path.node[1];
    IsamNode& leaf = path.node[2];
    int& p0 = path.position[0];
    int& p1 = path.position[1];
    int& p2 = path.position[2];
    if (!inLeaf) {
        if (root.IsFree(p0)) return isam::kEnd;  // beyond the highest key
        p2 = kIsamEntries + 1;                // nothing left in this level-2 node's leaf
    } else if (!leaf.IsFree(p2) && leaf.Key(p2) <= key) {
        ++p2;
    }
    // Move on to the next leaf with a used entry; positions only grow, so the walk is bounded.
    while (p2 > kIsamEntries || leaf.IsFree(p2)) {
        ++p1;
        while (p1 > kIsamEntries || middle.IsFree(p1)) {
            ++p0;
            if (p0 > kIsamEntries || root.IsFree(p0)) return isam::kEnd;
            middle = ReadNode(root.Pointer(p0), '2');
            p1 = 1;
        }
        leaf = ReadNode(middle.Pointer(p1), '3');
        p2 = 1;
    }
    if (leaf.Key(p2) <= key) Damaged(middle.Pointer(p1), "holds keys out of order");
    int32_t record = leaf.Pointer(p2);
    if (record < 0) Damaged(middle.Pointer(p1), "holds a pointer that is not a number");
    found.assign(leaf.Key(p2));
    return record;
}

}  // namespace kv::archive
