#pragma once
// The cross-reference data of a PDF file: "startxref" near the end, then the classic "xref"
// sections and their trailers, newest first, following "/Prev". Cross-reference streams
// (PDF 1.5) are refused.

#include <cstdint>
#include <map>
#include <span>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

struct XrefTable {
    std::map<int64_t, int64_t> offsets;  // object number -> byte offset of an in-use object
    Value trailer;                       // the newest trailer dictionary
};

XrefTable ReadXrefTable(std::span<const uint8_t> file);

}  // namespace folivo::reader
