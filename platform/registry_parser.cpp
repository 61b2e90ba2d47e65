// Registry::FromBytes: the .reg export format, line by line. A line that does not parse is
// skipped; values under a key line that does not parse are skipped with it.

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/registry.hpp"
#include "platform/registry_text.hpp"

namespace kv::platform {

namespace {

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Logical lines: a line ending in "\" (hex data split by regedit) continues on the next.
std::vector<std::string> LogicalLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    std::string pending;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            pending += line.substr(0, line.size() - 1);
            continue;
        }
        if (!pending.empty()) {
            bool continued = !line.empty() && line.back() == '\\';
            pending += continued ? line.substr(0, line.size() - 1) : line;
            if (continued) continue;
            line = pending;
            pending.clear();
        }
        lines.push_back(line);
    }
    if (!pending.empty()) lines.push_back(pending);
    return lines;
}

// Reads a quoted string starting at text[at] == '"' with \\ and \" escapes; moves `at` past the
// closing quote. nullopt when the string is not closed or holds an unknown escape.
std::optional<std::string> QuotedString(const std::string& text, std::size_t& at) {
    if (at >= text.size() || text[at] != '"') return std::nullopt;
    std::string value;
    for (++at; at < text.size(); ++at) {
        char c = text[at];
        if (c == '"') {
            ++at;
            return value;
        }
        if (c == '\\') {
            if (++at >= text.size() || (text[at] != '\\' && text[at] != '"')) return std::nullopt;
            c = text[at];
        }
        value += c;
    }
    return std::nullopt;
}

bool OnlyCommentLeft(const std::string& text, std::size_t at) {
    std::string rest = Trim(text.substr(std::min(at, text.size())));
    return rest.empty() || rest[0] == ';';
}

struct Parser {
    Registry registry;
    std::optional<std::string> key;  // the key that values go to; none after a bad key line

    void KeyLine(const std::string& line) {
        key.reset();
        if (line.back() != ']' || line.size() < 3 || line[1] == '-') return;
        key = line.substr(1, line.size() - 2);
        registry.AddKey(*key);
    }

    void ValueLine(const std::string& line) {
        if (!key) return;
        std::size_t at = 0;
        std::string name;
        if (line[0] == '@') {
            at = 1;
        } else {
            auto quoted = QuotedString(line, at);
            if (!quoted) return;
            name = *quoted;
        }
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        if (at >= line.size() || line[at] != '=') return;
        ++at;
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        if (at < line.size() && line[at] == '"') {
            auto value = QuotedString(line, at);
            if (value && OnlyCommentLeft(line, at)) registry.SetString(*key, name, *value);
        } else if (line.compare(at, 6, "dword:") == 0 || line.compare(at, 3, "hex") == 0) {
            registry.SetOther(*key, name);
        }
    }
};

bool IsHeader(const std::string& line) {
    return line == "Windows Registry Editor Version 5.00" || line == "REGEDIT4";
}

}  // namespace

Registry Registry::FromBytes(const std::string& bytes, RegistryText text) {
    std::vector<std::string> lines =
        LogicalLines(text == RegistryText::Utf8 ? RegistryTextAsUtf8(bytes) : DecodeRegistryText(bytes));
    std::size_t first = 0;
    while (first < lines.size() && lines[first].empty()) ++first;
    if (first == lines.size() || !IsHeader(lines[first])) return Registry();
    Parser parser;
    for (std::size_t i = first + 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            parser.KeyLine(line);
        } else {
            parser.ValueLine(line);
        }
    }
    return std::move(parser.registry);
}

}  // namespace kv::platform
