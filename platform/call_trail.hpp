#pragma once
// The call trail: a ring of the last ten procedure names entered, shown by the error reporter.
// A record access pushes its procedure with the file and record numbers; the entry's text
// ("LEGGIREC (66-12)") is made only when the trail is shown, since reads are many and errors rare.

#include <array>
#include <string>
#include <vector>

namespace kv::platform {

class CallTrail {
public:
    static constexpr int kSlots = 10;

    // Pushes a name; a name equal to the most recent one is not stored again.
    void TRACCIA(const std::string& name);
    // Pushes "procedure (file-record)"; `procedure` must be a string literal.
    void TRACCIA(const char* procedure, double file, double record);

    // The ten slots from the oldest to the most recent (empty slots are empty texts).
    std::vector<std::string> Lines() const;

    std::string Current() const { return slots_[static_cast<size_t>(index_)].Text(); }
    int index() const { return index_; }

private:
    struct Slot {
        std::string name;                // a whole name, or empty when `procedure` is set
        const char* procedure = nullptr;
        double file = 0;
        double record = 0;

        std::string Text() const;
        bool operator==(const Slot& other) const;
    };
    void Push(Slot slot);

    std::array<Slot, kSlots + 1> slots_{};  // slot 0 is never used
    int index_ = 0;
};

// A number as the trail and the archive's messages write it: whole numbers without decimals.
std::string NumberText(double value);

}  // namespace kv::platform
