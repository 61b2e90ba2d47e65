#include "pdf/reader/xref.hpp"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

#include "pdf/reader/indirect_object.hpp"
#include "pdf/reader/parser.hpp"
#include "pdf/reader/stream_decode.hpp"

namespace folivo::reader {
namespace {

// Sections followed through "/Prev" before the chain is taken as damaged.
constexpr int kMaxSections = 1000;
// How far back from the end "startxref" is looked for.
constexpr size_t kTailBytes = 1024;

size_t CheckedOffset(std::span<const uint8_t> file, int64_t offset, const char* what) {
    if (offset < 0 || static_cast<uint64_t>(offset) >= file.size()) throw ReadError(std::string(what) + " points outside the file");
    return static_cast<size_t>(offset);
}

int64_t FindStartXref(std::span<const uint8_t> file) {
    const size_t from = file.size() > kTailBytes ? file.size() - kTailBytes : 0;
    std::string_view tail(reinterpret_cast<const char*>(file.data()) + from, file.size() - from);
    const size_t at = tail.rfind("startxref");
    if (at == std::string_view::npos) throw ReadError("no \"startxref\" at the end of the file");
    Parser parser(file, from + at + 9);
    const int64_t offset = parser.ReadInteger();
    CheckedOffset(file, offset, "\"startxref\"");
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
            if (inUse && offset > 0) table.entries.emplace(first + i, XrefEntry{offset});  // newer sections win
        }
    }
}

// A classic section at the parser: its entries, then those of a hybrid file's "/XRefStm".
Value ReadClassicSection(Parser& parser, std::span<const uint8_t> file, XrefTable& table) {
    ReadSubsections(parser, file, table);
    Value trailer = parser.ReadValue();
    if (!trailer.Is(Value::Kind::Dictionary)) throw ReadError("trailer is not a dictionary");
    if (const Value* stream = trailer.Find("XRefStm"); stream != nullptr && stream->Is(Value::Kind::Integer))
        ReadXrefStream(file, stream->integer, table);
    return trailer;
}

int64_t Field(const std::string& data, size_t at, int64_t width) {
    int64_t value = 0;
    for (int64_t i = 0; i < width; ++i) value = value << 8 | static_cast<uint8_t>(data[at + static_cast<size_t>(i)]);
    return value;
}

// The /W widths, each 0 to 8 bytes.
std::array<int64_t, 3> Widths(const Value& dictionary) {
    const Value* w = dictionary.Find("W");
    if (w == nullptr || !w->Is(Value::Kind::Array) || w->items.size() != 3) throw ReadError("cross-reference stream without /W");
    std::array<int64_t, 3> widths{};
    for (size_t i = 0; i < 3; ++i) {
        widths[i] = w->items[i].Is(Value::Kind::Integer) ? w->items[i].integer : -1;
        if (widths[i] < 0 || widths[i] > 8) throw ReadError("bad cross-reference stream /W");
    }
    if (widths[1] == 0) throw ReadError("bad cross-reference stream /W");
    return widths;
}

// The /Index pairs (first number, count); [0 /Size] when absent.
std::vector<std::pair<int64_t, int64_t>> Ranges(const Value& dictionary) {
    std::vector<std::pair<int64_t, int64_t>> ranges;
    if (const Value* index = dictionary.Find("Index"); index != nullptr && index->Is(Value::Kind::Array)) {
        for (size_t i = 0; i + 1 < index->items.size(); i += 2)
            ranges.emplace_back(index->items[i].integer, index->items[i + 1].integer);
    } else if (const Value* size = dictionary.Find("Size"); size != nullptr && size->Is(Value::Kind::Integer)) {
        ranges.emplace_back(0, size->integer);
    }
    return ranges;
}

}  // namespace

Value ReadXrefStream(std::span<const uint8_t> file, int64_t offset, XrefTable& table) {
    const size_t at = CheckedOffset(file, offset, "a cross-reference stream offset");
    const int64_t number = ObjectNumberAt(file, at);
    // The stream's own entries must be direct: it is read before any object can be looked up.
    IndirectObject object = ParseIndirectObject(file, at, number, DirectStreamLength);
    const Value* type = object.value.Find("Type");
    if (!object.isStream || type == nullptr || !type->IsName("XRef"))
        throw ReadError("no cross-reference table or stream at byte " + std::to_string(offset));
    const std::string data = DecodeStreamData(object.value, object.data, AsGiven);
    const auto widths = Widths(object.value);
    const auto entryBytes = static_cast<size_t>(widths[0] + widths[1] + widths[2]);
    size_t pos = 0;
    for (const auto& [first, count] : Ranges(object.value)) {
        if (first < 0 || count < 0 || static_cast<uint64_t>(count) > (data.size() - pos) / entryBytes)
            throw ReadError("cross-reference stream shorter than its /Index");
        for (int64_t i = 0; i < count; ++i, pos += entryBytes) {
            const int64_t kind = widths[0] == 0 ? 1 : Field(data, pos, widths[0]);
            const int64_t second = Field(data, pos + static_cast<size_t>(widths[0]), widths[1]);
            const int64_t third = Field(data, pos + static_cast<size_t>(widths[0] + widths[1]), widths[2]);
            if (kind == 1 && second > 0) table.entries.emplace(first + i, XrefEntry{second});
            if (kind == 2 && second > 0) table.entries.emplace(first + i, XrefEntry{0, second, third});
        }
    }
    return object.value;
}

XrefTable ReadXrefTable(std::span<const uint8_t> file) {
    XrefTable table;
    std::set<int64_t> visited;
    int64_t offset = FindStartXref(file);
    for (int section = 0; section < kMaxSections; ++section) {
        if (!visited.insert(offset).second) break;  // a "/Prev" loop
        Parser parser(file, static_cast<size_t>(offset));
        Value trailer = parser.Accept("xref") ? ReadClassicSection(parser, file, table) : ReadXrefStream(file, offset, table);
        if (section == 0) table.trailer = trailer;
        const Value* prev = trailer.Find("Prev");
        if (prev == nullptr || !prev->Is(Value::Kind::Integer)) return table;
        offset = prev->integer;
        CheckedOffset(file, offset, "\"/Prev\"");
    }
    return table;
}

}  // namespace folivo::reader
