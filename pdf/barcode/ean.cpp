// EAN-13 and EAN-8 symbols.

#include "pdf/barcode/ean.hpp"

#include <array>

namespace folivo::barcode {
namespace {

// Odd-parity set A and right-hand set C; set B is set C read backwards.
constexpr std::array<std::string_view, 10> kSetA = {"0001101", "0011001", "0010011", "0111101", "0100011",
                                                    "0110001", "0101111", "0111011", "0110111", "0001011"};
constexpr std::array<std::string_view, 10> kSetC = {"1110010", "1100110", "1101100", "1000010", "1011100",
                                                    "1001110", "1010000", "1000100", "1001000", "1110100"};
// EAN-13: the first digit chooses the sets of digits 2 to 7.
constexpr std::array<std::string_view, 10> kParity = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                                      "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
constexpr std::string_view kEdgeGuard = "101";
constexpr std::string_view kCentreGuard = "01010";

constexpr float kModulePoints = 0.936f;
constexpr float kEan13HeightPoints = 64.8f;
constexpr float kEan8HeightPoints = 48.96f;
constexpr float kLeftQuiet = 11;

std::string DigitModules(char digit, char set) {
    const auto d = static_cast<size_t>(digit - '0');
    if (set == 'A') return std::string(kSetA[d]);
    if (set == 'C') return std::string(kSetC[d]);
    return std::string(kSetC[d].rbegin(), kSetC[d].rend());
}

std::string WithCheck(std::string_view code, size_t dataLength) {
    if (!AllDigits(code) || (code.size() != dataLength && code.size() != dataLength + 1)) return "";
    std::string digits(code.substr(0, dataLength));
    return digits + Mod10CheckDigit(digits);
}

// Guards, the left half in the given sets, centre guard, the right half in set C.
std::string Modules(std::string_view left, std::string_view leftSets, std::string_view right) {
    std::string modules(kEdgeGuard);
    for (size_t i = 0; i < left.size(); ++i) modules += DigitModules(left[i], leftSets[i]);
    modules += kCentreGuard;
    for (char digit : right) modules += DigitModules(digit, 'C');
    return modules + std::string(kEdgeGuard);
}

// Bars of a module string; the guards (the first three, the last three, the centre five modules)
// reach down through the text band.
Symbol Layout(const std::string& modules, float module, float barHeight, float band) {
    Symbol symbol;
    const float x0 = kLeftQuiet * module;
    const size_t centre = (modules.size() - kCentreGuard.size()) / 2;
    const size_t rightGuard = modules.size() - kEdgeGuard.size();
    AddModules(symbol, modules.substr(0, kEdgeGuard.size()), x0, module, barHeight + band);
    AddModules(symbol, modules.substr(kEdgeGuard.size(), centre - kEdgeGuard.size()), x0 + 3 * module, module,
               barHeight);
    AddModules(symbol, modules.substr(centre, kCentreGuard.size()), x0 + static_cast<float>(centre) * module,
               module, barHeight + band);
    const size_t rightStart = centre + kCentreGuard.size();
    AddModules(symbol, modules.substr(rightStart, rightGuard - rightStart),
               x0 + static_cast<float>(rightStart) * module, module, barHeight);
    AddModules(symbol, modules.substr(rightGuard), x0 + static_cast<float>(rightGuard) * module, module,
               barHeight + band);
    symbol.barHeight = barHeight;
    symbol.band = band;
    return symbol;
}

// Common frame of both lengths: sizes, bars, captions centred on each half, the width.
Symbol Build(const std::string& modules, const std::string& digits, size_t halfDigits, float standardHeight,
             float rightQuiet, const Sizing& sizing) {
    const float m = sizing.zoom * kModulePoints;
    const float band = TextBand(sizing.zoom);
    Symbol symbol = Layout(modules, m, BarHeight(sizing.height, sizing.zoom * standardHeight, band, m), band);
    const float x0 = kLeftQuiet * m;
    const size_t leadDigits = digits.size() - 2 * halfDigits;
    if (sizing.showCode) {
        symbol.fontSize = CaptionSize(sizing.zoom);
        if (leadDigits > 0) symbol.captions.push_back({digits.substr(0, leadDigits), 3 * m, 1});
        const float halfCentre = static_cast<float>(3 + 7 * halfDigits / 2) * m;
        symbol.captions.push_back({digits.substr(leadDigits, halfDigits), x0 + halfCentre, 4});
        symbol.captions.push_back(
            {digits.substr(leadDigits + halfDigits), x0 + halfCentre + static_cast<float>(5 + 7 * halfDigits) * m, 4});
    }
    symbol.width = (kLeftQuiet + static_cast<float>(modules.size()) + rightQuiet) * m;
    return symbol;
}

}  // namespace

std::string Ean13Digits(std::string_view code) { return WithCheck(code, 12); }

std::string Ean8Digits(std::string_view code) { return WithCheck(code, 7); }

std::string Ean13Modules(std::string_view code) {
    const std::string digits = Ean13Digits(code);
    if (digits.empty()) return "";
    return Modules(std::string_view(digits).substr(1, 6), kParity[static_cast<size_t>(digits[0] - '0')],
                   std::string_view(digits).substr(7));
}

std::string Ean8Modules(std::string_view code) {
    const std::string digits = Ean8Digits(code);
    if (digits.empty()) return "";
    return Modules(std::string_view(digits).substr(0, 4), "AAAA", std::string_view(digits).substr(4));
}

Symbol BuildEan13(std::string_view code, const Sizing& sizing) {
    const std::string modules = Ean13Modules(code);
    if (modules.empty()) return {};
    return Build(modules, Ean13Digits(code), 6, kEan13HeightPoints, 7, sizing);
}

Symbol BuildEan8(std::string_view code, const Sizing& sizing) {
    const std::string modules = Ean8Modules(code);
    if (modules.empty()) return {};
    return Build(modules, Ean8Digits(code), 4, kEan8HeightPoints, 7, sizing);
}

}  // namespace folivo::barcode
