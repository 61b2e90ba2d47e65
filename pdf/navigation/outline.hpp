#pragma once
// The bookmark table and the links between its items (parent, children, siblings), computed when
// the outline is written.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::navigation {

struct Bookmark {
    std::string caption;
    int32_t level = 1;  // 1 = top
    int32_t page = 1;
    std::string destination;  // "/FitB" ..., empty for none
    std::string color;        // "r g b", empty for none
    int32_t style = 0;        // 1 italic, 2 bold, 3 both
    // Object numbers, filled by Link; 0 = none.
    int32_t object = 0;
    int32_t parent = 0;
    int32_t first = 0;
    int32_t last = 0;
    int32_t prev = 0;
    int32_t next = 0;
};

class Outline {
public:
    static constexpr int32_t kChildLevel = -1;  // also 65535
    static constexpr int32_t kSiblingLevel = 0;

    // Applies the level rules against the previous item; returns the 1-based number, 0 when the
    // resulting level is 255 or more and the item is ignored.
    int32_t Add(Bookmark item, int32_t requestedLevel);

    bool Empty() const { return items_.empty(); }
    const std::vector<Bookmark>& Items() const { return items_; }
    // Item by 1-based number, nullptr when out of range.
    const Bookmark* Find(int32_t number) const;

    // Numbers the root `rootObj` and the items rootObj+1 ... in order, and links them.
    void Link(int32_t rootObj);
    int32_t RootFirst() const { return rootFirst_; }
    int32_t RootLast() const { return rootLast_; }
    int32_t TopLevelCount() const;

private:
    std::vector<Bookmark> items_;
    int32_t rootFirst_ = 0;
    int32_t rootLast_ = 0;
};

}  // namespace folivo::navigation
