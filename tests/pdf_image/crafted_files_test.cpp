// Picture files built byte by byte: layouts ImageMagick does not write (RLE4 and top-down bitmaps,
// bottom-origin TGA), and damaged files, which must be recorded as errors and leave a valid page without them.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

// A BMP with a 40-byte header, a palette of `palette` (B, G, R, 0 entries) and `data`.
std::string Bmp(int32_t width, int32_t height, uint32_t bits, uint32_t compression, const std::string& palette,
                const std::string& data) {
    const uint32_t offset = 54 + static_cast<uint32_t>(palette.size());
    return "BM" + U32(offset + static_cast<uint32_t>(data.size())) + U32(0) + U32(offset) + U32(40) +
           U32(static_cast<uint32_t>(width)) + U32(static_cast<uint32_t>(height)) + U16(1) + U16(bits) +
           U32(compression) + U32(static_cast<uint32_t>(data.size())) + U32(2835) + U32(2835) + U32(0) + U32(0) +
           palette + data;
}

// Palette of 16 entries: 0 black, 1 red, 2 blue, the rest black.
const std::string kPalette16 = std::string("\0\0\0\0\0\0\xFF\0\xFF\0\0\0", 12) + std::string(13 * 4, '\0');

// A TGA header: image type, size, depth, descriptor; no identification field or colour map.
std::string Tga(uint8_t type, uint16_t width, uint16_t height, uint8_t depth, uint8_t descriptor) {
    return std::string("\0\0", 2) + static_cast<char>(type) + std::string(9, '\0') + U16(width) + U16(height) +
           static_cast<char>(depth) + static_cast<char>(descriptor);
}

// A 2 x 2 GIF with a two-colour global table whose image data is `lzw` (code size 2).
std::string Gif(const std::string& lzw) {
    return "GIF89a" + U16(2) + U16(2) + std::string("\x80\0\0", 3) + std::string("\xFF\0\0\0\0\xFF", 6) + "," +
           U16(0) + U16(0) + U16(2) + U16(2) + std::string("\0\x02", 2) + static_cast<char>(lzw.size()) + lzw +
           std::string("\0;", 2);
}

struct Layout {
    const char* name;
    std::string bytes;
    float width;  // drawn width in points, so each pixel is 10 x 10
};

// Each file is a 2-row picture: top row blue, red; bottom row red, blue (the RLE4 bitmap repeats
// that over 4 columns). They are drawn side by side, 100 points apart.
TEST(CraftedLayout, RowsLandInTheirPlace) {
    const std::vector<Layout> files = {
        // Bottom row: a run of 1, 2, 1, 2; top row: literal 2, 1, 2, 1; end of bitmap.
        {"r.bmp", Bmp(4, 2, 4, 2, kPalette16, std::string("\x04\x12\0\0\0\x04\x21\x21\0\x01", 10)), 40},
        {"b.tga", Tga(2, 2, 2, 24, 0) + std::string("\0\0\xFF\xFF\0\0\xFF\0\0\0\0\xFF", 12), 20},
        // A literal packet of one blue pixel, a run of two red ones, a literal blue one.
        {"t.tga", Tga(10, 2, 2, 32, 0x28) + std::string("\0\xFF\0\0\xFF\x81\0\0\xFF\xFF\0\xFF\0\0\xFF", 15), 20},
        // A negative height: the top row comes first. Rows of two BGR pixels padded to 8 bytes.
        {"d.bmp", Bmp(2, -2, 24, 0, "", std::string("\xFF\0\0\0\0\xFF\0\0\0\0\xFF\xFF\0\0\0\0", 16)), 20},
    };
    kv::test::TempDir dir("pdf_image");
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) {
                  float x = 0;
                  for (const auto& f : files) {
                      kv::test::WriteFile(dir / f.name, f.bytes);
                      doc.DrawImage((dir / f.name).string(), x += 100, 100, f.width, 20);
                  }
              }),
              0);
    EXPECT_QPDF_CLEAN(pdf);
    const Rendered page(pdf);
    for (int i = 0; i < static_cast<int>(files.size()); ++i) {
        SCOPED_TRACE(files[static_cast<size_t>(i)].name);
        const int x = 100 * (i + 1);
        ExpectColors(page, {{x + 5, 105, {0, 0, 255}}, {x + 15, 105, {255, 0, 0}}, {x + 5, 115, {255, 0, 0}},
                            {x + 15, 115, {0, 0, 255}}}, 0);
    }
}

