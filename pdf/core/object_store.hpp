#pragma once
// Object numbering and the byte offset of every indirect object, from which the cross-reference
// table is written.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo {

class ObjectStore {
public:
    // Numbers the object about to start at byte `offset`: 0 asks for the next free number; a number
    // above the last one raises the last one. Returns the object's number.
    int32_t Start(int32_t objNum, int64_t offset);
    // Hands out numbers 1..n without writing them (the objects EndDoc writes last).
    void ReserveThrough(int32_t n) { last_ = n; }
    // Hands out the next number without writing it; the object is started with it later.
    int32_t Reserve() { return ++last_; }

    int32_t LastNumber() const { return last_; }
    int32_t CurrentNumber() const { return current_; }
    // Upper bound of the offsets table (its size minus one).
    int32_t UpperBound() const { return static_cast<int32_t>(offsets_.size()) - 1; }

    // The cross-reference line of object i without its final line feed (19 bytes, ending in CR).
    std::string XrefEntry(int32_t objNum) const;

    uint8_t MemoryUsage() const { return memoryUsage_; }
    void SetMemoryUsage(uint8_t value) { memoryUsage_ = value; }

private:
    void Grow();

    std::vector<int64_t> offsets_ = std::vector<int64_t>(1, 0);
    int32_t last_ = 0;
    int32_t current_ = 0;
    uint8_t memoryUsage_ = 1;
};

// The cross-reference line of object 0, head of the free list, without its line feed.
inline constexpr const char* kXrefFreeHead = "0000000000 65535 f\r";

}  // namespace folivo
