// Documents written with SetCompression: the stream dictionaries name the filters in decoding
// order, the data has the expected form, and qpdf and poppler read the pages back.

#include <gtest/gtest.h>
#include <zlib.h>

#include <regex>

#include "tests/pdf_support/readback.hpp"

namespace {

// The first page content stream of a document written by WriteSampleDocument: its dictionary
// tail and its bytes, found after the page object's content reference.
struct RawStream {
    std::string dictionaryTail;
    std::string data;
};

RawStream FirstContentStream(const std::string& file) {
    const std::regex contents("/Contents ([0-9]+) 0 R");
    std::smatch m;
    if (!std::regex_search(file, m, contents)) return {};
    const size_t obj = file.find("\n" + m[1].str() + " 0 obj\n");
    const size_t stream = file.find(">>\rstream\n", obj);
    const size_t end = file.find("\nendstream", stream);
    if (obj == std::string::npos || stream == std::string::npos || end == std::string::npos) return {};
    const size_t tail = file.rfind("/Filter", stream);
    return {file.substr(tail, stream + 2 - tail), file.substr(stream + 10, end - stream - 10)};
}

std::string Write(const kv::test::TempDir& dir, const std::string& name, int32_t mode, uint8_t quality = 0) {
    const auto pdf = dir / name;
    folivo::test::WriteSampleDocument(pdf, [&](folivo::Folivo& f) { f.SetCompression(mode, quality); });
    EXPECT_QPDF_CLEAN(pdf);
    EXPECT_NE(kv::test::PdfToText(pdf).find(std::string(folivo::test::kSampleLine) + " riga 239"), std::string::npos);
    return kv::test::ReadFile(pdf);
}

TEST(CompressedDocument, FlateStreamsCarryTheirFilterLineAndZlibHeader) {
    kv::test::TempDir dir("flate");
    const RawStream s = FirstContentStream(Write(dir, "flate.pdf", 2));
    EXPECT_EQ(s.dictionaryTail, "/Filter [/FlateDecode ]\n/Length " + std::to_string(s.data.size()) + " >>");
    ASSERT_GE(s.data.size(), 2u);
    EXPECT_EQ(s.data.substr(0, 2), "\x78\x5E");
    std::vector<uint8_t> page(100000);
    uLongf size = static_cast<uLongf>(page.size());
    EXPECT_EQ(uncompress(page.data(), &size, reinterpret_cast<const Bytef*>(s.data.data()), static_cast<uLong>(s.data.size())), Z_OK);
    EXPECT_NE(std::string(page.begin(), page.begin() + static_cast<long>(size)).find("riga 100"), std::string::npos);
}

TEST(CompressedDocument, FilterListsAreInDecodingOrder) {
    kv::test::TempDir dir("order");
    EXPECT_EQ(FirstContentStream(Write(dir, "m3.pdf", 3)).dictionaryTail.substr(0, 42),
              "/Filter [/FlateDecode /RunLengthDecode ]\n/");
    const RawStream ascii = FirstContentStream(Write(dir, "m10.pdf", 10));
    EXPECT_EQ(ascii.dictionaryTail.substr(0, 40), "/Filter [/ASCII85Decode /FlateDecode ]\n/");
    EXPECT_EQ(ascii.data.substr(ascii.data.size() - 2), "~>");
    EXPECT_EQ(FirstContentStream(Write(dir, "m20.pdf", 20)).dictionaryTail.substr(0, 40),
              "/Filter [/ASCIIHexDecode /LZWDecode ]\n/L");
    for (int32_t mode : {1, 4, 8, 16, 31}) Write(dir, "mode" + std::to_string(mode) + ".pdf", mode, 1);
}

TEST(ZzToFlateDecode, ReplacesTheArrayAndItsUpperBound) {
    folivo::test::FakeHost host;
    folivo::Folivo pdf(host);
    const std::string text(5000, 'a');
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.resize(6000, 0xEE);  // bytes past the upper bound are not part of the input
    int32_t upper = 4999;
    pdf.zzToFlateDecode(bytes, upper, 3);
    EXPECT_EQ(upper, static_cast<int32_t>(bytes.size()) - 1);
    std::vector<uint8_t> back(6000);
    uLongf size = static_cast<uLongf>(back.size());
    ASSERT_EQ(uncompress(back.data(), &size, bytes.data(), static_cast<uLong>(bytes.size())), Z_OK);
    EXPECT_EQ(std::string(back.begin(), back.begin() + static_cast<long>(size)), text);

    std::vector<uint8_t> empty;
    int32_t none = -1;
    pdf.zzToFlateDecode(empty, none, 0);
    size = static_cast<uLongf>(back.size());
    EXPECT_EQ(uncompress(back.data(), &size, empty.data(), static_cast<uLong>(empty.size())), Z_OK);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(none, static_cast<int32_t>(empty.size()) - 1);

    std::vector<uint8_t> small{1, 2, 3};
    int32_t beyond = 3;
    EXPECT_THROW(pdf.zzToFlateDecode(small, beyond, 0), folivo::Error);
    EXPECT_EQ(small.size(), 3u) << "bad bounds leave the array alone";
}

}  // namespace