struct Damaged {
    const char* name;
    std::string bytes;  // not written when empty: the file is missing
    int32_t error;
};

const std::string kTwoByTwo24 = std::string(16, '\x7F');
// A PNG header (2 x 2 grey, then `height` and the header's CRC) and the data of a 2 x 2 picture.
std::string PngHeader(char height, const char* crc) {
    return std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x02\0\0\0", 23) + height +
           std::string("\x08\0\0\0\0", 5) + crc;
}
const std::string kPngData("\0\0\0\x0EIDATx\x9C\x63\x10\x50\x60\x30\x70\0\0\x01\x76\0\xA1\xEC\x30\x8A\xF4"
                           "\0\0\0\0IEND\xAE\x42\x60\x82",
                           38);

// Every file is recorded under its own name and leaves a valid page without a picture.
TEST(DamagedFile, IsRecordedAndNotDrawn) {
    const std::vector<Damaged> files = {
        {"none.bmp", "", 53},  // missing
        {"p.png", "\x89PNG", 321},
        {"s.bmp", "XY" + Bmp(2, 2, 24, 0, "", kTwoByTwo24).substr(2), 321},
        {"h.bmp", "BM" + std::string(20, '\0'), 321},
        {"r.bmp", Bmp(200, 200, 24, 0, "", kTwoByTwo24), 321},
        {"z.bmp", Bmp(0, 2, 24, 0, "", kTwoByTwo24), 321},
        {"g.bmp", Bmp(100000, 100000, 24, 0, "", kTwoByTwo24), 321},
        {"p.bmp", Bmp(2, 2, 8, 0, "", std::string(8, '\0')), 321},
        {"e.bmp", Bmp(4, 2, 4, 2, kPalette16, std::string("\x04\x12", 2)), 321},
        // Pictures that claim far more pixels than their data can describe: refused before any
        // allocation (each once made a PDF of 16 or 64 MB).
        {"b.bmp", Bmp(8000, 8000, 8, 1, std::string(1024, '\0'), std::string("\0\x01", 2)), 321},
        {"b.gif", Gif("\x4C\x0A").replace(13 + 6 + 5, 4, U16(4000) + U16(4000)), 321},
        {"s.gif", "GIF88a" + Gif("").substr(6), 321},
        {"t.gif", Gif(std::string("\x4C\x0A", 2)).substr(0, 30), 321},
        {"c.gif", Gif("\x3C"), 321},  // clear, then code 7 with 6 the next free
        {"z.gif", "GIF89a" + U16(0) + U16(0) + std::string("\0\0\0,", 4) + U16(0) + U16(0) + U16(0) + U16(0) +
                      std::string("\0\x02\0;", 4), 321},
        {"m.tga", Tga(1, 2, 2, 24, 0) + kTwoByTwo24, 321},
        {"d.tga", Tga(3, 2, 2, 16, 0) + kTwoByTwo24, 321},  // 16-bit grey
        {"r.tga", Tga(2, 200, 2, 24, 0) + kTwoByTwo24, 321},
        {"u.tga", Tga(10, 2, 2, 24, 0) + std::string("\x83\0\0", 3), 321},
        {"c.png", PngHeader('\x02', "\x57\xDD\x52\xF9") + kPngData, 321},  // a wrong header CRC
        {"d.png", PngHeader('\x03', "\x9C\x81\x81\x5D") + kPngData, 321},  // data short of the header's size
        {"n.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF") + std::string(30, '\0'), 321},
        {"l.jpg", std::string("\xFF\xD8\xFF\xE0\xFF\xF0", 6) + std::string(20, 'x'), 321},
    };
    kv::test::TempDir dir("pdf_image");
    const auto pdf = dir / "page.pdf";
    WritePage(pdf, [&](Folivo& doc) {
        for (const Damaged& d : files) {
            const auto picture = dir / d.name;
            if (!d.bytes.empty()) kv::test::WriteFile(picture, d.bytes);
            doc.DrawImage(picture.string(), 100, 100, 20, 20);
            EXPECT_EQ(doc.ErrNumber(), d.error) << d.name;
            EXPECT_EQ(doc.ErrSource(), "Folivo.DrawImage");
            EXPECT_TRUE(doc.ErrDescription().starts_with(picture.string() + " - ")) << doc.ErrDescription();
        }
    });
    EXPECT_QPDF_CLEAN(pdf);
    EXPECT_EQ(ImageInfo(pdf), std::vector<std::string>{"do 0"});
}

}  // namespace
}  // namespace folivo::test
