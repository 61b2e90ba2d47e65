#include "pdf/reader/indirect_object.hpp"

#include <string_view>

#include "pdf/reader/parser.hpp"

namespace folivo::reader {
namespace {

std::string StreamData(std::span<const uint8_t> file, size_t start, size_t length) {
    if (length <= file.size() - start) {
        Parser after(file, start + length);
        if (after.Accept("endstream")) return std::string(file.begin() + static_cast<long>(start), file.begin() + static_cast<long>(start + length));
    }
    std::string_view rest(reinterpret_cast<const char*>(file.data()) + start, file.size() - start);
    size_t end = rest.find("endstream");
    if (end == std::string_view::npos) throw ReadError("stream without \"endstream\"");
    if (end > 0 && rest[end - 1] == '\n') --end;
    if (end > 0 && rest[end - 1] == '\r') --end;
    return std::string(rest.substr(0, end));
}

}  // namespace

IndirectObject ParseIndirectObject(std::span<const uint8_t> file, size_t offset, int64_t number, const StreamLength& length) {
    if (offset >= file.size()) throw ReadError("object " + std::to_string(number) + " lies outside the file");
    Parser parser(file, offset);
    try {
        if (parser.ReadInteger() != number) throw ReadError("wrong object number at its offset");
        parser.ReadInteger();
        parser.Expect("obj");
        IndirectObject object;
        object.value = parser.ReadValue();
        if (object.value.Is(Value::Kind::Dictionary) && parser.Accept("stream")) {
            size_t start = parser.Position();
            if (start < file.size() && file[start] == '\r') ++start;
            if (start < file.size() && file[start] == '\n') ++start;
            object.isStream = true;
            object.data = StreamData(file, start, length(object.value));
        }
        return object;
    } catch (const ReadError& e) {
        throw ReadError("object " + std::to_string(number) + ": " + e.what());
    }
}

size_t DirectStreamLength(const Value& dictionary) {
    const Value* found = dictionary.Find("Length");
    return found != nullptr && found->Is(Value::Kind::Integer) && found->integer >= 0 ? static_cast<size_t>(found->integer) : SIZE_MAX;
}

int64_t ObjectNumberAt(std::span<const uint8_t> file, size_t offset) {
    try {
        Parser parser(file, offset);
        const int64_t number = parser.ReadInteger();
        const int64_t generation = parser.ReadInteger();
        return number > 0 && generation >= 0 && parser.Accept("obj") ? number : -1;
    } catch (const ReadError&) {
        return -1;
    }
}

}  // namespace folivo::reader
