// Metafiles and Illustrator PostScript pictures: a red square in the top-left quarter and a blue
// one in the bottom-right quarter, drawn into a 40 x 40 point box at (100, 100) and rendered.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

// A metafile record: size in 16-bit words, function, parameters.
std::string WmfRecord(uint16_t function, const std::vector<int16_t>& params) {
    std::string r = U32(3 + static_cast<uint32_t>(params.size())) + U16(function);
    for (int16_t p : params) r += U16(static_cast<uint16_t>(p));
    return r;
}

// Two quarters on a 100 x 100 window: red brush, null pen, polygon; blue brush, polypolygon.
std::string WmfBody() {
    return std::string(18, '\0') + WmfRecord(523, {0, 0}) + WmfRecord(524, {100, 100}) +
           WmfRecord(764, {0, 0x00FF, 0, 0}) + WmfRecord(301, {0}) + WmfRecord(762, {5, 0, 0, 0, 0}) +
           WmfRecord(301, {1}) + WmfRecord(804, {4, 0, 0, 50, 0, 50, 50, 0, 50}) +
           WmfRecord(496, {0}) + WmfRecord(764, {0, 0, 0x00FF, 0}) + WmfRecord(301, {0}) +
           WmfRecord(1336, {1, 4, 50, 50, 100, 50, 100, 100, 50, 100}) + WmfRecord(0, {});
}

// A placeable header: 100 x 100 units at 180 units per inch, so 40 x 40 points.
std::string Placeable() {
    return std::string("\xD7\xCD\xC6\x9A\0\0", 6) + U16(0) + U16(0) + U16(100) + U16(100) + U16(180) +
           std::string(6, '\0');
}

const char* kEps =
    "%!PS-Adobe-3.0 EPSF-3.0\n"
    "%%BoundingBox: 0 0 100 100\n"
    "0 0 1 Xa\n"
    "%%EndProlog\n"
    "1 0 0 Xa\r"
    "0 100 m\n50 100 l\n50 50 l\n0 50 L\nf\n"
    "0 0 1 Xa\n"
    "50 50 m\n100 50 l\n100 0 l\n50 0 L\nF\nS\n"
    "/name (not drawn) def\n"
    "(text) show\n"
    "showpage\n"
    "1 0 0 Xa 0 0 m 100 0 l 100 100 l f\n";

struct Picture {
    const char* label;
    const char* name;
    std::string bytes;
    float width;  // 0: from the picture's own size (40 points for the placeable metafile)
    float height; // or from its aspect ratio
};

class VectorPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(VectorPicture, FillsTheQuartersOfItsBox) {
    const Picture& p = GetParam();
    kv::test::TempDir dir("pdf_image");
    const auto file = dir / p.name;
    kv::test::WriteFile(file, p.bytes);
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) { doc.DrawImage(file.string(), 100, 100, p.width, p.height); }), 0);
    EXPECT_QPDF_CLEAN(pdf);
    ExpectColors(Rendered(pdf), {{110, 110, {255, 0, 0}}, {130, 130, {0, 0, 255}}, {130, 110, {255, 255, 255}},
                       {110, 130, {255, 255, 255}}, {145, 145, {255, 255, 255}}},
                 0);
}

INSTANTIATE_TEST_SUITE_P(Images, VectorPicture,
                         ::testing::Values(Picture{"wmf", "q.wmf", WmfBody(), 40, 40},
                                           Picture{"wmf_placeable", "p.wmf", Placeable() + WmfBody(), 0, 0},
                                           Picture{"eps", "q.eps", kEps, 40, 40},
                                           Picture{"illustrator", "q.ai", kEps, 40, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(VectorPicture, DamagedFilesAreRecordedAndNotDrawn) {
    kv::test::TempDir dir("pdf_image");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"short.wmf", std::string(10, '\0')},
        {"past_end.wmf", std::string(18, '\0') + U32(5000) + U16(804)},
        {"zero_extent.wmf", std::string(18, '\0') + WmfRecord(524, {0, 0})},
        {"short_record.wmf", std::string(18, '\0') + WmfRecord(804, {30, 0, 0})},
        {"no_box.eps", "%!PS-Adobe-3.0 EPSF-3.0\n0 0 m\n"},
        {"missing.eps", ""}};
    const auto pdf = dir / "page.pdf";
    WritePage(pdf, [&](Folivo& doc) {
        for (const auto& [name, bytes] : files) {
            if (!bytes.empty()) kv::test::WriteFile(dir / name, bytes);
            doc.DrawImage((dir / name).string(), 100, 100, 40, 40);
            EXPECT_EQ(doc.ErrNumber(), bytes.empty() ? 53 : 321) << name;
            EXPECT_TRUE(doc.ErrDescription().starts_with((dir / name).string() + " - ")) << doc.ErrDescription();
        }
    });
    EXPECT_QPDF_CLEAN(pdf);
    ExpectColors(Rendered(pdf), {{101, 101, {255, 255, 255}}, {130, 130, {255, 255, 255}}}, 0);
}

}  // namespace
}  // namespace folivo::test
