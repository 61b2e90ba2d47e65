// Documents written with SetCompression: the stream dictionaries name the filters in decoding
// order, the data has the expected form, and qpdf and poppler read the pages back.

#include <gtest/gtest.h>
#include <zlib.h>

#include <regex>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

// The first page content stream of a sample document: its dictionary from /Filter on, and its bytes.
struct RawStream {
    std::string dictionaryTail;
    std::string data;
};

RawStream FirstContentStream(const std::string& file) {
    std::smatch m;
    if (!std::regex_search(file, m, std::regex("/Contents ([0-9]+) 0 R"))) return {};
    const size_t obj = file.find("\n" + m[1].str() + " 0 obj\n");
    const size_t stream = file.find(">>\rstream\n", obj);
    const size_t end = file.find("\nendstream", stream);
    if (obj == std::string::npos || stream == std::string::npos || end == std::string::npos) return {};
    const size_t tail = file.rfind("/Filter", stream);
    return {file.substr(tail, stream + 2 - tail), file.substr(stream + 10, end - stream - 10)};
}

// What zlib inflates from the bytes, or "zlib error" when it refuses them.
std::string Uncompressed(const void* data, size_t size) {
    std::vector<uint8_t> out(100000);
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(out.data(), &length, static_cast<const Bytef*>(data), static_cast<uLong>(size)) != Z_OK) return "zlib error";
    return {out.begin(), out.begin() + static_cast<long>(length)};
}

TEST(CompressedDocument, StreamsNameTheirFiltersInDecodingOrderAndReadBack) {
    kv::test::TempDir dir("compressed");
    const std::pair<int32_t, const char*> cases[] = {
        {2, "/Filter [/FlateDecode ]\n/Length "},
        {3, "/Filter [/FlateDecode /RunLengthDecode ]\n/"},
        {10, "/Filter [/ASCII85Decode /FlateDecode ]\n/"},
        {20, "/Filter [/ASCIIHexDecode /LZWDecode ]\n/L"},
        {1, "/Filter"}, {4, "/Filter"}, {8, "/Filter"}, {16, "/Filter"}, {31, "/Filter"}};
    for (const auto& [mode, filters] : cases) {
        const auto pdf = dir / ("mode" + std::to_string(mode) + ".pdf");
        WriteSampleDocument(pdf, [mode](Folivo& f) { f.SetCompression(mode, static_cast<uint8_t>(mode % 4)); });
        EXPECT_QPDF_CLEAN(pdf);
        EXPECT_TRUE(Contains(kv::test::PdfToText(pdf), std::string(kSampleLine) + " riga 239")) << mode;
        const RawStream s = FirstContentStream(kv::test::ReadFile(pdf));
        EXPECT_TRUE(s.dictionaryTail.starts_with(filters)) << mode << ": " << s.dictionaryTail;
        if (mode == 2) {
            EXPECT_EQ(s.dictionaryTail, "/Filter [/FlateDecode ]\n/Length " + std::to_string(s.data.size()) + " >>");
            EXPECT_TRUE(s.data.starts_with("\x78\x5E"));
            EXPECT_TRUE(Contains(Uncompressed(s.data.data(), s.data.size()), "riga 100"));
        }
    }
}

TEST(ZzToFlateDecode, ReplacesTheArrayAndItsUpperBound) {
    FakeHost host;
    Folivo pdf(host);
    const std::string text(5000, 'a');
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.resize(6000, 0xEE);  // bytes past the upper bound are not part of the input
    int32_t upper = 4999;
    pdf.zzToFlateDecode(bytes, upper, 3);
    EXPECT_EQ(upper, static_cast<int32_t>(bytes.size()) - 1);
    EXPECT_EQ(Uncompressed(bytes.data(), bytes.size()), text);

    std::vector<uint8_t> empty;
    int32_t none = -1;
    pdf.zzToFlateDecode(empty, none, 0);
    EXPECT_EQ(Uncompressed(empty.data(), empty.size()), "");
    EXPECT_EQ(none, static_cast<int32_t>(empty.size()) - 1);

    std::vector<uint8_t> small{1, 2, 3};
    int32_t beyond = 3;
    EXPECT_THROW(pdf.zzToFlateDecode(small, beyond, 0), Error);
    EXPECT_EQ(small.size(), 3u) << "bad bounds leave the array alone";
}

}  // namespace
}  // namespace folivo::test
