#include "pdf/core/upper_name.hpp"

#include <cctype>

namespace folivo {

std::string TrimmedUpper(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    std::string out(text.substr(first, text.find_last_not_of(' ') - first + 1));
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace folivo
