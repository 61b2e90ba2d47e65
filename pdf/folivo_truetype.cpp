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
    record.glyphs = font.glyphs;
    record.baseFontName = truetype::SubsetTag(bytes) + "+" + record.baseFontName;
}

truetype::CodePage CodePageOf(int32_t encoding) {
    return encoding == fonts::kMacRomanEncoding ? truetype::CodePage::kMacRoman : truetype::CodePage::kWindows1252;
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
        if (Embedded || archival) EmbedFile(font, std::move(bytes), codePage, impl_->doc_.fontSubsetting || archival, record);
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

void FolivoImpl::PutTrueTypeObjects(fonts::FontRecord& record) {
    int32_t descriptorObj = record.objectNumber + 1;
    StartObject(descriptorObj);
    const bool embedded = !record.fontFile.empty();
    WriteLine("<< /Type /FontDescriptor /FontName /" + fonts::NameToken(record.baseFontName) + " " +
              record.descriptor + " ");
    if (!embedded) {
        WriteLine(" >>");
        CloseObject();
        return;
    }
    WriteLine("/FontFile2 " + std::to_string(descriptorObj + 1) + " 0 R >>");
    CloseObject();
    if (record.subset) {
        doc_.objects.ReserveThrough(descriptorObj + 2);  // the file and its map wait for EndDoc
        return;
    }
    PutFontFile(record, std::exchange(record.fontFile, std::string()));
}

void FolivoImpl::PutFontFile(fonts::FontRecord& record, std::string file) {
    int32_t fileObj = record.objectNumber + 2;
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
        std::vector<uint16_t> used;
        for (size_t code = 0; code < record.used.size(); ++code) {
            if (record.used[code]) used.push_back(record.glyphs[code]);
        }
        const std::string whole = std::exchange(record.fontFile, std::string());
        std::string file;
        try {
            file = truetype::SubsetFont(whole, used);
        } catch (const Error&) {
            file = whole;  // outlines too damaged to pick from: the whole file still draws
        }
        PutFontFile(record, std::move(file));
    }
}

void FolivoImpl::PutToUnicode(fonts::FontRecord& record, int32_t objNum) {
    StartObject(objNum);
    WriteLine("<<");
    PutStream(std::exchange(record.toUnicode, std::string()), objNum);
    CloseObject();
}

}  // namespace folivo
