#pragma once
// The font's full name from the 'name' table.

#include <cstdint>
#include <string>

#include "pdf/truetype/byte_reader.hpp"

namespace folivo::truetype {

// The full name (name ID 4) with spaces dropped. The Microsoft-platform English records come first,
// then any Microsoft or Macintosh record of the full name, then the PostScript name (ID 6); an empty
// text when the table has none of them. UTF-16 characters keep their low byte.
std::string FullName(const ByteReader& reader, uint64_t nameOffset);

}  // namespace folivo::truetype
