#include "archive/named_buffers.hpp"

#include <array>
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

Member MemberFor(std::string_view bufferName) {
    for (const auto& [name, member] : kBuffers) {
        if (name == bufferName) return member;
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
