#include "platform/call_trail.hpp"

namespace kv::platform {

namespace {

int NextSlot(int index) { return index >= CallTrail::kSlots ? 1 : index + 1; }

}  // namespace

void CallTrail::TRACCIA(const std::string& name) {
    if (name == Current()) return;
    index_ = NextSlot(index_);
    slots_[static_cast<size_t>(index_)] = name;
}

std::vector<std::string> CallTrail::Lines() const {
    std::vector<std::string> lines;
    int slot = index_;
    for (int i = 0; i < kSlots; ++i) {
        slot = NextSlot(slot);
        lines.push_back(slots_[static_cast<size_t>(slot)]);
    }
    return lines;
}

}  // namespace kv::platform
