#pragma once
// Rebuilds the cross-reference data of a damaged file (wrong offsets, a broken table) by scanning
// it for "n g obj", as viewers do: a later definition of a number wins, objects of object streams
// fill the numbers no plain object has, and the trailer is the last "trailer" dictionary, else the
// newest cross-reference stream's dictionary, else one naming the catalog found.

#include <span>

#include "pdf/reader/xref.hpp"

namespace folivo::reader {

// Throws ReadError when the file holds no object at all.
XrefTable ScanForObjects(std::span<const uint8_t> file);

}  // namespace folivo::reader
