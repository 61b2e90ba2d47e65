#include "pdf/core/leading_number.hpp"

#include <cctype>
#include <cstdio>
#include <string>

namespace folivo {

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t end = i;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) ++end;
    double value = 0;
    const std::string number(text.substr(i, end - i));
    if (std::sscanf(number.c_str(), "%lf", &value) != 1) return 0;
    return value;
}

}  // namespace folivo
