// Raster pictures of each reader, made by ImageMagick, drawn and read back: the image dictionary
// through pikepdf and the rendered colours through pdftoppm.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

struct Sample {
    const char* label;
    std::string args;   // convert arguments after the drawing
    const char* name;   // file name (its extension chooses the reader)
    const char* coder;  // ImageMagick output coder, or ""
    const char* info;   // part of the image dictionary
    int tolerance;
};

class RasterFormat : public ::testing::TestWithParam<Sample> {};

TEST_P(RasterFormat, DrawsUprightWithTheFileSizeAndColourSpace) {
    const Sample& s = GetParam();
    kv::test::TempDir dir("pdf_image");
    const auto picture = MakeSample(dir, kQuarters + " " + s.args, s.name, s.coder);
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) { doc.DrawImage(picture.string(), 100, 100, 40, 40); }), 0);
    EXPECT_QPDF_CLEAN(pdf);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 2u);
    EXPECT_TRUE(info[0].starts_with("/_IMG_1 ") && info[0].ends_with("/Width 20 >>")) << info[0];
    EXPECT_NE(info[0].find(s.info), std::string::npos) << info[0];
    EXPECT_EQ(info[1], "do 1");
    ExpectColors(Rendered(pdf), kQuarterPoints, s.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Images, RasterFormat,
    ::testing::Values(
        Sample{"bmp4", "-type Palette", "q.bmp", "BMP3", "/BitsPerComponent 4 /ColorSpace [ /Indexed /DeviceRGB 15 palette:48 ]", 0},
        Sample{"bmp8", "-type Palette -colors 3 -compress None -depth 8 +dither -define bmp:ppm=1", "q8.bmp",
               "BMP3", "/Height 20 ", 0},
        Sample{"bmp8rle", "-type Palette -compress RLE", "r.bmp", "BMP3", "/BitsPerComponent 8 /ColorSpace [ /Indexed /DeviceRGB 255 palette:768 ]",
               0},
        Sample{"bmp24", "-type TrueColor", "t.bmp", "BMP3", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Height 20 ", 0},
        Sample{"bmp32", "-type TrueColorAlpha", "a.bmp", "BMP", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Height 20 ", 0},
        Sample{"gif", "", "q.gif", "", "/BitsPerComponent 2 /ColorSpace [ /Indexed /DeviceRGB 3 palette:12 ]", 0},
        Sample{"gif_interlaced", "-interlace GIF", "i.gif", "", "/BitsPerComponent 2 /ColorSpace [ /Indexed /DeviceRGB 3 palette:12 ]", 0},
        // This ImageMagick stores bottom-origin TGA rows top first, so its files are made top-origin.
        Sample{"tga32", "-orient TopLeft", "q.tga", "", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Height 20 ", 0},
        Sample{"tga24_rle", "-type TrueColor -orient TopLeft -compress RLE", "r.tga", "", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Height 20 ",
               0},
        Sample{"jpeg_rgb", "-quality 95", "c.jpg", "", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Filter [ /DCTDecode ] /Height 20 ", 40}),
    [](const auto& info) { return std::string(info.param.label); });

// One-bit and grey pictures, whose colours are black and white.
TEST(RasterFormat, BilevelBmpAndGreyJpegKeepBlackLeftWhiteRight) {
    kv::test::TempDir dir("pdf_image");
    const std::string halves = "-size 20x20 xc:white -fill black -draw 'rectangle 0,0 9,19'";
    const auto bmp = MakeSample(dir, halves + " -type Bilevel", "b.bmp", "BMP3");
    const auto jpg = MakeSample(dir, halves + " -colorspace Gray -quality 95", "g.jpg");
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) {
                  doc.DrawImage(bmp.string(), 100, 100, 40, 40);
                  doc.DrawImage(jpg.string(), 200, 100, 40, 40);
              }),
              0);
    EXPECT_QPDF_CLEAN(pdf);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 3u);
    EXPECT_TRUE(Contains(info[0], "/BitsPerComponent 1 /ColorSpace [ /Indexed /DeviceRGB 1 palette:6 ]")) << info[0];
    EXPECT_TRUE(Contains(info[1], "/BitsPerComponent 8 /ColorSpace /DeviceGray /Filter [ /DCTDecode ]")) << info[1];
    ExpectColors(Rendered(pdf), {{110, 120, {0, 0, 0}}, {130, 120, {255, 255, 255}}, {210, 120, {0, 0, 0}},
                       {230, 120, {255, 255, 255}}},
                 30);
}

}  // namespace
}  // namespace folivo::test
