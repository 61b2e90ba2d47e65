// POSTNET symbols: bars of two heights standing on one baseline.

#include "pdf/barcode/postnet.hpp"

#include <array>

namespace folivo::barcode {
namespace {

constexpr std::array<std::string_view, 10> kDigits = {"11000", "00011", "00101", "00110", "01001",
                                                      "01010", "01100", "10001", "10010", "10100"};
constexpr float kBarPoints = 1.44f;
constexpr float kPitchBars = 2.25f;  // bar to bar, in bar widths: about 22 bars to the inch
constexpr float kFullPoints = 9.0f;
constexpr float kHalfRatio = 0.4f;
constexpr float kQuietBars = 5;

}  // namespace

std::string PostnetDigits(std::string_view code) {
    std::string digits;
    int sum = 0;
    for (char c : code) {
        if (c == '-' || c == ' ') continue;
        if (c < '0' || c > '9') return "";
        digits += c;
        sum += c - '0';
    }
    if (digits.empty()) return "";
    return digits + static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string PostnetBars(std::string_view code) {
    const std::string digits = PostnetDigits(code);
    if (digits.empty()) return "";
    std::string bars = "1";
    for (char d : digits) bars += kDigits[static_cast<size_t>(d - '0')];
    return bars + "1";
}

Symbol BuildPostnet(std::string_view code, const Sizing& sizing) {
    const std::string bars = PostnetBars(code);
    if (bars.empty()) return {};
    const float w = sizing.zoom * kBarPoints;
    Symbol symbol = StartSymbol(sizing, kFullPoints, w);
    const float full = symbol.barHeight;
    const float half = full * kHalfRatio;
    float x = kQuietBars * w;
    for (char b : bars) {
        const float height = b == '1' ? full : half;
        symbol.bars.push_back({x, full - height, w, height});
        x += kPitchBars * w;
    }
    symbol.width = x - (kPitchBars - 1) * w + kQuietBars * w;
    if (sizing.showCode) symbol.captions.push_back({PostnetDigits(code), symbol.width / 2, 4});
    return symbol;
}

}  // namespace folivo::barcode
