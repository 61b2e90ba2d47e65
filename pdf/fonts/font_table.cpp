#include "pdf/fonts/font_table.hpp"

#include <utility>

#include "pdf/codec/ascii_hex.hpp"
#include "pdf/core/upper_name.hpp"
#include "pdf/error.hpp"
#include "pdf/fonts/standard_fonts.hpp"

namespace folivo::fonts {
namespace {

}  // namespace

FontRequest RequestFor(std::string_view family, int32_t style, int32_t encoding) {
    FontRequest request;
    const std::string name = WithoutSpaces(family);
    if (name.empty()) throw Error(kErrInvalidCall, "SetFont needs a font family name");
    const auto standard = StandardBaseName(UpperAscii(name));
    const std::string base = standard ? std::string(*standard) : name;
    const std::string prefix = encoding == kMacRomanEncoding ? "MAC" : "";
    request.baseName = base;
    request.baseFontName = StyledName(base, base, style);
    request.resourceName = prefix + request.baseFontName;
    request.key = UpperAscii(request.resourceName);
    request.style = style;
    // Every code but Mac Roman means Windows ANSI: keeping them apart would give two font
    // objects the same resource name.
    request.encoding = encoding == kMacRomanEncoding ? kMacRomanEncoding : 0;
    return request;
}

FontRecord StandardRecord(const FontRequest& request) {
    const CoreMetrics metrics = MetricsFor(request.baseName, request.style);
    FontRecord record;
    record.key = request.key;
    record.baseFontName = request.baseFontName;
    record.widths = *metrics.widths;
    record.height = metrics.height;
    record.descent = metrics.descent;
    record.encoding = request.encoding;
    record.resourceName = request.resourceName;
    return record;
}

int32_t FontTable::Find(std::string_view key, int32_t encoding) const {
    for (size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].key == key && records_[i].encoding == encoding) {
            return static_cast<int32_t>(i + 1);
        }
    }
    return 0;
}

int32_t FontTable::Add(FontRecord record) {
    records_.push_back(std::move(record));
    return Count();
}

const FontRecord& FontTable::At(int32_t index) const {
    if (index < 1 || index > Count()) {
        throw Error(kErrSubscriptOutOfRange,
                    "No font selected: call SetFont before drawing text");
    }
    return records_[static_cast<size_t>(index - 1)];
}

FontRecord& FontTable::At(int32_t index) {
    return const_cast<FontRecord&>(std::as_const(*this).At(index));
}

std::vector<std::string> FontDictionaryLines(const FontRecord& record) {
    std::vector<std::string> lines;
    lines.push_back("<< /Type /Font /Subtype /" +
                    std::string(record.trueType ? "TrueType" : "Type1") + " /Name /" +
                    NameToken(record.resourceName) + " /BaseFont /" + NameToken(record.baseFontName) +
                    " /FirstChar 0 /LastChar 255");
    // Symbol and ZapfDingbats keep their built-in encodings.
    const std::string upper = UpperAscii(record.baseFontName);
    if (upper != "SYMBOL" && upper != "ZAPFDINGBATS") {
        lines.push_back("/Encoding << /Type /Encoding /BaseEncoding /" +
                        std::string(record.encoding == kMacRomanEncoding ? "MacRomanEncoding"
                                                                         : "WinAnsiEncoding") +
                        ">>");
    }
    return lines;
}

std::string NameToken(std::string_view name) {
    static constexpr std::string_view kDelimiters = "()<>[]{}/%#";
    std::string token;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7E || kDelimiters.find(c) != std::string_view::npos) {
            token += '#';
            codec::AppendHexByte(token, byte);
        } else {
            token += c;
        }
    }
    return token;
}

std::string FontReference(const FontRecord& record) {
    return "/" + NameToken(record.resourceName) + " " + std::to_string(record.objectNumber) + " 0 R ";
}

}  // namespace folivo::fonts
