#pragma once
// The fonts of a document, in order of first use: one record per font key with the metrics that
// measure text, and whether its resource object has been written yet.

#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/fonts/cid_glyphs.hpp"
#include "pdf/fonts/core_metrics.hpp"

namespace folivo::fonts {

// Encoding code of a font record that selects Mac Roman; any other value is Windows ANSI.
inline constexpr int32_t kMacRomanEncoding = 1;

struct FontRecord {
    std::string key;           // upper-case search key
    bool trueType = false;     // registered by AddFont
    std::string baseFontName;  // written as /BaseFont
    WidthTable widths{};       // thousandths of the font size, by code
    int32_t height = 0;        // thousandths of the font size
    int32_t descent = 0;       // negative, thousandths of the font size
    int32_t encoding = 0;
    std::string resourceName;  // name in the page resources, /Name of the font object
    int32_t objectNumber = 0;  // 0 until the font object is written
    // TrueType only: the font descriptor's entries after /FontName, the file to embed and the
    // /ToUnicode CMap of its codes (both empty when the font is not embedded; released once written).
    std::string descriptor;
    std::string fontFile;
    std::string toUnicode;
    // Subset fonts (SetFontSubsetting): the glyph of each code and the codes drawn; EndDoc writes
    // the font file and its /ToUnicode map.
    bool subset = false;
    bool symbol = false;  // the font maps its codes at U+F000 + code, and so must the subset
    std::array<uint16_t, 256> glyphs{};
    std::array<bool, 256> used{};
    // Type 0 fonts (AddFont with Encoding 2): UTF-8 text drawn with two-byte codes, always subset.
    std::optional<CidGlyphs> cid;
};

// What SetFont selects: the resource name, the key and the metric source.
struct FontRequest {
    std::string resourceName;
    std::string key;
    std::string baseFontName;
    std::string baseName;  // standard base name whose metrics the record takes
    int32_t style = 0;
    int32_t encoding = 0;
};

// Builds the request for a family, style and encoding as SetFont names them; throws
// folivo::Error when the family has no character but spaces.
FontRequest RequestFor(std::string_view family, int32_t style, int32_t encoding);

// A record of a standard font filled from the request.
FontRecord StandardRecord(const FontRequest& request);

class FontTable {
public:
    // 1-based index of the record with this key and encoding; 0 when there is none.
    int32_t Find(std::string_view key, int32_t encoding) const;
    // Appends a record and returns its 1-based index.
    int32_t Add(FontRecord record);

    // The record at a 1-based index; throws when the index names none.
    const FontRecord& At(int32_t index) const;
    FontRecord& At(int32_t index);

    int32_t Count() const { return static_cast<int32_t>(records_.size()); }
    void Clear() { records_.clear(); }

private:
    std::vector<FontRecord> records_;
};

// The lines of the font object's dictionary before its end: a standard font's " >>" line (which
// kFontDictionaryEnd holds), or a TrueType font's descriptor reference, widths and closing ">>".
std::vector<std::string> FontDictionaryLines(const FontRecord& record);
inline constexpr const char* kFontDictionaryEnd = " >>";

// A name as a PDF name token after its "/": bytes outside the printable range and the
// delimiters are written as #XX, so any family name gives a valid file.
std::string NameToken(std::string_view name);

// The resource entry of a written font: "/NAME n 0 R ".
std::string FontReference(const FontRecord& record);

}  // namespace folivo::fonts
