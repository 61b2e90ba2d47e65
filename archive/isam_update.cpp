// Insert and delete: keep every node's used entries sorted and first, split full nodes in
// halves, and keep each upper entry's key equal to the highest key stored below it.

#include "archive/isam_tree.hpp"
#include "platform/errors.hpp"

namespace kv::archive {

namespace {

constexpr int32_t kMaxRecord = 999999;  // pointers have six digits

// The entry to follow for a key: the first one not less than it, or the last used entry
// when every key is smaller (the new key then becomes that subtree's highest).
int ChildFor(const IsamNode& node, std::string_view key) {
    int position = node.Search(key);
    return node.IsFree(position) ? node.Used() : position;
}

// Makes the parent entry's key the child's highest key (removes the entry when the child is
// empty). Returns whether the parent changed.
bool FollowChild(IsamNode& parent, int position, const IsamNode& child, char parentLevel) {
    int used = child.Used();
    if (used == 0) {
        parent.RemoveEntry(position, parentLevel);
        return true;
    }
    if (parent.Key(position) == child.Key(used)) return false;
    parent.SetKey(position, child.Key(used));
    return true;
}

}  // namespace

void IsamTree::CreateFirstPath(std::string_view key, int32_t dataRecord) {
    IsamNode root = IsamNode::Empty(keyLength_, '1');
    IsamNode middle = IsamNode::Empty(keyLength_, '2');
    IsamNode leaf = IsamNode::Empty(keyLength_, '3');
    root.InsertEntry(1, key, '1', 2);
    middle.InsertEntry(1, key, '2', 3);
    leaf.InsertEntry(1, key, '3', dataRecord);
    store_.WriteRecord(3, leaf.Text());
    store_.WriteRecord(2, middle.Text());
    store_.WriteRecord(1, root.Text());
}

// Moves the upper half of a full child to a new node at the end of the file and gives the
// parent an entry for it, right after the child's own.
void IsamTree::SplitChild(IsamNode& parent, int position, IsamNode& child, char childLevel) {
    int32_t record = store_.RecordCount() + 1;
    if (record > kMaxRecord) Damaged(record, "cannot be added: the index has six-digit pointers");
    IsamNode upper = child.SplitOff(childLevel);
    store_.WriteRecord(record, upper.Text());
    const char parentLevel = static_cast<char>(childLevel - 1);
    parent.SetKey(position, child.Key(child.Used()));
    parent.InsertEntry(position + 1, upper.Key(upper.Used()), parentLevel, record);
}

double IsamTree::Insert(std::string_view key, int32_t dataRecord) {
    if (dataRecord < 0 || dataRecord > kMaxRecord) {
        throw platform::RuntimeError(platform::err::kInvalidArgument,
                                     "ISAM record number out of range: " + std::to_string(dataRecord));
    }
    Path path;
    path.node[0] = ReadNode(1, '1');
    if (path.node[0].Used() == 0) {
        CreateFirstPath(key, dataRecord);
        return 0;
    }
    for (int level = 0; level < 2; ++level) {
        if (path.node[level].Used() == 0) Damaged(path.record[level], "is empty");
        if (path.node[level].Used() == kIsamEntries) Damaged(path.record[level], "has no free entry");
        path.position[level] = ChildFor(path.node[level], key);
        path.record[level + 1] = path.node[level].Pointer(path.position[level]);
        path.node[level + 1] = ReadNode(path.record[level + 1], level == 0 ? '2' : '3');
    }
    IsamNode& root = path.node[0];
    IsamNode& middle = path.node[1];
    IsamNode& leaf = path.node[2];
    int at = leaf.Search(key);
    if (!leaf.IsFree(at) && leaf.Key(at) == key) return -1;
    if (leaf.Used() == kIsamEntries) Damaged(path.record[2], "has no free entry");
    constexpr int kAlmostFull = kIsamEntries - 1;
    if (leaf.Used() == kAlmostFull && middle.Used() == kAlmostFull && root.Used() == kAlmostFull) {
        Damaged(1, "is full: a three-level index cannot take another key");
    }

    leaf.InsertEntry(at, key, '3', dataRecord);
    bool middleChanged = true;
    if (leaf.Used() == kIsamEntries) {
        SplitChild(middle, path.position[1], leaf, '3');
    } else {
        middleChanged = FollowChild(middle, path.position[1], leaf, '2');
    }
    bool rootChanged = middleChanged;
    if (middle.Used() == kIsamEntries) {
        SplitChild(root, path.position[0], middle, '2');
    } else if (middleChanged) {
        rootChanged = FollowChild(root, path.position[0], middle, '1');
    }
    store_.WriteRecord(path.record[2], leaf.Text());
    if (middleChanged) store_.WriteRecord(path.record[1], middle.Text());
    if (rootChanged) store_.WriteRecord(1, root.Text());
    return 0;
}

double IsamTree::Delete(std::string_view key) {
    Path path;
    if (!Descend(key, path)) return -1;
    IsamNode& root = path.node[0];
    IsamNode& middle = path.node[1];
    IsamNode& leaf = path.node[2];
    int at = path.position[2];
    if (leaf.IsFree(at) || leaf.Key(at) != key) return -1;

    leaf.RemoveEntry(at, '3');
    bool middleChanged = FollowChild(middle, path.position[1], leaf, '2');
    bool rootChanged = middleChanged && FollowChild(root, path.position[0], middle, '1');
    store_.WriteRecord(path.record[2], leaf.Text());
    if (middleChanged) store_.WriteRecord(path.record[1], middle.Text());
    if (rootChanged) store_.WriteRecord(1, root.Text());
    return 0;
}

}  // namespace kv::archive
