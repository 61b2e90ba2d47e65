#include "pdf/reader/document.hpp"

#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

#include "pdf/error.hpp"
#include "pdf/reader/parser.hpp"
#include "pdf/reader/repair.hpp"
#include "pdf/reader/stream_decode.hpp"

namespace folivo::reader {
namespace {

constexpr int kMaxReferenceHops = 32;
constexpr int kMaxParentLevels = 64;
constexpr size_t kMaxPageTreeNodes = 1'000'000;

const IndirectObject& NullObject() {
    static const IndirectObject empty;
    return empty;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(kErrFileNotFound, "File not found");
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Document::Document(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {
    std::string_view head(reinterpret_cast<const char*>(bytes_.data()), std::min<size_t>(bytes_.size(), 1024));
    if (head.find("%PDF-") == std::string_view::npos) throw ReadError("no \"%PDF-\" header");
    try {
        xref_ = ReadXrefTable(bytes_);
    } catch (const ReadError& damaged) {
        try {
            Repair();
        } catch (const ReadError&) {
            throw damaged;
        }
    }
    OpenSecurity();
}

void Document::OpenSecurity() {
    const Value* encrypt = xref_.trailer.Find("Encrypt");
    if (encrypt == nullptr) return;
    if (encrypt->Is(Value::Kind::Reference)) encryptObject_ = encrypt->integer;
    try {
        security_ = OpenWithoutPassword(Resolve(*encrypt), xref_.trailer);
    } catch (const ReadError&) {
        security_.reset();  // an unreadable handler leaves the file refused as encrypted
    }
}

// Objects already read stay cached: each was found with its number at its offset.
void Document::Repair() {
    xref_ = ScanForObjects(bytes_);
    repaired_ = true;
}

const IndirectObject& Document::Object(int64_t number) {
    if (auto it = cache_.find(number); it != cache_.end()) return *it->second;
    auto entry = xref_.entries.find(number);
    if (entry == xref_.entries.end()) return NullObject();
    const XrefEntry where = entry->second;  // reading may rebuild the table under the iterator
    const bool wasRepaired = repaired_;
    std::unique_ptr<IndirectObject> object;
    try {
        object = std::make_unique<IndirectObject>(ReadObject(number, where));
        if (security_ && where.stream == 0 && number != encryptObject_)
            Decipher(*security_, number, object->value, object->isStream ? &object->data : nullptr);
    } catch (const ReadError&) {
        // An offset that does not lead to its object: the table is damaged; rebuild it once.
        if (wasRepaired || where.stream != 0) throw;
        if (!repaired_) Repair();
        return Object(number);
    }
    return *cache_.emplace(number, std::move(object)).first->second;
}

IndirectObject Document::ReadObject(int64_t number, const XrefEntry& entry) {
    if (entry.stream != 0) return ReadFromObjectStream(number, entry);
    if (entry.offset < 0 || static_cast<uint64_t>(entry.offset) >= bytes_.size())
        throw ReadError("object " + std::to_string(number) + " lies outside the file");
    return ParseIndirectObject(bytes_, static_cast<size_t>(entry.offset), number,
                               [this, number](const Value& dictionary) { return StreamLength(dictionary, number); });
}

IndirectObject Document::ReadFromObjectStream(int64_t number, const XrefEntry& entry) {
    auto stream = objectStreams_.find(entry.stream);
    if (stream == objectStreams_.end()) {
        const auto holder = xref_.entries.find(entry.stream);
        // An object stream inside an object stream is not allowed, and would recurse.
        if (holder == xref_.entries.end() || holder->second.stream != 0)
            throw ReadError("object " + std::to_string(number) + ": its object stream is missing");
        const IndirectObject& object = Object(entry.stream);
        const Resolver resolve = [this](const Value& value) -> const Value& { return Resolve(value); };
        stream = objectStreams_.emplace(entry.stream, ReadObjectStream(object, resolve)).first;
    }
    IndirectObject object;
    object.value = ValueInObjectStream(stream->second, number, entry.index);
    return object;
}

size_t Document::StreamLength(const Value& dictionary, int64_t number) {
    const Value* length = dictionary.Find("Length");
    if (length == nullptr) return SIZE_MAX;
    if (length->Is(Value::Kind::Reference)) {
        // A length kept in another object; that object must not itself be a stream with such a length.
        if (lengthDepth_ > 0 || length->integer == number) return SIZE_MAX;
        ++lengthDepth_;
        const Value& resolved = Resolve(*length);
        --lengthDepth_;
        return resolved.Is(Value::Kind::Integer) && resolved.integer >= 0 ? static_cast<size_t>(resolved.integer) : SIZE_MAX;
    }
    return length->Is(Value::Kind::Integer) && length->integer >= 0 ? static_cast<size_t>(length->integer) : SIZE_MAX;
}

const Value& Document::Resolve(const Value& value) {
    const Value* current = &value;
    for (int hop = 0; hop < kMaxReferenceHops && current->Is(Value::Kind::Reference); ++hop)
        current = &Object(current->integer).value;
    if (current->Is(Value::Kind::Reference)) throw ReadError("reference chain too long");
    return *current;
}

const std::vector<int64_t>& Document::Pages() {
    if (!pagesRead_) {
        pagesRead_ = true;
        const Value* root = xref_.trailer.Find("Root");
        if (root == nullptr) throw ReadError("trailer has no \"/Root\"");
        const Value* pages = Resolve(*root).Find("Pages");
        if (pages == nullptr) throw ReadError("catalog has no \"/Pages\"");
        WalkPageTree(*pages);
        if (pages_.empty() && repaired_) throw ReadError("damaged file: no page could be recovered");
    }
    return pages_;
}

// Depth first through "/Kids" in order; a node met twice is skipped, so cycles end.
void Document::WalkPageTree(const Value& root) {
    std::vector<const Value*> stack = {&root};
    std::set<int64_t> seen;
    while (!stack.empty() && seen.size() < kMaxPageTreeNodes) {
        const Value* ref = stack.back();
        stack.pop_back();
        if (!ref->Is(Value::Kind::Reference) || !seen.insert(ref->integer).second) continue;
        const Value& node = Object(ref->integer).value;
        const Value* kids = node.Find("Kids");
        const Value* type = node.Find("Type");
        if (kids != nullptr && !(type != nullptr && type->IsName("Page"))) {
            const Value& list = Resolve(*kids);
            for (auto it = list.items.rbegin(); it != list.items.rend(); ++it) stack.push_back(&*it);
        } else if (node.Is(Value::Kind::Dictionary)) {
            pages_.push_back(ref->integer);
        }
    }
}

const Value* Document::Inherited(int64_t page, std::string_view key) {
    const Value* node = &Object(page).value;
    for (int level = 0; level < kMaxParentLevels && node->Is(Value::Kind::Dictionary); ++level) {
        if (const Value* found = node->Find(key)) return found;
        const Value* parent = node->Find("Parent");
        if (parent == nullptr) return nullptr;
        node = &Resolve(*parent);
    }
    return nullptr;
}

std::string Document::DecodedStream(const IndirectObject& object) {
    return DecodeStreamData(object.value, object.data, [this](const Value& value) -> const Value& { return Resolve(value); });
}

}  // namespace folivo::reader
