#include "pdf/security/random_bytes.hpp"

#include <random>

namespace folivo::security {

std::string RandomBytes(size_t count) {
    std::random_device source;  // getrandom on Linux, rand_s on Windows
    std::string bytes;
    bytes.reserve(count + 3);
    while (bytes.size() < count) {
        const auto word = static_cast<uint32_t>(source());
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(word >> (8 * i));
    }
    bytes.resize(count);
    return bytes;
}

}  // namespace folivo::security
