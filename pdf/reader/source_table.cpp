#include "pdf/reader/source_table.hpp"

namespace folivo::reader {

int32_t SourceTable::Find(const std::string& fileName) const {
    for (size_t i = 0; i < files_.size(); ++i)
        if (files_[i].fileName == fileName) return static_cast<int32_t>(i + 1);
    return 0;
}

int32_t SourceTable::Open(const std::string& fileName) {
    if (int32_t found = Find(fileName)) return found;
    auto document = std::make_unique<Document>(ReadWholeFile(fileName));
    files_.push_back(SourceFile{fileName, std::move(document), {}, {}});
    return static_cast<int32_t>(files_.size());
}

}  // namespace folivo::reader
