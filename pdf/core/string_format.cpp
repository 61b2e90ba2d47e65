#include "pdf/core/string_format.hpp"

namespace folivo {

std::string EscapeString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '(': out += "\\("; break;
            case ')': out += "\\)"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default: out += c;
        }
    }
    return out;
}

std::string ReplaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        int32_t start, int32_t count) {
    if (find.empty() || start < 1) return std::string(text);
    std::string out(text.substr(0, std::min(text.size(), static_cast<size_t>(start - 1))));
    size_t pos = out.size();
    for (int32_t done = 0; count < 0 || done < count; ++done) {
        const size_t hit = text.find(find, pos);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(pos, hit - pos));
        out.append(replacement);
        pos = hit + find.size();
    }
    if (pos < text.size()) out.append(text.substr(pos));
    return out;
}

}  // namespace folivo
