// Documents written with SetCompression: the stream dictionaries name the filters in decoding
// order, the data has the expected form, and qpdf and poppler read the pages back.

#include <gtest/gtest.h>

#include "tests/pdf_support/readback.hpp"
#include "tests/pdf_support/zlib.hpp"

namespace folivo::test {
namespace {

TEST(CompressedDocument, StreamsNameTheirFiltersInDecodingOrderAndReadBack) {
    kv::test::TempDir dir("compressed");
    const std::pair<int32_t, const char*> cases[] = {
        {2, "[/FlateDecode ]"},
        {3, "[/FlateDecode /RunLengthDecode ]"},
        {10, "[/ASCII85Decode /FlateDecode ]"},
        {20, "[/ASCIIHexDecode /LZWDecode ]"},
        {31, "[/ASCIIHexDecode /ASCII85Decode /LZWDecode /FlateDecode /RunLengthDecode ]"},
        {1, "[/RunLengthDecode ]"}, {4, "[/LZWDecode ]"}, {8, "[/ASCII85Decode ]"}, {16, "[/ASCIIHexDecode ]"}};
    for (const auto& [mode, filters] : cases) {
        const auto pdf = dir / ("mode" + std::to_string(mode) + ".pdf");
        WriteSampleDocument(pdf, [mode](Folivo& f) { f.SetCompression(mode, static_cast<uint8_t>(mode % 4)); });
        EXPECT_QPDF_CLEAN(pdf);
        EXPECT_TRUE(Contains(kv::test::PdfToText(pdf), std::string(kSampleLine) + " riga 239")) << mode;
        EXPECT_TRUE(Contains(kv::test::ReadFile(pdf), std::string("<<\n/Filter ") + filters + "\n/Length ")) << mode;
    }
}

TEST(ZzToFlateDecode, ReplacesTheArrayAndItsUpperBound) {
    FakeHost host;
    Folivo pdf(host);
    const std::vector<uint8_t> text(5000, 'a');
    std::vector<uint8_t> bytes = text;
    bytes.resize(6000, 0xEE);  // bytes past the upper bound are not part of the input
    int32_t upper = 4999;
    pdf.zzToFlateDecode(bytes, upper, 3);
    EXPECT_EQ(upper, static_cast<int32_t>(bytes.size()) - 1);
    EXPECT_EQ(ZlibInflate(bytes, text.size()), text);

    std::vector<uint8_t> empty;
    int32_t none = -1;
    pdf.zzToFlateDecode(empty, none, 0);
    EXPECT_TRUE(ZlibInflate(empty, 0).empty());
    EXPECT_EQ(none, static_cast<int32_t>(empty.size()) - 1);

    std::vector<uint8_t> small{1, 2, 3};
    int32_t beyond = 3;
    EXPECT_THROW(pdf.zzToFlateDecode(small, beyond, 0), Error);
    EXPECT_EQ(small.size(), 3u) << "bad bounds leave the array alone";
}

}  // namespace
}  // namespace folivo::test
