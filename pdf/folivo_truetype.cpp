// Folivo's TrueType members: reading a font file, registering it with the fonts of the document and
// writing its descriptor and embedded file.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "pdf/folivo_impl.hpp"
#include "pdf/core/upper_name.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "pdf/fonts/to_unicode.hpp"
#include "pdf/fonts/type0_font.hpp"
#include "pdf/truetype/char_map.hpp"
#include "pdf/truetype/font_descriptor.hpp"
#include "pdf/truetype/subset.hpp"
#include "pdf/truetype/truetype_font.hpp"

namespace folivo {
namespace {

std::string ReadFontFile(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        throw Error(kErrFileNotFound, "File not found: " + path);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Error(kErrPermissionDenied, "Permission denied: " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The font record of a TrueType font registered under `key`.
fonts::FontRecord TrueTypeRecord(const truetype::TrueTypeFont& font, const std::string& key,
                                 const std::string& resourceName, int32_t encoding) {
    fonts::FontRecord record;
    record.key = key;
    record.trueType = true;
    record.baseFontName = truetype::BaseFontName(font);
    record.widths = font.widths;
    record.height = font.ascent + std::abs(font.descent);
    record.descent = font.descent;
    // SetFont looks fonts up with Windows ANSI (0) or Mac Roman (1) only.
    record.encoding = encoding == fonts::kMacRomanEncoding ? fonts::kMacRomanEncoding : 0;
    record.resourceName = resourceName;
    return record;
}

// Marks a record's font for subsetting at EndDoc; its name takes the subset tag.
void MakeSubsetRecord(const truetype::TrueTypeFont& font, std::string_view bytes, fonts::FontRecord& record) {
    record.subset = true;
    record.symbol = font.symbolic;
    record.glyphs = font.glyphs;
    record.baseFontName = truetype::SubsetTag(bytes) + "+" + record.baseFontName;
}

// A Type 0 record: the file always embedded and subset, UTF-8 text drawn through its own map.
void MakeType0Record(const truetype::TrueTypeFont& font, std::string bytes, fonts::FontRecord& record) {
    MakeSubsetRecord(font, bytes, record);
    record.cid = truetype::ReadCidGlyphs(bytes);
    record.fontFile = std::move(bytes);
}

truetype::CodePage CodePageOf(int32_t encoding) {
    return encoding == fonts::kMacRomanEncoding ? truetype::CodePage::kMacRoman : truetype::CodePage::kWindows1252;
}

// The characters of the codes drawn with a simple subset font, as a viewer looks them up in the
// subset's 'cmap', each with the glyph the code was measured with.
std::vector<truetype::CharGlyph> DrawnChars(const fonts::FontRecord& record) {
    const auto codePage = CodePageOf(record.encoding);
    std::vector<truetype::CharGlyph> chars;
    for (size_t code = 0; code < record.used.size(); ++code) {
        if (!record.used[code]) continue;
        const auto byte = static_cast<unsigned char>(code);
        chars.emplace_back(truetype::LookupChar(byte, codePage, record.symbol), record.glyphs[code]);
    }
    return chars;
}

// A subset font's /ToUnicode map lists only the codes drawn.
std::string DrawnCodesMap(const fonts::FontRecord& record) {
    fonts::CodeChars chars = truetype::TextChars(CodePageOf(record.encoding));
    for (size_t code = 0; code < chars.size(); ++code) {
        if (!record.used[code]) chars[code] = 0;
    }
    return fonts::ToUnicodeCMap(chars);
}

// The font file goes into the record, with the /ToUnicode map of its codes; subset when asked.
void EmbedFile(const truetype::TrueTypeFont& font, std::string bytes, truetype::CodePage codePage, bool subset,
               fonts::FontRecord& record) {
    if (subset) MakeSubsetRecord(font, bytes, record);
    record.fontFile = std::move(bytes);
    record.toUnicode = fonts::ToUnicodeCMap(truetype::TextChars(codePage));
}

}  // namespace

std::string Folivo::AddFont(const std::string& TTFFile, const std::string& FontAlias, bool Embedded,
                            int32_t Encoding) {
    std::string alias = FontAlias;
    try {
        std::string bytes = ReadFontFile(TTFFile);
        const auto codePage = CodePageOf(Encoding);
        const truetype::TrueTypeFont font = truetype::ReadTrueType(bytes, codePage);
        if (alias.empty()) alias = font.fullName;
        // The resource name keeps the alias's spaces, so that a standard font SetFont makes of the
        // same family (spaces dropped) does not share it. Mac Roman names carry SetFont's prefix.
        const std::string name = (codePage == truetype::CodePage::kMacRoman ? "MAC" : "") + alias;
        fonts::FontRecord record = TrueTypeRecord(font, UpperAscii(name), name, Encoding);
        if (impl_->doc_.fonts.Find(record.key, record.encoding) != 0) return alias;  // registered already
        record.descriptor = truetype::DescriptorText(font, impl_->FormatNum(font.italicAngle));
        // PDF/A embeds every font, cut to the glyphs drawn.
        const bool archival = impl_->doc_.archival.On();
        if (Encoding == fonts::kUnicodeEncoding) {
            MakeType0Record(font, std::move(bytes), record);
        } else if (Embedded || archival) {
            EmbedFile(font, std::move(bytes), codePage, impl_->doc_.fontSubsetting || archival, record);
        }
        impl_->PutFontObjects(impl_->doc_.fonts.Add(std::move(record)));
    } catch (const Error& error) {
        impl_->SetError("AddFont", error, TTFFile);
    }
    return alias;
}

fonts::FontRecord FolivoImpl::StandardFontFromFile(const std::string& path, const fonts::FontRequest& request) {
    std::string bytes = ReadFontFile(path);
    const auto codePage = CodePageOf(request.encoding);
    const truetype::TrueTypeFont font = truetype::ReadTrueType(bytes, codePage);
    fonts::FontRecord record = TrueTypeRecord(font, request.key, request.resourceName, request.encoding);
    // The standard font's line height and descent stay, so lines and boxes fall where they did;
    // the widths are the file's, as its glyphs are drawn (metric-compatible files match them).
    const fonts::FontRecord standard = fonts::StandardRecord(request);
    record.height = standard.height;
    record.descent = standard.descent;
    record.descriptor = truetype::DescriptorText(font, FormatNum(font.italicAngle));
    EmbedFile(font, std::move(bytes), codePage, true, record);
    return record;
}

void Folivo::SetFontSubsetting(bool On) { impl_->doc_.fontSubsetting = On; }

void FolivoImpl::PutFontDescriptor(const fonts::FontRecord& record, int32_t descriptorObj, int32_t fileObj) {
    StartObject(descriptorObj);
    WriteLine("<< /Type /FontDescriptor /FontName /" + fonts::NameToken(record.baseFontName) + " " +
              record.descriptor + " ");
    WriteLine(fileObj == 0 ? " >>" : "/FontFile2 " + std::to_string(fileObj) + " 0 R >>");
    CloseObject();
}

void FolivoImpl::PutTrueTypeObjects(fonts::FontRecord& record) {
    const int32_t descriptorObj = record.objectNumber + 1;
    const bool embedded = !record.fontFile.empty();
    PutFontDescriptor(record, descriptorObj, embedded ? descriptorObj + 1 : 0);
    if (!embedded) return;
    if (record.subset) {
        doc_.objects.ReserveThrough(descriptorObj + 2);  // the file and its map wait for EndDoc
        return;
    }
    PutFontFile(record, std::exchange(record.fontFile, std::string()), descriptorObj + 1);
}

void FolivoImpl::PutType0Objects(fonts::FontRecord& record) {
    // N the Type 0 font, N + 1 its descriptor; the CIDFont (N + 2) with its widths, the file (N + 3)
    // and the /ToUnicode map (N + 4) wait for EndDoc, when the glyphs drawn are known.
    const int32_t n = record.objectNumber;
    WriteLine(fonts::Type0Dictionary(record.resourceName, record.baseFontName, n + 2, n + 4));
    CloseObject();
    PutFontDescriptor(record, n + 1, n + 3);
    doc_.objects.ReserveThrough(n + 4);
}

void FolivoImpl::PutCidFont(fonts::FontRecord& record) {
    const fonts::CidGlyphs& cid = *record.cid;
    const std::string whole = std::exchange(record.fontFile, std::string());
    std::string file;
    std::string cidToGid = "/Identity";  // the subset numbers its glyphs by code
    try {
        file = truetype::SubsetFont(whole, {cid.Glyphs(), {}, false});
    } catch (const Error&) {
        file = whole;  // outlines too damaged to pick from: the whole file, codes mapped to its glyphs
        cidToGid = std::to_string(PutGlyphMap(cid.Glyphs())) + " 0 R";
    }
    int32_t cidFontObj = record.objectNumber + 2;
    StartObject(cidFontObj);
    WriteLine(fonts::CidFontDictionary(record.baseFontName, record.objectNumber + 1, cid.CodeWidths(), cidToGid));
    CloseObject();
    record.toUnicode = fonts::ToUnicodeCMap2(cid.Chars());
    PutFontFile(record, std::move(file), record.objectNumber + 3);
}

int32_t FolivoImpl::PutGlyphMap(const std::vector<uint16_t>& glyphs) {
    std::string map;
    for (uint16_t glyph : glyphs) {
        map += static_cast<char>(glyph >> 8);
        map += static_cast<char>(glyph & 0xFF);
    }
    const int32_t objNum = StartObject();
    WriteLine("<<");
    PutStream(std::move(map), objNum);
    CloseObject();
    return objNum;
}

void FolivoImpl::PutFontFile(fonts::FontRecord& record, std::string file, int32_t fileObj) {
    StartObject(fileObj);
    WriteLine("<<");
    const auto length = static_cast<int32_t>(file.size());
    PutStream(std::move(file), fileObj, "", length);
    CloseObject();
    PutToUnicode(record, fileObj + 1);
}

void FolivoImpl::PutSubsetFonts() {
    for (int32_t index = 1; index <= doc_.fonts.Count(); ++index) {
        fonts::FontRecord& record = doc_.fonts.At(index);
        if (!record.subset || record.fontFile.empty()) continue;
        if (record.cid) {
            PutCidFont(record);
            continue;
        }
        record.toUnicode = DrawnCodesMap(record);
        truetype::SubsetRequest request{{}, DrawnChars(record), record.symbol};
        for (const auto& [c, glyph] : request.chars) request.glyphs.push_back(glyph);
        const std::string whole = std::exchange(record.fontFile, std::string());
        std::string file;
        try {
            file = truetype::SubsetFont(whole, request);
        } catch (const Error&) {
            file = whole;  // outlines too damaged to pick from: the whole file still draws
        }
        PutFontFile(record, std::move(file), record.objectNumber + 2);
    }
}

void FolivoImpl::PutToUnicode(fonts::FontRecord& record, int32_t objNum) {
    StartObject(objNum);
    WriteLine("<<");
    PutStream(std::exchange(record.toUnicode, std::string()), objNum);
    CloseObject();
}

}  // namespace folivo
