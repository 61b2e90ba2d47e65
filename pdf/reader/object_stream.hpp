#pragma once
// Object streams (PDF 1.5): a stream holding several non-stream objects, listed by number and
// offset in a header of integer pairs before /First.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "pdf/reader/indirect_object.hpp"
#include "pdf/reader/stream_decode.hpp"

namespace folivo::reader {

struct ObjectStream {
    std::string data;                                 // decoded
    std::vector<std::pair<int64_t, size_t>> objects;  // object number, where its value starts in data
};

// Decodes the stream and reads its header; throws ReadError when it is no object stream.
ObjectStream ReadObjectStream(const IndirectObject& stream, const Resolver& resolve);

// The value of the index-th object, which must carry `number`.
Value ValueInObjectStream(const ObjectStream& stream, int64_t number, int64_t index);

}  // namespace folivo::reader
