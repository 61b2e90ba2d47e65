#pragma once
// A stream's bytes with its filters undone, in the order /Filter names them: FlateDecode and
// LZWDecode (with or without a PNG or TIFF predictor), ASCII85Decode, ASCIIHexDecode and
// RunLengthDecode, the filters Folivo writes. Any other filter, or damaged data, is a ReadError.

#include <functional>
#include <string>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

// Follows an indirect reference to its value (values that are no reference come back as they are).
using Resolver = std::function<const Value&(const Value&)>;

// The resolver for values that must be direct: each comes back as it is.
inline const Value& AsGiven(const Value& value) { return value; }

std::string DecodeStreamData(const Value& dictionary, const std::string& data, const Resolver& resolve);

}  // namespace folivo::reader
