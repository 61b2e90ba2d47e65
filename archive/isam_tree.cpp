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

void IsamTree::CheckInside(int32_t record) {
    if (record < 1 || record > store_.RecordCount()) {
        Damaged(record, "lies outside the file (" + std::to_string(store_.RecordCount()) + " nodes)");
    }
}

// Reads a node, refusing records outside the file and nodes of another level, so that a
// damaged index ends in a clear error instead of a wrong walk. The store may keep the file's
// length: a record beyond it, or a read cut short, asks the file again.
IsamNode IsamTree::ReadNode(int32_t record, char level) {
    if (record > store_.RecordCount()) store_.ForgetLength();
    CheckInside(record);
    IsamNode node(store_.ReadRecord(record), keyLength_);
    CheckInside(record);
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

// Moves the path to the next used leaf entry; positions only grow, so the walk is bounded.
// False past the highest key.
bool IsamTree::Advance(Path& path) {
    IsamNode& root = path.node[0];
    IsamNode& middle = path.node[1];
    IsamNode& leaf = path.node[2];
    int& p0 = path.position[0];
    int& p1 = path.position[1];
    int& p2 = path.position[2];
    while (p2 > kIsamEntries || leaf.IsFree(p2)) {
        ++p1;
        while (p1 > kIsamEntries || middle.IsFree(p1)) {
            ++p0;
            if (p0 > kIsamEntries || root.IsFree(p0)) return false;
            path.record[1] = root.Pointer(p0);
            middle = ReadNode(path.record[1], '2');
            p1 = 1;
        }
        path.record[2] = middle.Pointer(p1);
        leaf = ReadNode(path.record[2], '3');
        p2 = 1;
    }
    return true;
}

double IsamTree::ReadNext(std::string_view key, std::string& found) {
    found = Sentinel();
    Path& path = cursor_.path;
    const bool onLastKey = cursor_.lastKey && *cursor_.lastKey == key;
    cursor_.lastKey.reset();
    if (onLastKey) {
        ++path.position[2];  // the path stands on `key`: go on along its leaf
    } else {
        path = Path{};
        bool inLeaf = Descend(key, path);
        if (path.node[0].Used() == 0) return isam::kEnd;
        if (!inLeaf) {
            if (path.node[0].IsFree(path.position[0])) return isam::kEnd;  // beyond the highest key
            path.position[2] = kIsamEntries + 1;  // nothing left in this level-2 node's leaf
        } else if (!path.node[2].IsFree(path.position[2]) && path.node[2].Key(path.position[2]) <= key) {
            ++path.position[2];
        }
    }
    if (!Advance(path)) return isam::kEnd;
    const IsamNode& leaf = path.node[2];
    const int at = path.position[2];
    if (leaf.Key(at) <= key) Damaged(path.record[2], "holds keys out of order");
    int32_t record = leaf.Pointer(at);
    if (record < 0) Damaged(path.record[2], "holds a pointer that is not a number");
    found.assign(leaf.Key(at));
    cursor_.lastKey = found;
    return record;
}

}  // namespace kv::archive
