// Raster pictures made by ImageMagick, drawn and read back: the image dictionary through pikepdf and
// the rendered colours through pdftoppm. First each reader's formats, then where and how often a
// picture is drawn: reuse of one image object, GIF frames, sizes that follow the picture's aspect
// ratio, colour keys, and pictures drawn before the file was open.

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
    std::string drawing = kQuarters;
    std::vector<ColorAt> points = kQuarterPoints;
};

// Black left half, white right half, for the one-bit and grey pictures.
const std::string kHalves = "-size 20x20 xc:white -fill black -draw 'rectangle 0,0 9,19'";
const std::vector<ColorAt> kHalfPoints = {{110, 120, {0, 0, 0}}, {130, 120, {255, 255, 255}}};

class RasterFormat : public ::testing::TestWithParam<Sample> {};

TEST_P(RasterFormat, DrawsUprightWithTheFileSizeAndColourSpace) {
    const Sample& s = GetParam();
    kv::test::TempDir dir("pdf_image");
    const auto picture = MakeSample(dir, s.drawing + " " + s.args, s.name, s.coder);
    const auto pdf = WritePage(dir, [&](Folivo& doc) { doc.DrawImage(picture.string(), 100, 100, 40, 40); });
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 2u);
    EXPECT_TRUE(info[0].starts_with("/_IMG_1 ") && info[0].ends_with("/Width 20 >>")) << info[0];
    EXPECT_NE(info[0].find(s.info), std::string::npos) << info[0];
    EXPECT_EQ(info[1], "do 1");
    ExpectColors(Rendered(pdf), s.points, s.tolerance);
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
        Sample{"jpeg_rgb", "-quality 95", "c.jpg", "", "/BitsPerComponent 8 /ColorSpace /DeviceRGB /Filter [ /DCTDecode ] /Height 20 ", 40},
        Sample{"bmp1", "-type Bilevel", "b.bmp", "BMP3", "/BitsPerComponent 1 /ColorSpace [ /Indexed /DeviceRGB 1 palette:6 ]", 0,
               kHalves, kHalfPoints},
        Sample{"jpeg_grey", "-colorspace Gray -quality 95", "g.jpg", "", "/BitsPerComponent 8 /ColorSpace /DeviceGray /Filter [ /DCTDecode ]",
               30, kHalves, kHalfPoints}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Placement, OnePictureIsOneObjectMissingSizesFollowItsRatioAndColourKeysHide) {
    kv::test::TempDir dir("pdf_image");
    const auto bmp = MakeSample(dir, kQuarters, "q.bmp", "BMP3");
    const auto rgb = MakeSample(dir, kQuarters + " -type TrueColor", "t.bmp", "BMP3");
    const auto indexed = MakeSample(dir, kQuarters + " -type Palette", "p.bmp", "BMP3");
    const auto gif = MakeSample(dir, kQuarters + " -transparent blue", "t.gif");
    const auto wide = MakeSample(dir, "-size 20x10 xc:red -type TrueColor", "wide.bmp", "BMP3");
    Area area;
    const auto pdf = WritePage(dir, [&](Folivo& doc) {
        doc.DrawImage(bmp.string(), 100, 100, 40, 40);
        doc.DrawImage(bmp.string(), 200, 100, 40, 40);
        doc.DrawImage(rgb.string(), 300, 100, 40, 40, 1, "#0000FF");
        doc.DrawImage(indexed.string(), 400, 100, 40, 40, 1, "#0000FF");
        doc.DrawImage(gif.string(), 500, 100, 40, 40);
        doc.DrawImage(wide.string(), 100, 300, 0, 50);  // 100 x 50
        doc.DrawImage(wide.string(), 300, 300, 40, 0);  // 40 x 20
        area = doc.LastArea();
        doc.DrawImage(wide.string(), 100, 400);  // 20 x 10, a pixel per point
    });
    EXPECT_FLOAT_EQ(area.x1, 300);
    EXPECT_FLOAT_EQ(area.x2, 340);
    EXPECT_FLOAT_EQ(area.y2 - area.y1, 20);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 6u);
    EXPECT_EQ(info[5], "do 8");
    EXPECT_TRUE(Contains(info[1], "/Mask [ 0 0 0 0 255 255 ]")) << info[1];
    EXPECT_TRUE(Contains(info[2], "/Mask [ 2 2 ]")) << info[2];  // an index pair
    EXPECT_TRUE(Contains(info[3], "/Mask [ 2 2 ]")) << info[3];
    ExpectColors(Rendered(pdf), {{110, 110, {0, 255, 0}},       {230, 130, {255, 0, 0}},      {210, 110, {0, 255, 0}},
                                 {330, 110, {255, 255, 255}},   {430, 110, {255, 255, 255}},  {530, 110, {255, 255, 255}},
                                 {310, 110, {0, 255, 0}},       {410, 110, {0, 255, 0}},      {510, 130, {255, 0, 0}},
                                 {195, 345, {255, 0, 0}},       {205, 345, {255, 255, 255}},  {195, 355, {255, 255, 255}},
                                 {338, 318, {255, 0, 0}},       {338, 322, {255, 255, 255}},  {118, 408, {255, 0, 0}},
                                 {122, 408, {255, 255, 255}}},
                 0);
}

TEST(Placement, EachGifFrameIsItsOwnImageAndAMissingFrameIsRecorded) {
    kv::test::TempDir dir("pdf_image");
    const auto gif = MakeSample(dir, "-size 20x20 xc:red xc:blue", "two.gif");
    const auto pdf = WritePage(dir, [&](Folivo& doc) {
        for (int32_t frame = 1; frame <= 3; ++frame) doc.DrawImage(gif.string(), 100.0f * frame, 100, 20, 20, frame);
        EXPECT_EQ(doc.ErrSource(), "Folivo.DrawImage");
    }, 321);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 3u);
    EXPECT_EQ(info[2], "do 2");
    ExpectColors(Rendered(pdf), {{110, 110, {255, 0, 0}}, {210, 110, {0, 0, 255}}, {310, 110, {255, 255, 255}}}, 0);
}

TEST(Placement, PictureDrawnBeforeTheFileIsOpenIsWrittenAtTheEnd) {
    kv::test::TempDir dir("pdf_image");
    const auto pdf = dir / "page.pdf";
    const auto tga = MakeSample(dir, kQuarters + " -orient TopLeft", "q.tga");
    Folivo doc;
    doc.BeginPage();
    doc.DrawImage(tga.string(), 100, 100, 40, 40);
    doc.BeginDoc(pdf.string());
    doc.EndDoc();
    EXPECT_QPDF_CLEAN(pdf);
    ExpectColors(Rendered(pdf), kQuarterPoints, 0);
}

}  // namespace
}  // namespace folivo::test
