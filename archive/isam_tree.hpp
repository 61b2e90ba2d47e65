#pragma once
// The index operations on the three-level tree, over any store of fixed-length node records.
// ISAM (isam.hpp) runs its checks and then calls these with the index file as the store.

#include <cstdint>
#include <string>
#include <string_view>

#include "archive/isam_node.hpp"
#include "archive/isam_path.hpp"

namespace kv::archive {

// Node records of one index file, numbered from 1; record 1 is the root.
class IsamStore {
public:
    virtual ~IsamStore() = default;
    // A read cut short by the end of the file must make the store forget a length it keeps.
    virtual std::string ReadRecord(int32_t record) = 0;
    virtual void WriteRecord(int32_t record, const std::string& text) = 0;
    virtual int32_t RecordCount() = 0;
    // Drops a length the store keeps, so that the next RecordCount asks the file again.
    virtual void ForgetLength() {}
    // Names the index in error descriptions ("ISAM index 66").
    virtual std::string Name() const = 0;
};

class IsamTree {
public:
    // The cursor carries a read-next walk from one call to the next (isam_path.hpp).
    IsamTree(IsamStore& store, int keyLength, IsamCursor& cursor)
        : store_(store), keyLength_(keyLength), cursor_(cursor) {}

    void Create();
    // Data record of the key, or -1.
    double Find(std::string_view key);
    // Data record of the first key greater than `key`, or 999999 at the end; `found` gets
    // that key, or the sentinel at the end.
    double ReadNext(std::string_view key, std::string& found);
    // 0, or -1 when the key is present.
    double Insert(std::string_view key, int32_t dataRecord);
    // 0, or -1 when the key is absent.
    double Delete(std::string_view key);

    std::string Sentinel() const { return std::string(static_cast<size_t>(keyLength_), kIsamSentinel); }

private:
    using Path = IsamPath;

    void CheckInside(int32_t record);
    IsamNode ReadNode(int32_t record, char level);
    bool Descend(std::string_view key, Path& path);
    void CreateFirstPath(std::string_view key, int32_t dataRecord);
    void SplitChild(IsamNode& parent, int position, IsamNode& child, char childLevel);
    [[noreturn]] void Damaged(int32_t record, const std::string& what) const;

    bool Advance(Path& path);

    IsamStore& store_;
    int keyLength_;
    IsamCursor& cursor_;
};

}  // namespace kv::archive
