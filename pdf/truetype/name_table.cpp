#include "pdf/truetype/name_table.hpp"

#include <algorithm>
#include <array>

namespace folivo::truetype {
namespace {

constexpr uint16_t kPlatformMacintosh = 1;
constexpr uint16_t kPlatformMicrosoft = 3;
constexpr uint16_t kFullName = 4;
constexpr uint16_t kPostScriptName = 6;
constexpr std::array<uint16_t, 6> kEnglishLanguages = {1033, 2057, 3081, 4105, 5129, 6153};

struct NameRecord {
    uint16_t platform = 0;
    uint16_t language = 0;
    uint16_t nameId = 0;
    uint64_t start = 0;  // from the start of the file
    uint16_t length = 0;
};

bool English(uint16_t language) {
    return std::find(kEnglishLanguages.begin(), kEnglishLanguages.end(), language) != kEnglishLanguages.end();
}

// Lower is better; 0 means the record does not name the font.
int Rank(const NameRecord& r) {
    if (r.nameId == kFullName && r.platform == kPlatformMicrosoft && English(r.language)) return 1;
    if (r.nameId == kFullName && r.platform == kPlatformMicrosoft) return 2;
    if (r.nameId == kFullName && r.platform == kPlatformMacintosh) return 3;
    if (r.nameId == kPostScriptName) return 4;
    return 0;
}

std::string Decode(const ByteReader& reader, const NameRecord& r) {
    const std::string_view bytes = reader.Bytes(r.start, r.length);
    const size_t step = r.platform == kPlatformMacintosh ? 1 : 2;  // Macintosh names are single-byte
    std::string name;
    for (size_t i = step - 1; i < bytes.size(); i += step) {
        if (bytes[i] != ' ' && bytes[i] != '\0') name += bytes[i];
    }
    return name;
}

}  // namespace

std::string FullName(const ByteReader& reader, uint64_t nameOffset) {
    const uint16_t count = reader.U16(nameOffset + 2);
    const uint64_t strings = nameOffset + reader.U16(nameOffset + 4);
    int bestRank = 0;
    std::string best;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t at = nameOffset + 6 + 12 * i;
        const NameRecord r{reader.U16(at), reader.U16(at + 4), reader.U16(at + 6),
                           strings + reader.U16(at + 10), reader.U16(at + 8)};
        const int rank = Rank(r);
        if (rank == 0 || (bestRank != 0 && rank >= bestRank)) continue;
        std::string name = Decode(reader, r);
        if (name.empty()) continue;
        best = std::move(name);
        bestRank = rank;
    }
    return best;
}

}  // namespace folivo::truetype
