// Run-length, LZW, base-85 and hexadecimal output carried in PDF files and decoded by qpdf,
// pikepdf; plus the shape rules strict decoders depend on.

#include <gtest/gtest.h>

#include <algorithm>

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/codec/filter_chain.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"
#include "tests/pdf_codec/sample_inputs.hpp"
#include "tests/pdf_codec/stream_pdf.hpp"
#include "tests/support/test_support.hpp"

namespace {

using Encoder = std::vector<uint8_t> (*)(std::span<const uint8_t>);

struct NamedEncoder {
    const char* filter;
    Encoder encode;
};

const NamedEncoder kEncoders[] = {
    {"/RunLengthDecode", folivo::codec::EncodeRunLength},
    {"/LZWDecode", folivo::codec::EncodeLzw},
    {"/ASCII85Decode", folivo::codec::EncodeAscii85},
    {"/ASCIIHexDecode", folivo::codec::EncodeAsciiHex},
};

// Encodes every input, carries the results in one PDF, checks it with qpdf and compares what
// pikepdf decodes with the inputs.
void ExpectOutsideDecodersAgree(const NamedEncoder& encoder, const std::vector<kv::test::SampleInput>& inputs) {
    SCOPED_TRACE(encoder.filter);
    kv::test::TempDir dir("codec");
    std::vector<kv::test::CarriedStream> streams;
    for (const auto& input : inputs) streams.push_back({encoder.filter, encoder.encode(input.bytes)});
    const auto pdf = dir / "streams.pdf";
    kv::test::WriteStreamPdf(pdf, streams);
    EXPECT_QPDF_CLEAN(pdf);
    const auto decoded = kv::test::DecodeWithPikepdf(pdf, streams.size());
    for (size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_TRUE(decoded[i] == inputs[i].bytes) << inputs[i].name << ": decoded " << decoded[i].size()
                                                   << " bytes, expected " << inputs[i].bytes.size();
    }
}

TEST(Encoders, SampleInputsDecodeBackThroughQpdfAndPikepdf) {
    const auto inputs = kv::test::SampleInputs();
    for (const auto& encoder : kEncoders) ExpectOutsideDecodersAgree(encoder, inputs);
}

TEST(Lzw, CodeWidthChangesAndTableResetsDecodeBack) {
    // Sizes chosen so the table ends just around each width change and right at a reset.
    std::vector<kv::test::SampleInput> inputs;
    for (size_t n : {252u, 253u, 254u, 255u, 256u, 766u, 767u, 768u, 1790u, 1791u, 1792u, 3837u, 3838u, 3839u, 3840u, 9000u})
        inputs.push_back({"random " + std::to_string(n), kv::test::RandomBytes(n, static_cast<uint32_t>(n))});
    ExpectOutsideDecodersAgree(kEncoders[1], inputs);
}

TEST(Lzw, StartsWithClearAndEndsWithEndCode) {
    // "A": 256 at 9 bits, 65 at 9 bits, 257 at 9 bits, padded: 100000000 001000001 100000001 00000
    const auto out = folivo::codec::EncodeLzw(std::vector<uint8_t>{'A'});
    EXPECT_EQ(out, (std::vector<uint8_t>{0x80, 0x10, 0x60, 0x20}));
}

TEST(Ascii85AndHex, ShortLastGroupNoZAbbreviationNoHexEndMarker) {
    // Decoders accept either way; these are the forms the writer must produce.
    auto text = [](const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); };
    const std::pair<std::vector<uint8_t>, const char*> cases[] = {
        {{}, "~>"}, {{0, 0, 0, 0}, "!!!!!~>"}, {{0}, "!!~>"},
        {{'M', 'a', 'n', ' ', 'i', 's'}, "9jqo^Bla~>"}, {{255, 255, 255, 255}, "s8W-!~>"}};
    for (const auto& [input, encoded] : cases) EXPECT_EQ(text(folivo::codec::EncodeAscii85(input)), encoded);
    EXPECT_EQ(text(folivo::codec::EncodeAsciiHex(std::vector<uint8_t>{0x00, 0xAB, 0x5F, 0xFF})), "00AB5FFF");
}

TEST(FilterChain, EveryCombinationDecodesBackThroughPikepdf) {
    kv::test::TempDir dir("chain");
    const auto input = kv::test::ReportContentStream(30000);
    std::vector<kv::test::CarriedStream> streams;
    folivo::codec::DeflateScratch scratch;
    for (int32_t mode = 0; mode < 32; ++mode) {
        std::string filters;
        auto data = folivo::codec::ApplyStreamFilters(input, {mode, static_cast<uint8_t>(mode % 4)}, filters, scratch);
        streams.push_back({filters, std::move(data)});
    }
    kv::test::WriteStreamPdf(dir / "chain.pdf", streams);
    EXPECT_QPDF_CLEAN(dir / "chain.pdf");
    const auto decoded = kv::test::DecodeWithPikepdf(dir / "chain.pdf", streams.size());
    for (size_t mode = 0; mode < decoded.size(); ++mode) EXPECT_TRUE(decoded[mode] == input) << "mode " << mode;
    // Data that comes encoded (a JPEG) skips the binary stages but not the text ones.
    const std::vector<uint8_t> data{'a', 'b', 'c'};
    std::string filters = "/DCTDecode ";
    folivo::codec::ApplyStreamFilters(data, {31, 0}, filters, scratch);
    EXPECT_EQ(filters, "/ASCIIHexDecode /ASCII85Decode /DCTDecode ");
}

}  // namespace
