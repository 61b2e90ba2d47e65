#include "pdf/reader/document.hpp"

#include <fstream>
#include <iterator>
#include <set>
#include <string_view>

#include "pdf/codec/inflate.hpp"
#include "pdf/error.hpp"
#include "pdf/reader/parser.hpp"

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
    xref_ = ReadXrefTable(bytes_);
}

const IndirectObject& Document::Object(int64_t number) {
    if (auto it = cache_.find(number); it != cache_.end()) return *it->second;
    auto offset = xref_.offsets.find(number);
    if (offset == xref_.offsets.end()) return NullObject();
    auto object = std::make_unique<IndirectObject>(ReadObject(number, offset->second));
    return *cache_.emplace(number, std::move(object)).first->second;
}

IndirectObject Document::ReadObject(int64_t number, int64_t offset) {
    if (offset < 0 || static_cast<uint64_t>(offset) >= bytes_.size())
        throw ReadError("object " + std::to_string(number) + " lies outside the file");
    Parser parser(bytes_, static_cast<size_t>(offset));
    const std::string where = "object " + std::to_string(number) + ": ";
    try {
        if (parser.ReadInteger() != number) throw ReadError("wrong object number at its offset");
        parser.ReadInteger();
        parser.Expect("obj");
        IndirectObject object;
        object.value = parser.ReadValue();
        if (object.value.Is(Value::Kind::Dictionary) && parser.Accept("stream")) {
            size_t start = parser.Position();
            if (start < bytes_.size() && bytes_[start] == '\r') ++start;
            if (start < bytes_.size() && bytes_[start] == '\n') ++start;
            object.isStream = true;
            ReadStreamData(object, start, StreamLength(object.value, number));
        }
        return object;
    } catch (const ReadError& e) {
        throw ReadError(where + e.what());
    }
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

// Takes `length` bytes when "endstream" follows them; otherwise the bytes up to the next
// "endstream", so a wrong or missing /Length still reads.
void Document::ReadStreamData(IndirectObject& object, size_t start, size_t length) {
    if (length <= bytes_.size() - start) {
        Parser after(bytes_, start + length);
        if (after.Accept("endstream")) {
            object.data.assign(bytes_.begin() + static_cast<long>(start), bytes_.begin() + static_cast<long>(start + length));
            return;
        }
    }
    std::string_view rest(reinterpret_cast<const char*>(bytes_.data()) + start, bytes_.size() - start);
    size_t end = rest.find("endstream");
    if (end == std::string_view::npos) throw ReadError("stream without \"endstream\"");
    if (end > 0 && rest[end - 1] == '\n') --end;
    if (end > 0 && rest[end - 1] == '\r') --end;
    object.data.assign(rest.substr(0, end));
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
    const Value* filter = object.value.Find("Filter");
    if (filter == nullptr) return object.data;
    const Value& f = Resolve(*filter);
    const bool flate = f.IsName("FlateDecode") ||
                       (f.Is(Value::Kind::Array) && f.items.size() == 1 && f.items[0].IsName("FlateDecode"));
    if (!flate) throw ReadError("content filter other than /FlateDecode cannot be joined");
    auto result = codec::InflateZlib(std::span(reinterpret_cast<const uint8_t*>(object.data.data()), object.data.size()));
    if (!result.ok()) throw ReadError("content stream: " + result.error);
    return std::string(result.bytes.begin(), result.bytes.end());
}

}  // namespace folivo::reader
