#include "pdf/core/string_format.hpp"

namespace folivo {

namespace {

// The escape of a byte a literal string cannot hold as it is, or nullptr.
const char* EscapeOf(char c) {
    switch (c) {
        case '\\': return "\\\\";
        case '(': return "\\(";
        case ')': return "\\)";
        case '\r': return "\\r";
        case '\n': return "\\n";
        default: return nullptr;
    }
}

}  // namespace

std::string EscapeString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    AppendEscaped(out, text);
    return out;
}

void AppendEscaped(std::string& out, std::string_view text) {
    size_t plain = 0;  // start of the run of bytes not yet copied
    for (size_t i = 0; i < text.size(); ++i) {
        const char* escape = EscapeOf(text[i]);
        if (escape == nullptr) continue;
        out.append(text.substr(plain, i - plain));
        out += escape;
        plain = i + 1;
    }
    out.append(text.substr(plain));
}

}  // namespace folivo
