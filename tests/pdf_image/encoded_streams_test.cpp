// Image streams go through the document's encoders and encryption like every stream, except
// that JPEG data keep their own DCTDecode filter and are not compressed again.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

TEST(EncodedImageStreams, CompressedAndProtectedImagesStillRender) {
    kv::test::TempDir dir("pdf_image");
    const auto bmp = MakeSample(dir, kQuarters + " -type Palette", "q.bmp", "BMP3");
    const auto jpg = MakeSample(dir, kQuarters + " -quality 95", "q.jpg");
    const auto pdf = dir / "page.pdf";
    {
        Folivo doc;
        doc.SetCompression(2 | 8);  // Flate, then base-85
        doc.SetProtection(0, "owner", "");
        doc.BeginDoc(pdf.string());
        doc.BeginPage();
        doc.DrawImage(bmp.string(), 100, 100, 40, 40);
        doc.DrawImage(jpg.string(), 200, 100, 40, 40);
        doc.EndDoc();
    }
    EXPECT_QPDF_CLEAN(pdf);
    const auto info = ImageInfo(pdf);
    ASSERT_EQ(info.size(), 3u);
    EXPECT_NE(info[0].find("[/ASCII85Decode /FlateDecode]"), std::string::npos) << info[0];
    EXPECT_NE(info[1].find("[/ASCII85Decode /DCTDecode]"), std::string::npos) << info[1];
    ExpectColors(pdf, kQuarterPoints, 0);
    ExpectColors(pdf, {{"210,110", {0, 255, 0}}, {"230,110", {0, 0, 255}}, {"220,130", {255, 0, 0}}}, 40);
}

}  // namespace
}  // namespace folivo::test
