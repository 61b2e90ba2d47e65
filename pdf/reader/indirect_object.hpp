#pragma once
// One indirect object as it stands in a file: "n g obj", a value, and for a stream the bytes
// between "stream" and "endstream", still filtered.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

struct IndirectObject {
    Value value;
    bool isStream = false;
    std::string data;  // the stream bytes as stored (still filtered)
};

// A stream's /Length as a byte count; SIZE_MAX when it is unknown.
using StreamLength = std::function<size_t(const Value& dictionary)>;

// A direct /Length, for objects read before any other can be looked up; SIZE_MAX otherwise.
size_t DirectStreamLength(const Value& dictionary);

// Reads the object at `offset`, which must carry `number`. The stream data is /Length bytes when
// "endstream" follows them, otherwise the bytes up to the next "endstream", so a wrong or missing
// /Length still reads.
IndirectObject ParseIndirectObject(std::span<const uint8_t> file, size_t offset, int64_t number, const StreamLength& length);

// The number of the object that starts at `offset` ("n g obj"), or -1 when none starts there.
int64_t ObjectNumberAt(std::span<const uint8_t> file, size_t offset);

}  // namespace folivo::reader
