#pragma once
// The fonts SetFont resolved last, by the family, style and encoding it was given: a report that
// switches between bold and regular text on every line resolves each name once. Font records are
// only ever appended, so a remembered index stays the one the table's own search would find.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace folivo::fonts {

class RecentFonts {
public:
    // The font table index remembered for these arguments, or 0.
    int32_t Find(std::string_view family, int32_t style, int32_t encoding) const {
        for (const Entry& entry : entries_) {
            if (entry.index != 0 && entry.style == style && entry.encoding == encoding && entry.family == family) {
                return entry.index;
            }
        }
        return 0;
    }

    // Remembers a resolution in place of the oldest one.
    void Remember(std::string_view family, int32_t style, int32_t encoding, int32_t index) {
        entries_[next_] = {std::string(family), style, encoding, index};
        next_ = (next_ + 1) % entries_.size();
    }

private:
    struct Entry {
        std::string family;
        int32_t style = 0;
        int32_t encoding = 0;
        int32_t index = 0;
    };
    std::array<Entry, 4> entries_;
    size_t next_ = 0;
};

}  // namespace folivo::fonts
