#include "archive/named_buffers.hpp"

#include <array>
#include <cstdint>
#include <utility>

namespace kv::archive {
namespace {

using Member = std::string NamedBuffers::*;

constexpr std::array<std::pair<std::string_view, Member>, 24> kBuffers{{
    {"DITX$", &NamedBuffers::DITX}, {"DIPX$", &NamedBuffers::DIPX}, {"FISX$", &NamedBuffers::FISX},
    {"SETX$", &NamedBuffers::SETX}, {"FOTX$", &NamedBuffers::FOTX}, {"DICX$", &NamedBuffers::DICX},
    {"DI2X$", &NamedBuffers::DI2X}, {"CONX$", &NamedBuffers::CONX}, {"CUDX$", &NamedBuffers::CUDX},
    {"PROX$", &NamedBuffers::PROX}, {"STUX$", &NamedBuffers::STUX}, {"FOPX$", &NamedBuffers::FOPX},
    {"PARX$", &NamedBuffers::PARX}, {"PERX$", &NamedBuffers::PERX}, {"COCX$", &NamedBuffers::COCX},
    {"STOX$", &NamedBuffers::STOX}, {"SCRX$", &NamedBuffers::SCRX}, {"SCRY$", &NamedBuffers::SCRY},
    {"GLAX$", &NamedBuffers::GLAX}, {"GLCX$", &NamedBuffers::GLCX}, {"M77X$", &NamedBuffers::M77X},
    {"SCRU$", &NamedBuffers::SCRU}, {"ARTX$", &NamedBuffers::ARTX}, {"F24X$", &NamedBuffers::F24X},
}};

// A layout name's five characters in one integer, so that the lookup (one per field read)
// compares numbers instead of texts.
constexpr uint64_t Packed(std::string_view name) {
    uint64_t packed = 0;
    for (char c : name) packed = packed << 8 | static_cast<uint8_t>(c);
    return packed;
}

constexpr auto kPackedNames = [] {
    std::array<uint64_t, kBuffers.size()> names{};
    for (size_t i = 0; i < kBuffers.size(); ++i) names[i] = Packed(kBuffers[i].first);
    return names;
}();

Member MemberFor(std::string_view bufferName) {
    if (bufferName.size() != 5) return nullptr;
    const uint64_t packed = Packed(bufferName);
    for (size_t i = 0; i < kPackedNames.size(); ++i) {
        if (kPackedNames[i] == packed) return kBuffers[i].second;
    }
    return nullptr;
}

}  // namespace

std::string* NamedBuffers::Find(std::string_view bufferName) {
    Member member = MemberFor(bufferName);
    return member ? &(this->*member) : nullptr;
}

const std::string* NamedBuffers::Find(std::string_view bufferName) const {
    Member member = MemberFor(bufferName);
    return member ? &(this->*member) : nullptr;
}

}  // namespace kv::archive
