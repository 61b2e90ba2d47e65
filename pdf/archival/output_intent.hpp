#pragma once
// The sRGB output intent of an archival document: the ICC profile it embeds, checked before use,
// and the catalog entry naming it.

#include <cstdint>
#include <string>
#include <string_view>

namespace folivo::archival {

// Throws folivo::Error (321) unless the bytes are an ICC profile of an RGB device whose header
// states its own size.
void RequireRgbProfile(std::string_view profile);

// The catalog's "/OutputIntents [..]" entry for the profile stream object.
std::string OutputIntentsEntry(int32_t profileObj);

}  // namespace folivo::archival
