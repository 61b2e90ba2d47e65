#pragma once
// The pages written so far: the page object of each page number and the page tree's kids list.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo {

class PageList {
public:
    // Counts a new page, making room for it; returns its number (from 1).
    int32_t Add(uint8_t memoryUsage);
    void SetObject(int32_t page, int32_t objNum);
    // Object number of a written page, 0 when unknown.
    int32_t Object(int32_t page) const;
    int32_t Count() const { return count_; }
    int32_t UpperBound() const { return static_cast<int32_t>(objects_.size()) - 1; }
    // "n 0 R " per written page, in page order.
    const std::string& Kids() const { return kids_; }

private:
    std::vector<int32_t> objects_;
    std::string kids_;
    int32_t count_ = 0;
};

}  // namespace folivo
