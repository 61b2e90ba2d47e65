#pragma once
// The table directory at the start of a TrueType file: where each table lies.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "pdf/truetype/byte_reader.hpp"

namespace folivo::truetype {

struct TableEntry {
    uint32_t offset = 0;
    uint32_t length = 0;
};

class TableDirectory {
public:
    // Reads the directory; throws folivo::Error when it has no tables or a table lies past the end.
    explicit TableDirectory(const ByteReader& reader);

    // The table's place, or nothing when the file lacks it.
    std::optional<TableEntry> Entry(const std::string& tag) const;
    // The table's offset, or nothing when the file lacks it.
    std::optional<uint32_t> Find(const std::string& tag) const;
    // The table's offset; throws when the file lacks it.
    uint32_t Require(const std::string& tag) const;

private:
    std::map<std::string, TableEntry> tables_;
};

}  // namespace folivo::truetype
