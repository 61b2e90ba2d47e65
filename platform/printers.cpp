#include "platform/printers.hpp"

#include <sstream>

#include "platform/text_encoding.hpp"

namespace kv::platform {

std::vector<std::string> SplitNames(const std::string& utf8, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(Utf8ToCp1252(utf8));
    std::string part;
    while (std::getline(in, part, separator)) {
        if (!part.empty() && part.back() == '\r') part.pop_back();
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

std::unique_ptr<Printers> MakePrinters(const char* listSetting) {
    if (listSetting == nullptr) return std::make_unique<SystemPrinters>();
    std::vector<std::string> names = SplitNames(listSetting, ';');
    std::string defaultName = names.empty() ? "" : names.front();
    return std::make_unique<FixedPrinters>(std::move(names), std::move(defaultName));
}

}  // namespace kv::platform
