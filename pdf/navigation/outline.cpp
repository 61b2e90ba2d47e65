#include "pdf/navigation/outline.hpp"

#include <algorithm>
#include <map>

namespace folivo::navigation {

int32_t Outline::Add(Bookmark item, int32_t requestedLevel) {
    const int32_t previous = items_.empty() ? 0 : items_.back().level;
    int32_t level = requestedLevel;
    if (requestedLevel == kChildLevel || requestedLevel == 65535) {
        level = previous + 1;
    } else if (requestedLevel == kSiblingLevel) {
        level = previous;
    }
    level = std::clamp(level, 1, previous + 1);
    if (level >= 255) return 0;
    item.level = level;
    items_.push_back(std::move(item));
    return static_cast<int32_t>(items_.size());
}

const Bookmark* Outline::Find(int32_t number) const {
    if (number < 1 || number > static_cast<int32_t>(items_.size())) return nullptr;
    return &items_[static_cast<size_t>(number - 1)];
}

int32_t Outline::TopLevelCount() const {
    return static_cast<int32_t>(std::count_if(items_.begin(), items_.end(), [](const Bookmark& b) { return b.level == 1; }));
}

void Outline::Link(int32_t rootObj) {
    // The last item seen at each level; level 0 stands for the root.
    std::map<int32_t, Bookmark*> lastAt;
    rootFirst_ = rootLast_ = 0;
    int32_t objNum = rootObj;
    for (auto& item : items_) {
        item.object = ++objNum;
        item.parent = item.first = item.last = item.prev = item.next = 0;
        // A new item closes every deeper branch.
        lastAt.erase(lastAt.upper_bound(item.level), lastAt.end());
        const auto parent = lastAt.find(item.level - 1);
        if (parent != lastAt.end()) {
            Bookmark& p = *parent->second;
            item.parent = p.object;
            if (p.first == 0) p.first = item.object;
            p.last = item.object;
        } else {
            item.parent = rootObj;
            if (rootFirst_ == 0) rootFirst_ = item.object;
            rootLast_ = item.object;
        }
        const auto sibling = lastAt.find(item.level);
        if (sibling != lastAt.end()) {
            sibling->second->next = item.object;
            item.prev = sibling->second->object;
        }
        lastAt[item.level] = &item;
    }
}

}  // namespace folivo::navigation
