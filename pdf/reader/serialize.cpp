#include "pdf/reader/serialize.hpp"

#include <cstdio>

#include "pdf/reader/parser.hpp"

namespace folivo::reader {

std::string NameText(const std::string& name) {
    std::string out = "/";
    for (unsigned char c : name) {
        if (c < 33 || c > 126 || c == '#' || IsDelimiter(c)) {
            char buf[4];
            std::snprintf(buf, sizeof buf, "#%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string HexString(const std::string& bytes) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string out = "<";
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out + ">";
}

std::string ValueWriter::WriteEntries(const Value& dictionary, bool skipLength) const {
    std::string out;
    for (const auto& [key, value] : dictionary.entries) {
        if (skipLength && key == "Length") continue;
        out += " " + NameText(key) + " " + Write(value);
    }
    return out;
}

std::string ValueWriter::Write(const Value& value) const {
    using Kind = Value::Kind;
    switch (value.kind) {
        case Kind::Null: return "null";
        case Kind::Boolean: return value.boolean ? "true" : "false";
        case Kind::Integer: return std::to_string(value.integer);
        case Kind::Real:
        case Kind::Keyword: return value.text;
        case Kind::Name: return NameText(value.text);
        case Kind::String: return HexString(string ? string(value.text) : value.text);
        case Kind::Reference: return reference(value);
        case Kind::Array: {
            std::string out = "[";
            for (size_t i = 0; i < value.items.size(); ++i) out += (i ? " " : "") + Write(value.items[i]);
            return out + "]";
        }
        case Kind::Dictionary: return "<<" + WriteEntries(value, false) + " >>";
    }
    return "null";
}

}  // namespace folivo::reader
