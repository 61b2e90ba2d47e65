// Interleaved 2 of 5 symbols.

#include "pdf/barcode/interleaved25.hpp"

#include <array>

namespace folivo::barcode {
namespace {

constexpr std::array<std::string_view, 10> kDigits = {"nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw",
                                                      "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn"};
constexpr std::string_view kStart = "nnnn";
constexpr std::string_view kStop = "wnn";

constexpr float kNarrowPoints = 0.72f;
constexpr float kHeightPoints = 14.4f;
constexpr float kQuietNarrows = 10;

}  // namespace

std::string Interleaved25Digits(std::string_view code, bool addCheck) {
    if (!AllDigits(code)) return "";
    std::string digits(code);
    if (addCheck) digits += Mod10CheckDigit(code);
    if (digits.size() % 2 != 0) digits.insert(0, "0");
    return digits;
}

std::string Interleaved25Elements(std::string_view digits) {
    std::string elements(kStart);
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        const auto bars = kDigits[static_cast<size_t>(digits[i] - '0')];
        const auto spaces = kDigits[static_cast<size_t>(digits[i + 1] - '0')];
        for (size_t k = 0; k < bars.size(); ++k) {
            elements += bars[k];
            elements += spaces[k];
        }
    }
    return elements + std::string(kStop);
}

Symbol BuildInterleaved25(std::string_view code, const Sizing& sizing) {
    const std::string digits = Interleaved25Digits(code, sizing.addCheck);
    if (digits.empty()) return {};
    const float n = sizing.zoom * kNarrowPoints;
    Symbol symbol = StartSymbol(sizing, kHeightPoints, n);
    float x = kQuietNarrows * n;
    bool bar = true;
    for (char e : Interleaved25Elements(digits)) {
        const float width = e == 'w' ? 3 * n : n;
        if (bar) symbol.bars.push_back({x, 0, width, symbol.barHeight});
        x += width;
        bar = !bar;
    }
    symbol.width = x + kQuietNarrows * n;
    if (sizing.showCode) symbol.captions.push_back({digits, symbol.width / 2, 4});
    return symbol;
}

}  // namespace folivo::barcode
