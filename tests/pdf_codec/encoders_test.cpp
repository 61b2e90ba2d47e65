// Run-length, LZW, base-85 and hexadecimal output carried in PDF files and decoded by qpdf,
// pikepdf; plus the shape rules strict decoders depend on.

#include <gtest/gtest.h>

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/ascii_hex.hpp"
#include "pdf/codec/filter_chain.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"
#include "tests/pdf_codec/sample_inputs.hpp"
#include "tests/pdf_support/mini_pdf.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

using Bytes = std::vector<uint8_t>;
using Encoder = Bytes (*)(std::span<const uint8_t>);

struct NamedEncoder {
    const char* filter;
    Encoder encode;
};

const NamedEncoder kEncoders[] = {
    {"/RunLengthDecode", codec::EncodeRunLength},
    {"/LZWDecode", codec::EncodeLzw},
    {"/ASCII85Decode", codec::EncodeAscii85},
    {"/ASCIIHexDecode", codec::EncodeAsciiHex},
};

struct CarriedStream {
    std::string filters;  // e.g. "/LZWDecode"; empty for none
    Bytes data;
};

// Carries the streams as objects 4.. of a one-page PDF made by hand, apart from the writer; checks
// the file with qpdf and returns what pikepdf decodes from them.
std::vector<Bytes> DecodedByPikepdf(const std::vector<CarriedStream>& streams) {
    kv::test::TempDir dir("codec");
    MiniPdf pdf;
    pdf.bodies = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Count 1 /Kids [3 0 R] >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources << >> >>"};
    for (const auto& s : streams)
        pdf.bodies.push_back(StreamBody({s.data.begin(), s.data.end()}, s.filters.empty() ? "" : "/Filter [" + s.filters + "]"));
    kv::test::WriteFile(dir / "streams.pdf", pdf.Build());
    EXPECT_QPDF_CLEAN(dir / "streams.pdf");
    const Readback rb(dir / "streams.pdf");
    std::vector<Bytes> decoded;
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string& bytes = rb.Stream(static_cast<int>(4 + i));
        decoded.emplace_back(bytes.begin(), bytes.end());
    }
    return decoded;
}

// Encodes every input and compares what pikepdf decodes with the inputs.
void ExpectOutsideDecodersAgree(const NamedEncoder& encoder, const std::vector<kv::test::SampleInput>& inputs) {
    SCOPED_TRACE(encoder.filter);
    std::vector<CarriedStream> streams;
    for (const auto& input : inputs) streams.push_back({encoder.filter, encoder.encode(input.bytes)});
    const auto decoded = DecodedByPikepdf(streams);
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

TEST(Encoders, ExactFormsTheWriterMustProduce) {
    // Decoders accept other forms too. LZW opens with a clear code and closes with the end code:
    // "A" is 256, 65, 257 at 9 bits, padded: 100000000 001000001 100000001 00000.
    EXPECT_EQ(codec::EncodeLzw(Bytes{'A'}), (Bytes{0x80, 0x10, 0x60, 0x20}));
    // Base-85 keeps a short last group and never abbreviates to "z"; hex has no end marker.
    auto text = [](const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); };
    const std::pair<Bytes, const char*> cases[] = {
        {{}, "~>"}, {{0, 0, 0, 0}, "!!!!!~>"}, {{0}, "!!~>"},
        {{'M', 'a', 'n', ' ', 'i', 's'}, "9jqo^Bla~>"}, {{255, 255, 255, 255}, "s8W-!~>"}};
    for (const auto& [input, encoded] : cases) EXPECT_EQ(text(codec::EncodeAscii85(input)), encoded);
    EXPECT_EQ(text(codec::EncodeAsciiHex(Bytes{0x00, 0xAB, 0x5F, 0xFF})), "00AB5FFF");
}

TEST(FilterChain, EveryCombinationDecodesBackThroughPikepdf) {
    const auto input = kv::test::ReportContentStream(30000);
    std::vector<CarriedStream> streams;
    codec::DeflateScratch scratch;
    for (int32_t mode = 0; mode < 32; ++mode) {
        std::string filters;
        auto data = codec::ApplyStreamFilters(input, {mode, static_cast<uint8_t>(mode % 4)}, filters, scratch);
        streams.push_back({filters, std::move(data)});
    }
    const auto decoded = DecodedByPikepdf(streams);
    for (size_t mode = 0; mode < decoded.size(); ++mode) EXPECT_TRUE(decoded[mode] == input) << "mode " << mode;
    // Data that comes encoded (a JPEG) skips the binary stages but not the text ones.
    std::string filters = "/DCTDecode ";
    codec::ApplyStreamFilters(Bytes{'a', 'b', 'c'}, {31, 0}, filters, scratch);
    EXPECT_EQ(filters, "/ASCIIHexDecode /ASCII85Decode /DCTDecode ");
}

}  // namespace
}  // namespace folivo::test
