// Code 39 (full ASCII) symbols, bars drawn as stroked lines.

#include "pdf/barcode/code39.hpp"

#include <array>

namespace folivo::barcode {
namespace {

// Patterns in the order of kCode39Set followed by "*".
constexpr std::array<std::string_view, 44> kPatterns = {
    "bwbWBwBwb", "BwbWbwbwB", "bwBWbwbwB", "BwBWbwbwb", "bwbWBwbwB", "BwbWBwbwb", "bwBWBwbwb", "bwbWbwBwB",
    "BwbWbwBwb", "bwBWbwBwb", "BwbwbWbwB", "bwBwbWbwB", "BwBwbWbwb", "bwbwBWbwB", "BwbwBWbwb", "bwBwBWbwb",
    "bwbwbWBwB", "BwbwbWBwb", "bwBwbWBwb", "bwbwBWBwb", "BwbwbwbWB", "bwBwbwbWB", "BwBwbwbWb", "bwbwBwbWB",
    "BwbwBwbWb", "bwBwBwbWb", "bwbwbwBWB", "BwbwbwBWb", "bwBwbwBWb", "bwbwBwBWb", "BWbwbwbwB", "bWBwbwbwB",
    "BWBwbwbwb", "bWbwBwbwB", "BWbwBwbwb", "bWBwBwbwb", "bWbwbwBwB", "BWbwbwBwb", "bWBwbwBwb", "bWbWbWbwb",
    "bWbWbwbWb", "bWbwbWbWb", "bwbWbWbWb", "bWbwBwBwb"};
constexpr size_t kStartStop = 43;

constexpr float kNarrowPoints = 0.72f;
constexpr float kHeightPoints = 14.4f;
constexpr float kQuietNarrows = 10;

std::string Pair(char prefix, int letterOffset) { return {prefix, static_cast<char>('A' + letterOffset)}; }

// The two-character sequence of one ASCII code outside the plain letters, digits, space, "-" and ".".
std::string ExtendedPair(int c) {
    if (c == 0) return "%U";
    if (c <= 26) return Pair('$', c - 1);
    if (c <= 31) return Pair('%', c - 27);
    if (c <= 47) return Pair('/', c - 33);  // punctuation "!" to "/", also "$", "%", "*" and "+"
    if (c == 58) return "/Z";
    if (c <= 63) return Pair('%', c - 59 + 5);  // ";" to "?": %F to %J
    if (c == 64) return "%V";
    if (c <= 95) return Pair('%', c - 91 + 10);  // "[" to "_": %K to %O
    if (c == 96) return "%W";
    if (c <= 122) return Pair('+', c - 97);
    return Pair('%', c - 123 + 15);  // "{" to DEL: %P to %T
}

bool Plain(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || c == ' ' || c == '-' || c == '.';
}

}  // namespace

std::optional<std::string> Code39Extended(std::string_view data) {
    std::string basic;
    for (char ch : data) {
        const int c = static_cast<unsigned char>(ch);
        if (c > 127) return std::nullopt;
        basic += Plain(c) ? std::string(1, ch) : ExtendedPair(c);
    }
    return basic;
}

char Code39Check(std::string_view basic) {
    size_t sum = 0;
    for (char c : basic) sum += kCode39Set.find(c);
    return kCode39Set[sum % kCode39Set.size()];
}

std::string Code39Elements(std::string_view data, bool addCheck) {
    const auto basic = Code39Extended(data);
    if (data.empty() || !basic) return "";
    std::string elements(kPatterns[kStartStop]);
    auto add = [&elements](size_t index) { elements += "w" + std::string(kPatterns[index]); };
    for (char c : *basic) add(kCode39Set.find(c));
    if (addCheck) add(kCode39Set.find(Code39Check(*basic)));
    add(kStartStop);
    return elements;
}

Symbol BuildCode39(std::string_view data, const Sizing& sizing) {
    const std::string elements = Code39Elements(data, sizing.addCheck);
    if (elements.empty()) return {};
    const float n = sizing.zoom * kNarrowPoints;
    Symbol symbol = StartSymbol(sizing, kHeightPoints, n);
    symbol.stroked = true;
    float x = kQuietNarrows * n;
    for (char e : elements) {
        const float width = (e == 'B' || e == 'W') ? 3 * n : n;
        if (e == 'b' || e == 'B') symbol.bars.push_back({x, 0, width, symbol.barHeight});
        x += width;
    }
    symbol.width = x + kQuietNarrows * n;
    if (sizing.showCode) symbol.captions.push_back({std::string(data), symbol.width / 2, 4});
    return symbol;
}

}  // namespace folivo::barcode
