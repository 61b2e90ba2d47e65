#include "pdf/image/image_table.hpp"

#include "pdf/core/upper_name.hpp"

namespace folivo::image {

int32_t ImageTable::Find(const std::string& fileName, int32_t frame) const {
    const std::string name = UpperAscii(fileName);
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].fileName == name && entries_[i].frame == frame) return static_cast<int32_t>(i + 1);
    }
    return 0;
}

int32_t ImageTable::Add(ImageEntry entry) {
    entry.fileName = UpperAscii(entry.fileName);
    entries_.push_back(std::move(entry));
    return Count();
}

}  // namespace folivo::image
