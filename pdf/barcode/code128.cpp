// Code 128 symbols.

#include "pdf/barcode/code128.hpp"

#include <algorithm>
#include <array>

namespace folivo::barcode {
namespace {

// Bar and space widths in modules, bar first, for the values 0 to 106 (the stop has seven).
constexpr std::array<std::string_view, 107> kWidths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};

constexpr float kModulePoints = 0.72f;
constexpr float kHeightPoints = 14.4f;
constexpr float kQuietModules = 10;
constexpr unsigned char kFnc1Byte = 198;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Marks the bytes written in set C: qualifying digit runs, an odd run leaving one digit to set B
// (its last digit at the start of the data, its first digit elsewhere).
std::vector<bool> SetCPositions(std::string_view data) {
    const size_t n = data.size();
    std::vector<bool> inC(n, false);
    size_t start = 0;
    while (start < n) {
        size_t end = start;
        while (end < n && IsDigit(data[end])) ++end;
        const size_t length = end - start;
        const bool atEdge = start == 0 || end == n;
        if (length >= 6 || (atEdge && length >= 4)) {
            size_t from = start;
            size_t to = end;
            if (length % 2 != 0) {
                if (start == 0) {
                    --to;
                } else {
                    ++from;
                }
            }
            for (size_t i = from; i < to; ++i) inC[i] = true;
        }
        start = end == start ? end + 1 : end;
    }
    return inC;
}

bool Accepted(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 32 && b <= 126) || b == kFnc1Byte;
}

int SetBValue(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == kFnc1Byte ? kCode128Fnc1 : b - 32;
}

}  // namespace

std::optional<std::vector<int>> Code128Values(std::string_view data) {
    if (data.empty()) return std::nullopt;
    for (char c : data) {
        if (!Accepted(c)) return std::nullopt;
    }
    const std::vector<bool> inC = SetCPositions(data);
    std::vector<int> values{inC[0] ? kCode128StartC : kCode128StartB};
    bool setC = inC[0];
    for (size_t i = 0; i < data.size();) {
        if (inC[i] != setC) {
            setC = inC[i];
            values.push_back(setC ? kCode128ToC : kCode128ToB);
        }
        if (setC) {
            values.push_back((data[i] - '0') * 10 + (data[i + 1] - '0'));
            i += 2;
        } else {
            values.push_back(SetBValue(data[i]));
            ++i;
        }
    }
    int sum = values[0];
    for (size_t position = 1; position < values.size(); ++position) {
        sum += static_cast<int>(position) * values[position];
    }
    values.push_back(sum % 103);
    values.push_back(kCode128Stop);
    return values;
}

std::string Code128Modules(const std::vector<int>& values) {
    std::string modules;
    for (int value : values) {
        bool bar = true;
        for (char w : kWidths[static_cast<size_t>(value)]) {
            modules.append(static_cast<size_t>(w - '0'), bar ? '1' : '0');
            bar = !bar;
        }
    }
    return modules;
}

Symbol BuildCode128(std::string_view data, const Sizing& sizing) {
    const auto values = Code128Values(data);
    if (!values) return {};
    const float m = sizing.zoom * kModulePoints;
    Symbol symbol = StartSymbol(sizing, kHeightPoints, m);
    const std::string modules = Code128Modules(*values);
    AddModules(symbol, modules, kQuietModules * m, m, symbol.barHeight);
    symbol.width = (2 * kQuietModules + static_cast<float>(modules.size())) * m;
    if (sizing.showCode) {
        std::string caption(data);  // FNC1 marks are not shown
        caption.erase(std::remove(caption.begin(), caption.end(), static_cast<char>(kFnc1Byte)), caption.end());
        symbol.captions.push_back({caption, symbol.width / 2, 4});
    }
    return symbol;
}

}  // namespace folivo::barcode
