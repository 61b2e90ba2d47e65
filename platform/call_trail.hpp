#pragma once
// The call trail: a ring of the last ten procedure names entered, shown by the error reporter.

#include <array>
#include <string>
#include <vector>

namespace kv::platform {

class CallTrail {
public:
    static constexpr int kSlots = 10;

    // Pushes a name; a name equal to the most recent one is not stored again.
    void TRACCIA(const std::string& name);

    // The ten slots from the oldest to the most recent (empty slots are empty texts).
    std::vector<std::string> Lines() const;

    const std::string& Current() const { return slots_[static_cast<size_t>(index_)]; }
    int index() const { return index_; }

private:
    std::array<std::string, kSlots + 1> slots_{};  // slot 0 is never used
    int index_ = 0;
};

}  // namespace kv::platform
