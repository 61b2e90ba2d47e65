#include "pdf/core/upper_name.hpp"

namespace folivo {

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

std::string TrimmedUpper(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    return UpperAscii(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace folivo
