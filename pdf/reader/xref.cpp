#include "pdf/reader/xref.hpp"

#include <algorithm>
#include <set>
#include <string_view>

#include "pdf/reader/parser.hpp"

namespace folivo::reader {
namespace {

// Sections followed through "/Prev" before the chain is taken as damaged.
constexpr int kMaxSections = 1000;
// How far back from the end "startxref" is looked for.
constexpr size_t kTailBytes = 1024;

int64_t FindStartXref(std::span<const uint8_t> file) {
    const size_t from = file.size() > kTailBytes ? file.size() - kTailBytes : 0;
    std::string_view tail(reinterpret_cast<const char*>(file.data()) + from, file.size() - from);
    const size_t at = tail.rfind("startxref");
    if (at == std::string_view::npos) throw ReadError("no \"startxref\" at the end of the file");
    Parser parser(file, from + at + 9);
    const int64_t offset = parser.ReadInteger();
    if (offset < 0 || static_cast<uint64_t>(offset) >= file.size())
        throw ReadError("\"startxref\" points outside the file");
    return offset;
}

void ReadSubsections(Parser& parser, std::span<const uint8_t> file, XrefTable& table) {
    while (!parser.Accept("trailer")) {
        const int64_t first = parser.ReadInteger();
        const int64_t count = parser.ReadInteger();
        // Every entry takes at least 18 bytes, so a count the file cannot hold is damage.
        if (first < 0 || count < 0 || count > static_cast<int64_t>(file.size() / 18) + 1)
            throw ReadError("bad cross-reference subsection " + std::to_string(first) + " " + std::to_string(count));
        for (int64_t i = 0; i < count; ++i) {
            const int64_t offset = parser.ReadInteger();
            parser.ReadInteger();  // generation
            const bool inUse = parser.Accept("n");
            if (!inUse) parser.Expect("f");
            if (inUse && offset > 0) table.offsets.emplace(first + i, offset);  // newer sections win
        }
    }
}

}  // namespace

XrefTable ReadXrefTable(std::span<const uint8_t> file) {
    XrefTable table;
    std::set<int64_t> visited;
    int64_t offset = FindStartXref(file);
    for (int section = 0; section < kMaxSections; ++section) {
        if (!visited.insert(offset).second) break;  // a "/Prev" loop
        Parser parser(file, static_cast<size_t>(offset));
        if (!parser.Accept("xref")) {
            throw ReadError("no cross-reference table at byte " + std::to_string(offset) +
                            " (cross-reference streams are not supported)");
        }
        ReadSubsections(parser, file, table);
        Value trailer = parser.ReadValue();
        if (!trailer.Is(Value::Kind::Dictionary)) throw ReadError("trailer is not a dictionary");
        const Value* prev = trailer.Find("Prev");
        if (section == 0) table.trailer = trailer;
        if (prev == nullptr || !prev->Is(Value::Kind::Integer)) return table;
        offset = prev->integer;
        if (offset < 0 || static_cast<uint64_t>(offset) >= file.size()) throw ReadError("\"/Prev\" points outside the file");
    }
    return table;
}

}  // namespace folivo::reader
