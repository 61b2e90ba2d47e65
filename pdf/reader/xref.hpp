#pragma once
// The cross-reference data of a PDF file: "startxref" near the end, then the sections newest
// first, following "/Prev": classic "xref" tables (with a hybrid file's "/XRefStm" stream) and
// cross-reference streams (PDF 1.5), whose entries may place objects inside object streams.

#include <cstdint>
#include <map>
#include <span>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

// Where an in-use object is: at a byte offset, or (stream != 0) the index-th object of an
// object stream.
struct XrefEntry {
    int64_t offset = 0;
    int64_t stream = 0;
    int64_t index = 0;
};

struct XrefTable {
    std::map<int64_t, XrefEntry> entries;  // object number -> where it is
    Value trailer;                         // the newest trailer dictionary (or cross-reference stream's)
};

XrefTable ReadXrefTable(std::span<const uint8_t> file);

// Adds the entries of the cross-reference stream at `offset` that the table does not have yet
// and returns the stream's dictionary.
Value ReadXrefStream(std::span<const uint8_t> file, int64_t offset, XrefTable& table);

}  // namespace folivo::reader
