#include "pdf/navigation/link_target.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

#include "pdf/core/upper_name.hpp"

namespace folivo::navigation {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<int32_t> ToNumber(const std::string& text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// The comma-separated names inside "WORD(...)", in order of appearance.
std::vector<std::string> NamesInside(const std::string& argument, const std::string& word) {
    std::vector<std::string> names;
    const std::string upper = UpperAscii(argument);
    for (size_t at = upper.find(word + "("); at != std::string::npos; at = upper.find(word + "(", at + 1)) {
        // "ON(" must not be the end of "TOGGLEON(" or similar.
        if (at > 0 && std::isalpha(static_cast<unsigned char>(upper[at - 1]))) continue;
        const size_t open = at + word.size() + 1;
        const size_t close = argument.find(')', open);
        const std::string list = argument.substr(open, close == std::string::npos ? std::string::npos : close - open);
        size_t start = 0;
        for (size_t comma = list.find(','); ; comma = list.find(',', start)) {
            const std::string name = Trim(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (!name.empty()) names.push_back(name);
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    return names;
}

// A layer name inside a single-quoted JavaScript string.
std::string ScriptQuoted(const std::string& name) {
    std::string quoted;
    for (char c : name) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted;
}

}  // namespace

LinkTarget ParseLinkTarget(const std::string& destination) {
    static const std::pair<const char*, LinkKind> kPrefixes[] = {
        {"FILE:", LinkKind::kFile},   {"SCRIPT:", LinkKind::kScript},     {"REF:", LinkKind::kRef},
        {"LAYER:", LinkKind::kLayer}, {"BOOKMARK:", LinkKind::kBookmark}, {"PAGE:", LinkKind::kPage},
    };
    const std::string upper = UpperAscii(destination);
    for (const auto& [prefix, kind] : kPrefixes) {
        const std::string p = prefix;
        if (upper.compare(0, p.size(), p) == 0) return {kind, destination.substr(p.size())};
    }
    return {LinkKind::kUri, destination};
}

std::optional<int32_t> ResolvePage(const std::string& argument, int32_t current) {
    const std::string word = UpperAscii(Trim(argument));
    if (word == "FIRST") return 1;
    if (word == "LAST") return 0;
    if (word == "NEXT") return current + 1;
    if (word == "PREV") return std::max(current - 1, 1);
    if (!word.empty() && (word[0] == '+' || word[0] == '-')) {
        const auto offset = ToNumber(word.substr(1));
        if (!offset) return std::nullopt;
        return std::max(word[0] == '+' ? current + *offset : current - *offset, 1);
    }
    const auto page = ToNumber(word);
    if (!page || *page < 1) return std::nullopt;
    return page;
}

std::string LayerScript(const std::string& argument) {
    static const std::pair<const char*, const char*> kSwitches[] = {
        {"ON", "true"}, {"OFF", "false"}, {"TOGGLE", "!ocgArray[i].state"}};
    std::string script = "var ocgArray = this.getOCGs();for (var i=0; i < ocgArray.length; i++) {\r";
    for (const auto& [word, state] : kSwitches) {
        for (const auto& name : NamesInside(argument, word)) {
            script += "if (ocgArray[i].name == '" + ScriptQuoted(name) + "') { ocgArray[i].state = " + state + "; };\r";
        }
    }
    return script + "}";
}

}  // namespace folivo::navigation
