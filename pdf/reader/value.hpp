#pragma once
// A PDF value read from another file: null, boolean, number, name, string, array, dictionary,
// indirect reference or bare keyword. Dictionaries keep their entries in file order.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace folivo::reader {

// A file that cannot be read as a PDF; the text says what and where.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DictionaryEntry;

struct Value {
    enum class Kind { Null, Boolean, Integer, Real, Name, String, Array, Dictionary, Reference, Keyword };
    Kind kind = Kind::Null;
    std::string text;      // name (without "/"), string bytes, keyword, or a real number as written
    int64_t integer = 0;   // integer value, or the object number of a reference
    int32_t generation = 0;
    bool boolean = false;
    std::vector<Value> items;                            // array elements
    std::vector<DictionaryEntry> entries;                // dictionary entries

    bool Is(Kind k) const { return kind == k; }
    bool IsName(std::string_view name) const { return kind == Kind::Name && text == name; }
    double Number() const;
    // The entry's value, or nullptr when the key is absent (or this is no dictionary).
    const Value* Find(std::string_view key) const;
};

// A named struct rather than std::pair: a pair of an incomplete Value is not accepted by every
// compiler and library (clang with libstdc++ refuses it).
struct DictionaryEntry {
    std::string key;
    Value value;
};

}  // namespace folivo::reader
