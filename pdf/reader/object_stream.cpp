#include "pdf/reader/object_stream.hpp"

#include <span>

#include "pdf/reader/parser.hpp"

namespace folivo::reader {

ObjectStream ReadObjectStream(const IndirectObject& stream, const Resolver& resolve) {
    const Value* type = stream.value.Find("Type");
    const Value* count = stream.value.Find("N");
    const Value* first = stream.value.Find("First");
    if (!stream.isStream || type == nullptr || !type->IsName("ObjStm") || count == nullptr || first == nullptr)
        throw ReadError("not an object stream");
    ObjectStream result;
    result.data = DecodeStreamData(stream.value, stream.data, resolve);
    const int64_t n = resolve(*count).integer;
    const int64_t start = resolve(*first).integer;
    // Each header pair takes at least four bytes, so a count the data cannot hold is damage.
    if (n < 0 || start < 0 || static_cast<uint64_t>(start) > result.data.size() || static_cast<uint64_t>(n) > result.data.size() / 4)
        throw ReadError("bad object stream header");
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(result.data.data()), result.data.size());
    Parser header(bytes, 0);
    for (int64_t i = 0; i < n; ++i) {
        const int64_t number = header.ReadInteger();
        const int64_t offset = header.ReadInteger();
        if (offset < 0 || static_cast<uint64_t>(offset) >= result.data.size() - static_cast<size_t>(start))
            throw ReadError("object stream offset outside its data");
        result.objects.emplace_back(number, static_cast<size_t>(start + offset));
    }
    return result;
}

Value ValueInObjectStream(const ObjectStream& stream, int64_t number, int64_t index) {
    // The listed index first; a writer that numbered the index differently is forgiven by a search.
    const auto& objects = stream.objects;
    size_t at = index >= 0 && static_cast<uint64_t>(index) < objects.size() ? static_cast<size_t>(index) : objects.size();
    if (at == objects.size() || objects[at].first != number) {
        at = 0;
        while (at < objects.size() && objects[at].first != number) ++at;
    }
    if (at == objects.size()) throw ReadError("object " + std::to_string(number) + " is not in its object stream");
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(stream.data.data()), stream.data.size());
    Parser parser(bytes, objects[at].second);
    return parser.ReadValue();
}

}  // namespace folivo::reader
