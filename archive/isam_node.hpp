#pragma once
// One node of an ISAM index: 128 entries of key, level digit and six-digit pointer. Used
// entries come first in ascending key order; free entries (sentinel key of code 252, the
// level digit, "000000") fill the rest.

#include <cstdint>
#include <string>
#include <string_view>

namespace kv::archive {

inline constexpr int kIsamEntries = 128;
inline constexpr char kIsamSentinel = static_cast<char>(252);

class IsamNode {
public:
    // A node of `keyLength`-character keys whose entries are all free, of the given level.
    static IsamNode Empty(int keyLength, char level);
    IsamNode() = default;
    // A node read from the index file; `text` must be 128 × (keyLength + 7) characters.
    IsamNode(std::string text, int keyLength);

    const std::string& Text() const { return text_; }
    int KeyLength() const { return keyLength_; }

    // Number of used entries: the entries before the first character of code 252.
    int Used() const { return used_; }
    bool IsFree(int entry) const;
    std::string_view Key(int entry) const;  // entries are numbered from 1
    char Level(int entry) const;
    // The entry's pointer, or -1 when its six characters are not all digits.
    int32_t Pointer(int entry) const;

    // The first entry whose key is not less than `key` (the first free entry when every key
    // is smaller; entry 1 when the node is empty).
    int Search(std::string_view key) const;

    // Places an entry at `entry`, shifting the following ones right into the free entries.
    void InsertEntry(int entry, std::string_view key, char level, int32_t pointer);
    // Removes an entry, shifting the following ones left and adding a free entry at the end.
    void RemoveEntry(int entry, char level);
    void SetKey(int entry, std::string_view key);
    // Moves entries 65 to 128 to a new node and fills both halves with free entries.
    IsamNode SplitOff(char level);

private:
    size_t Offset(int entry) const { return static_cast<size_t>(entry - 1) * EntrySize(); }
    size_t EntrySize() const { return static_cast<size_t>(keyLength_) + 7; }
    void WriteEntry(int entry, std::string_view key, char level, int32_t pointer);
    void WriteFree(int entry, char level);
    int CountUsed() const;

    std::string text_;
    int keyLength_ = 0;
    int used_ = 0;  // kept up to date by every change of the text
};

}  // namespace kv::archive
