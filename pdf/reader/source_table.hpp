#pragma once
// The PDF files opened for import or information during one document. Each keeps its reader, the
// output numbers of the objects already copied from it and the forms made of its pages, so
// shared resources and repeated pages are written once.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "pdf/reader/document.hpp"

namespace folivo::reader {

struct SourceFile {
    std::string fileName;
    std::unique_ptr<Document> document;
    std::map<int64_t, int32_t> copies;  // source object number -> output object number
    std::map<int32_t, int32_t> forms;   // page number -> output form object number
};

class SourceTable {
public:
    // The 1-based number of an open file, 0 when it is not open.
    int32_t Find(const std::string& fileName) const;
    // Opens and reads a file; throws folivo::Error 53 or ReadError. Returns its number.
    int32_t Open(const std::string& fileName);
    SourceFile& At(int32_t number) { return files_.at(static_cast<size_t>(number - 1)); }
    void Clear() { files_.clear(); }

private:
    std::vector<SourceFile> files_;
};

}  // namespace folivo::reader
