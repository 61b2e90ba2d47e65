#pragma once
// Reads PDF values from a byte buffer at a position: blanks and comments are skipped, nesting is
// limited, every read is bounded by the buffer. Errors throw ReadError.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "pdf/reader/value.hpp"

namespace folivo::reader {

class Parser {
public:
    Parser(std::span<const uint8_t> data, size_t position) : data_(data), pos_(position) {}

    // One value; "n g R" becomes a reference. Keywords (obj, stream, ...) come back as Keyword.
    Value ReadValue();
    // Skips blanks (space, tab, CR, LF, FF, NUL) and comments.
    void SkipBlanks();
    // True when the next token is `keyword`; it is then consumed.
    bool Accept(std::string_view keyword);
    void Expect(std::string_view keyword);
    int64_t ReadInteger();

    size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ >= data_.size(); }

private:
    static constexpr int kMaxDepth = 64;
    Value ReadValue(int depth);
    Value ReadNumberOrReference();
    Value ReadNumber();
    std::string ReadName();
    std::string ReadLiteralString();
    std::string ReadHexString();
    Value ReadArray(int depth);
    Value ReadDictionary(int depth);
    std::string ReadRegular();
    int Peek(size_t ahead = 0) const;
    [[noreturn]] void Fail(const std::string& what) const;

    std::span<const uint8_t> data_;
    size_t pos_;
};

bool IsBlank(int c);
bool IsDelimiter(int c);

}  // namespace folivo::reader
