#include "platform/call_trail.hpp"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace kv::platform {

namespace {

int NextSlot(int index) { return index >= CallTrail::kSlots ? 1 : index + 1; }

}  // namespace

std::string NumberText(double value) {
    char text[40];
    if (std::nearbyint(value) == value && std::fabs(value) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string CallTrail::Slot::Text() const {
    if (!procedure) return name;
    return std::string(procedure) + " (" + NumberText(file) + "-" + NumberText(record) + ")";
}

bool CallTrail::Slot::operator==(const Slot& other) const {
    if (!procedure && !other.procedure) return name == other.name;
    if (!procedure || !other.procedure) return Text() == other.Text();
    return std::strcmp(procedure, other.procedure) == 0 && file == other.file && record == other.record;
}

void CallTrail::TRACCIA(const std::string& name) { Push(Slot{name}); }

void CallTrail::TRACCIA(const char* procedure, double file, double record) {
    Push(Slot{{}, procedure, file, record});
}

void CallTrail::Push(Slot slot) {
    if (slot == slots_[static_cast<size_t>(index_)]) return;
    index_ = NextSlot(index_);
    slots_[static_cast<size_t>(index_)] = std::move(slot);
}

std::vector<std::string> CallTrail::Lines() const {
    std::vector<std::string> lines;
    int slot = index_;
    for (int i = 0; i < kSlots; ++i) {
        slot = NextSlot(slot);
        lines.push_back(slots_[static_cast<size_t>(slot)].Text());
    }
    return lines;
}

}  // namespace kv::platform
