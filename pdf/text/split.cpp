#include "pdf/text/split.hpp"

namespace folivo::text {

std::vector<std::string> SplitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator, start)) {
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

std::string JoinText(const std::vector<std::string>& pieces, std::string_view separator,
                     size_t first) {
    std::string joined;
    for (size_t i = first; i < pieces.size(); ++i) {
        if (i > first) joined += separator;
        joined += pieces[i];
    }
    return joined;
}

std::string_view TrimSpaces(std::string_view text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    const size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

std::string ReplaceRepeatedly(std::string text, std::string_view from, std::string_view to) {
    if (from.empty() || to.find(from) != std::string_view::npos) return text;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        // A replacement can complete a new occurrence just before it.
        at = at >= from.size() ? at - from.size() : 0;
    }
    return text;
}

}  // namespace folivo::text
