#include "pdf/reader/repair.hpp"

#include <algorithm>
#include <string_view>

#include "pdf/codec/decoded.hpp"

#include "pdf/reader/indirect_object.hpp"
#include "pdf/reader/object_stream.hpp"
#include "pdf/reader/parser.hpp"

namespace folivo::reader {
namespace {

// Bytes after an object's start in which its dictionary is read for its /Type.
constexpr size_t kTypeWindow = 4096;
// Object streams and "trailer" keywords a repair looks into; each look may read to the end.
constexpr size_t kMaxObjectStreams = 1000;
constexpr int kMaxTrailers = 100;

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

// The start of "n g" before the "obj" at `at`, or npos when digits and blanks do not precede it.
size_t HeaderStart(std::span<const uint8_t> file, size_t at) {
    size_t p = at;
    for (int field = 0; field < 2; ++field) {
        while (p > 0 && IsBlank(file[p - 1])) --p;
        const size_t end = p;
        while (p > 0 && IsDigit(file[p - 1])) --p;
        if (p == end) return std::string_view::npos;
    }
    return p;
}

struct Scan {
    XrefTable table;
    std::vector<int64_t> objectStreams;  // numbers of the object streams found
    Value xrefStream;                    // the dictionary of the last cross-reference stream
    int64_t catalog = 0;
};

// Records the object and learns its type from a window of the file after it: a scan meets many
// candidates, and a window keeps each one's cost bounded whatever follows it.
void Note(std::span<const uint8_t> file, int64_t number, size_t offset, Scan& scan) {
    scan.table.entries[number] = XrefEntry{static_cast<int64_t>(offset)};
    try {
        Parser parser(file.first(std::min(file.size(), offset + kTypeWindow)), offset);
        parser.ReadInteger();
        parser.ReadInteger();
        parser.Expect("obj");
        const Value dictionary = parser.ReadValue();
        const Value* type = dictionary.Find("Type");
        if (type == nullptr) return;
        if (type->IsName("ObjStm") && scan.objectStreams.size() < kMaxObjectStreams) scan.objectStreams.push_back(number);
        if (type->IsName("XRef")) scan.xrefStream = dictionary;
        if (type->IsName("Catalog")) scan.catalog = number;
    } catch (const ReadError&) {
        // A damaged or very large object keeps its entry; reading it later says what is wrong.
    }
}

// Objects of the object streams found, for numbers no plain object has.
void AddObjectStreamEntries(std::span<const uint8_t> file, Scan& scan) {
    size_t decoded = 0;  // all object streams together stay within one stream's decoding limit
    for (const int64_t number : scan.objectStreams) {
        if (decoded > codec::kDecodeLimit) break;
        try {
            const auto offset = static_cast<size_t>(scan.table.entries.at(number).offset);
            const ObjectStream stream = ReadObjectStream(ParseIndirectObject(file, offset, number, DirectStreamLength), AsGiven);
            decoded += stream.data.size();
            for (size_t i = 0; i < stream.objects.size(); ++i)
                scan.table.entries.emplace(stream.objects[i].first, XrefEntry{0, number, static_cast<int64_t>(i)});
        } catch (const ReadError&) {
            // An unreadable object stream adds nothing.
        }
    }
}

Value LastTrailer(std::span<const uint8_t> file) {
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    size_t end = text.size();
    for (int tries = 0; tries < kMaxTrailers; ++tries) {
        const size_t at = text.rfind("trailer", end);
        if (at == std::string_view::npos) break;
        try {
            Parser parser(file, at + 7);
            Value trailer = parser.ReadValue();
            if (trailer.Find("Root") != nullptr) return trailer;
        } catch (const ReadError&) {
            // A damaged trailer: an earlier one may do.
        }
        if (at == 0) break;
        end = at - 1;
    }
    return {};
}

}  // namespace

XrefTable ScanForObjects(std::span<const uint8_t> file) {
    Scan scan;
    const std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
    for (size_t at = text.find("obj"); at != std::string_view::npos; at = text.find("obj", at + 3)) {
        if (at + 3 < file.size() && !IsBlank(file[at + 3]) && !IsDelimiter(file[at + 3])) continue;
        const size_t start = HeaderStart(file, at);
        if (start == std::string_view::npos || (start > 0 && !IsBlank(file[start - 1]) && !IsDelimiter(file[start - 1]))) continue;
        const int64_t number = ObjectNumberAt(file, start);
        if (number > 0) Note(file, number, start, scan);
    }
    if (scan.table.entries.empty()) throw ReadError("no object found in the file");
    AddObjectStreamEntries(file, scan);
    scan.table.trailer = LastTrailer(file);
    if (scan.table.trailer.Find("Root") == nullptr) scan.table.trailer = scan.xrefStream;
    if (scan.table.trailer.Find("Root") == nullptr && scan.catalog != 0) {
        Value root;
        root.kind = Value::Kind::Reference;
        root.integer = scan.catalog;
        scan.table.trailer.kind = Value::Kind::Dictionary;
        scan.table.trailer.entries.push_back({"Root", root});
    }
    return scan.table;
}

}  // namespace folivo::reader
