#include "pdf/navigation/destination_table.hpp"

#include <cstdio>
#include <string_view>

namespace folivo::navigation {

std::string NameToken(const std::string& text) {
    constexpr std::string_view kDelimiters = "()<>[]{}/%#";
    std::string token = "/";
    for (unsigned char c : text) {
        if (c < 33 || c > 126 || kDelimiters.find(static_cast<char>(c)) != std::string_view::npos) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "#%02X", c);
            token += escaped;
        } else {
            token += static_cast<char>(c);
        }
    }
    return token;
}

std::string DestinationTable::AddLink(int32_t page, std::string view) {
    std::string name = "/_LINK_" + std::to_string(++links_);
    entries_.push_back({page, name, std::move(view)});
    return name;
}

std::string DestinationTable::AddRef(const std::string& refName, int32_t page, std::string view) {
    std::string name = NameToken("_REF_" + refName);
    entries_.push_back({page, name, std::move(view)});
    return name;
}

}  // namespace folivo::navigation
