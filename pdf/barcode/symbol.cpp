// Shared geometry helpers of the barcode builders.

#include "pdf/barcode/symbol.hpp"

#include <algorithm>

namespace folivo::barcode {

namespace {
constexpr float kMinZoom = 0.8f;
constexpr float kMaxZoom = 2.0f;
constexpr float kCaptionPoints = 10.08f;
constexpr float kBandPoints = 4.68f;
}  // namespace

float ClampZoom(float zoom) {
    if (!(zoom >= kMinZoom)) return kMinZoom;  // also a NaN
    return std::min(zoom, kMaxZoom);
}

float CaptionSize(float zoom) { return zoom * kCaptionPoints; }

float TextBand(float zoom) { return zoom * kBandPoints; }

float BarHeight(float givenHeight, float standard, float band, float fallback) {
    const float height = givenHeight == 0 ? standard : givenHeight - band;
    return height > 0 ? height : fallback;
}

void AddModules(Symbol& symbol, std::string_view modules, float x0, float module, float height) {
    size_t at = 0;
    while (at < modules.size()) {
        if (modules[at] != '1') {
            ++at;
            continue;
        }
        const size_t start = at;
        while (at < modules.size() && modules[at] == '1') ++at;
        symbol.bars.push_back({x0 + static_cast<float>(start) * module, 0, static_cast<float>(at - start) * module,
                               height});
    }
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

float PrepareCaption(Symbol& symbol, const Sizing& sizing) {
    if (!sizing.showCode) return 0;
    symbol.fontSize = CaptionSize(sizing.zoom);
    symbol.band = TextBand(sizing.zoom);
    return symbol.band;
}

Symbol StartSymbol(const Sizing& sizing, float standard, float unit) {
    Symbol symbol;
    const float band = PrepareCaption(symbol, sizing);
    symbol.barHeight = BarHeight(sizing.height, sizing.zoom * standard, band, unit);
    return symbol;
}

char Mod10CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

}  // namespace folivo::barcode
