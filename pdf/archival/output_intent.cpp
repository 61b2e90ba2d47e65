#include "pdf/archival/output_intent.hpp"

#include "pdf/error.hpp"

namespace folivo::archival {
namespace {

// Header fields of an ICC profile: the size, the data colour space and the 'acsp' signature.
constexpr size_t kHeaderSize = 128;
constexpr size_t kColourSpaceAt = 16;
constexpr size_t kSignatureAt = 36;

uint32_t BigEndian32(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

void RequireRgbProfile(std::string_view profile) {
    const auto fail = [](const std::string& why) { throw Error(kErrInvalidFileFormat, "Colour profile " + why); };
    if (profile.size() < kHeaderSize) fail("shorter than its header");
    if (profile.substr(kSignatureAt, 4) != "acsp") fail("without the 'acsp' signature");
    if (BigEndian32(profile, 0) != profile.size()) fail("whose header size differs from the file's");
    if (profile.substr(kColourSpaceAt, 4) != "RGB ") fail("not of an RGB device");
}

std::string OutputIntentsEntry(int32_t profileObj) {
    return "/OutputIntents [<< /Type /OutputIntent /S /GTS_PDFA1 /OutputConditionIdentifier (sRGB IEC61966-2.1)"
           " /RegistryName (http://www.color.org) /Info (sRGB IEC61966-2.1) /DestOutputProfile " +
           std::to_string(profileObj) + " 0 R >>]";
}

}  // namespace folivo::archival
