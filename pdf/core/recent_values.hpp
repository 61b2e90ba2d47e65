#pragma once
// The last few values made, with the keys they were made for, the oldest replaced first. Text drawing
// asks for the same fonts, sizes and colours line after line: it remembers them instead of resolving
// and formatting them again.

#include <array>
#include <cstddef>
#include <utility>

namespace folivo {

template <class Key, class Value, size_t N = 4>
class RecentValues {
public:
    // The value remembered for a key equal to probe (a Key, or a lighter view of one), or nullptr.
    template <class Probe>
    const Value* Find(const Probe& probe) const {
        for (const Entry& entry : entries_) {
            if (entry.used && entry.key == probe) return &entry.value;
        }
        return nullptr;
    }

    // Remembers a value in place of the oldest one; returns it where it is kept.
    const Value& Remember(Key key, Value value) {
        Entry& entry = entries_[next_];
        next_ = (next_ + 1) % N;
        entry = Entry{std::move(key), std::move(value), true};
        return entry.value;
    }

private:
    struct Entry {
        Key key{};
        Value value{};
        bool used = false;
    };
    std::array<Entry, N> entries_{};
    size_t next_ = 0;
};

}  // namespace folivo
