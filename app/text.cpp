#include "app/text.hpp"

namespace kv::app {

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
            b = static_cast<unsigned char>(b - 0x20);
        } else if (b == 0x9A || b == 0x9C || b == 0x9E) {
            b = static_cast<unsigned char>(b - 0x10);  // š œ ž
        } else if (b == 0xFF) {
            b = 0x9F;  // ÿ
        }
        c = static_cast<char>(b);
    }
    return upper;
}

}  // namespace kv::app
