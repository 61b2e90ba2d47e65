#pragma once
// Big-endian writes into the tables of a font being built.

#include <cstddef>
#include <cstdint>
#include <string>

namespace folivo::truetype {

inline void PutU16(std::string& out, size_t at, uint16_t value) {
    out[at] = static_cast<char>(value >> 8);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

inline void PutU32(std::string& out, size_t at, uint32_t value) {
    PutU16(out, at, static_cast<uint16_t>(value >> 16));
    PutU16(out, at + 2, static_cast<uint16_t>(value & 0xFFFF));
}

inline void AppendU16(std::string& out, uint16_t value) {
    out.append(2, '\0');
    PutU16(out, out.size() - 2, value);
}

inline void AppendU32(std::string& out, uint32_t value) {
    out.append(4, '\0');
    PutU32(out, out.size() - 4, value);
}

}  // namespace folivo::truetype
