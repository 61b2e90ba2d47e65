// Where and how often a picture is drawn: reuse of one image object, GIF frames, sizes that follow
// the picture's aspect ratio, colour keys, and pictures drawn before the file was open.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

class Placement : public ::testing::Test {
protected:
    kv::test::TempDir dir{"pdf_image"};
    std::filesystem::path pdf = dir / "page.pdf";
};

TEST_F(Placement, OnePictureIsOneObjectMissingSizesFollowItsRatioAndColourKeysHide) {
    const auto bmp = MakeSample(dir, kQuarters, "q.bmp", "BMP3");
    const auto rgb = MakeSample(dir, kQuarters + " -type TrueColor", "t.bmp", "BMP3");
    const auto indexed = MakeSample(dir, kQuarters + " -type Palette", "p.bmp", "BMP3");
    const auto gif = MakeSample(dir, kQuarters + " -transparent blue", "t.gif");
    const auto wide = MakeSample(dir, "-size 20x10 xc:red -type TrueColor", "wide.bmp", "BMP3");
    Area area;
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) {
                  doc.DrawImage(bmp.string(), 100, 100, 40, 40);
                  doc.DrawImage(bmp.string(), 200, 100, 40, 40);
                  doc.DrawImage(rgb.string(), 300, 100, 40, 40, 1, "#0000FF");
                  doc.DrawImage(indexed.string(), 400, 100, 40, 40, 1, "#0000FF");
                  doc.DrawImage(gif.string(), 500, 100, 40, 40);
                  doc.DrawImage(wide.string(), 100, 300, 0, 50);  // 100 x 50
                  doc.DrawImage(wide.string(), 300, 300, 40, 0);  // 40 x 20
                  area = doc.LastArea();
                  doc.DrawImage(wide.string(), 100, 400);  // 20 x 10, a pixel per point
              }),
              0);
    EXPECT_QPDF_CLEAN(pdf);
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

TEST_F(Placement, EachGifFrameIsItsOwnImageAndAMissingFrameIsRecorded) {
    const auto gif = MakeSample(dir, "-size 20x20 xc:red xc:blue", "two.gif");
    int32_t missingFrameError = 0;
    WritePage(pdf, [&](Folivo& doc) {
        doc.DrawImage(gif.string(), 100, 100, 20, 20, 1);
        doc.DrawImage(gif.string(), 200, 100, 20, 20, 2);
        doc.DrawImage(gif.string(), 300, 100, 20, 20, 3);
        missingFrameError = doc.ErrNumber();
        EXPECT_EQ(doc.ErrSource(), "Folivo.DrawImage");
    });
    EXPECT_EQ(missingFrameError, 321);
    EXPECT_QPDF_CLEAN(pdf);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 3u);
    EXPECT_EQ(info[2], "do 2");
    ExpectColors(Rendered(pdf), {{110, 110, {255, 0, 0}}, {210, 110, {0, 0, 255}}, {310, 110, {255, 255, 255}}}, 0);
}

TEST_F(Placement, PictureDrawnBeforeTheFileIsOpenIsWrittenAtTheEnd) {
    const auto tga = MakeSample(dir, kQuarters + " -orient TopLeft", "q.tga");
    {
        Folivo doc;
        doc.BeginPage();
        doc.DrawImage(tga.string(), 100, 100, 40, 40);
        doc.BeginDoc(pdf.string());
        doc.EndDoc();
    }
    EXPECT_QPDF_CLEAN(pdf);
    ExpectColors(Rendered(pdf), kQuarterPoints, 0);
}

}  // namespace
}  // namespace folivo::test
