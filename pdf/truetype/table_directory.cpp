#include "pdf/truetype/table_directory.hpp"

#include "pdf/error.hpp"

namespace folivo::truetype {
namespace {

constexpr uint64_t kDirectoryHeader = 12;
constexpr uint64_t kRecordSize = 16;

}  // namespace

TableDirectory::TableDirectory(const ByteReader& reader) {
    const uint16_t count = reader.U16(4);
    if (count == 0) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: the file lists no tables");
    reader.Require(kDirectoryHeader, kRecordSize * count, "the table directory");
    for (uint16_t i = 0; i < count; ++i) {
        const uint64_t record = kDirectoryHeader + kRecordSize * i;
        const std::string tag(reader.Bytes(record, 4));
        const TableEntry entry{reader.U32(record + 8), reader.U32(record + 12)};
        reader.Require(entry.offset, entry.length, "table '" + tag + "'");
        tables_.emplace(tag, entry);
    }
}

std::optional<TableEntry> TableDirectory::Entry(const std::string& tag) const {
    const auto it = tables_.find(tag);
    if (it == tables_.end()) return std::nullopt;
    return it->second;
}

std::optional<uint32_t> TableDirectory::Find(const std::string& tag) const {
    const auto it = tables_.find(tag);
    if (it == tables_.end()) return std::nullopt;
    return it->second.offset;
}

uint32_t TableDirectory::Require(const std::string& tag) const {
    const auto offset = Find(tag);
    if (!offset) throw Error(kErrSubscriptOutOfRange, "Damaged TrueType font: the file has no '" + tag + "' table");
    return *offset;
}

}  // namespace folivo::truetype
