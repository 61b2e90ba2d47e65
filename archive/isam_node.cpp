#include "archive/isam_node.hpp"

#include <algorithm>
#include <cstring>

namespace kv::archive {

IsamNode IsamNode::Empty(int keyLength, char level) {
    IsamNode node(std::string(static_cast<size_t>(kIsamEntries) * (keyLength + 7), ' '), keyLength);
    for (int entry = 1; entry <= kIsamEntries; ++entry) node.WriteFree(entry, level);
    node.used_ = 0;
    return node;
}

IsamNode::IsamNode(std::string text, int keyLength)
    : text_(std::move(text)), keyLength_(keyLength), used_(CountUsed()) {}

int IsamNode::CountUsed() const {
    size_t end = text_.find(kIsamSentinel);
    if (end == std::string::npos) return kIsamEntries;
    return static_cast<int>(end / EntrySize());
}

bool IsamNode::IsFree(int entry) const {
    return entry > Used();
}

std::string_view IsamNode::Key(int entry) const {
    return std::string_view(text_).substr(Offset(entry), static_cast<size_t>(keyLength_));
}

char IsamNode::Level(int entry) const {
    return text_[Offset(entry) + static_cast<size_t>(keyLength_)];
}

int32_t IsamNode::Pointer(int entry) const {
    std::string_view digits = std::string_view(text_).substr(Offset(entry) + keyLength_ + 1, 6);
    int32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

int IsamNode::Search(std::string_view key) const {
    if (text_.empty() || text_[0] == kIsamSentinel) return 1;
    int low = 1, high = Used() + 1;  // answer lies in [low, high]
    while (low < high) {
        int middle = (low + high) / 2;
        if (Key(middle) < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return std::min(low, kIsamEntries);
}

void IsamNode::InsertEntry(int entry, std::string_view key, char level, int32_t pointer) {
    size_t from = Offset(entry);
    size_t moved = Offset(kIsamEntries) - from;  // entries entry..127; the last one drops off
    std::memmove(&text_[from + EntrySize()], &text_[from], moved);
    WriteEntry(entry, key, level, pointer);
    used_ = CountUsed();
}

void IsamNode::RemoveEntry(int entry, char level) {
    size_t to = Offset(entry);
    size_t moved = Offset(kIsamEntries) - to;  // entries entry+1..128
    std::memmove(&text_[to], &text_[to + EntrySize()], moved);
    WriteFree(kIsamEntries, level);
    used_ = CountUsed();
}

void IsamNode::SetKey(int entry, std::string_view key) {
    text_.replace(Offset(entry), static_cast<size_t>(keyLength_), key);
}

IsamNode IsamNode::SplitOff(char level) {
    constexpr int half = kIsamEntries / 2;
    IsamNode upper = Empty(keyLength_, level);
    std::memcpy(&upper.text_[0], &text_[Offset(half + 1)], Offset(half + 1));
    for (int entry = half + 1; entry <= kIsamEntries; ++entry) WriteFree(entry, level);
    used_ = CountUsed();
    upper.used_ = upper.CountUsed();
    return upper;
}

void IsamNode::WriteEntry(int entry, std::string_view key, char level, int32_t pointer) {
    char* at = &text_[Offset(entry)];
    std::memcpy(at, key.data(), static_cast<size_t>(keyLength_));
    at[keyLength_] = level;
    for (int digit = 6; digit >= 1; --digit) {
        at[keyLength_ + digit] = static_cast<char>('0' + pointer % 10);
        pointer /= 10;
    }
}

void IsamNode::WriteFree(int entry, char level) {
    char* at = &text_[Offset(entry)];
    std::memset(at, kIsamSentinel, static_cast<size_t>(keyLength_));
    at[keyLength_] = level;
    std::memset(at + keyLength_ + 1, '0', 6);
}

}  // namespace kv::archive
