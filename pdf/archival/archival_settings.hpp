#pragma once
// What SetPDFA and SetStandardFontFile ask of a document: the conformance level, the TrueType files
// that stand in for the standard fonts, and the colour profile of the output intent once read.

#include <cstdint>
#include <map>
#include <string>

namespace folivo::archival {

inline constexpr int32_t kPdfA2b = 2;

struct ArchivalSettings {
    int32_t level = 0;        // 0 plain PDF, kPdfA2b
    std::string profile;      // the sRGB ICC profile's bytes, read by SetPDFA
    int32_t profileObj = 0;   // its stream object, written by EndDoc
    // Styled standard base name ("CourierNew", "Arial,Bold") to the TrueType file drawn for it.
    std::map<std::string, std::string> fontFiles;

    bool On() const { return level == kPdfA2b; }
};

// The key of fontFiles for a standard font named as SetFont's family with an optional style after
// a comma ("Courier New,Bold", "Helvetica"); empty when the family is not a standard one or the
// style is not Bold, Italic or BoldItalic.
std::string StandardFontKey(const std::string& name);

}  // namespace folivo::archival
