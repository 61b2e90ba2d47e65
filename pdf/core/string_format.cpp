#include "pdf/core/string_format.hpp"

#include <array>
#include <cstdint>

namespace folivo {

namespace {

// The escape of a byte a literal string cannot hold as it is, or nullptr.
constexpr const char* EscapeOf(char c) {
    switch (c) {
        case '\\': return "\\\\";
        case '(': return "\\(";
        case ')': return "\\)";
        case '\r': return "\\r";
        case '\n': return "\\n";
        default: return nullptr;
    }
}

// The bytes EscapeOf escapes (1), looked up by byte: most text has none. Numbers rather than bools,
// so that eight lookups are or-ed without a branch.
constexpr std::array<uint8_t, 256> kEscaped = [] {
    std::array<uint8_t, 256> escaped{};
    for (int c = 0; c < 256; ++c) escaped[c] = EscapeOf(static_cast<char>(c)) != nullptr;
    return escaped;
}();

}  // namespace

std::string EscapeString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    AppendEscaped(out, text);
    return out;
}

void AppendEscaped(std::string& out, std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    size_t plain = 0;  // start of the run of bytes not yet copied
    for (size_t i = 0; i < text.size(); ++i) {
        // Eight bytes at a time while none of them needs an escape.
        while (i + 8 <= text.size() &&
               !(kEscaped[bytes[i]] | kEscaped[bytes[i + 1]] | kEscaped[bytes[i + 2]] | kEscaped[bytes[i + 3]] |
                 kEscaped[bytes[i + 4]] | kEscaped[bytes[i + 5]] | kEscaped[bytes[i + 6]] | kEscaped[bytes[i + 7]])) {
            i += 8;
        }
        if (i == text.size()) break;
        if (!kEscaped[bytes[i]]) continue;
        out.append(text.data() + plain, i - plain);
        out += EscapeOf(text[i]);
        plain = i + 1;
    }
    out.append(text.data() + plain, text.size() - plain);
}

}  // namespace folivo
