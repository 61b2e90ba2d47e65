#include "pdf/security/rc4.hpp"

#include <array>
#include <stdexcept>
#include <utility>

namespace folivo::security {

void Rc4(std::span<uint8_t> data, std::string_view key) {
    if (key.empty()) throw std::invalid_argument("RC4 needs a key of at least one byte");
    std::array<uint8_t, 256> s;
    for (int i = 0; i < 256; ++i) s[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (size_t i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + s[i] + static_cast<uint8_t>(key[i % key.size()]));
        std::swap(s[i], s[j]);
    }
    uint8_t x = 0, y = 0;
    for (uint8_t& byte : data) {
        x = static_cast<uint8_t>(x + 1);
        y = static_cast<uint8_t>(y + s[x]);
        std::swap(s[x], s[y]);
        byte ^= s[static_cast<uint8_t>(s[x] + s[y])];
    }
}

std::string Rc4(std::string data, std::string_view key) {
    Rc4(std::span<uint8_t>(reinterpret_cast<uint8_t*>(data.data()), data.size()), key);
    return data;
}

}  // namespace folivo::security
