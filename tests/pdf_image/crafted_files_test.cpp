// Picture files built byte by byte: layouts ImageMagick does not write (RLE4 and top-down bitmaps,
// bottom-origin TGA), and damaged files, which must be recorded as errors and leave a valid page without them.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

std::string U16(uint32_t v) { return {static_cast<char>(v & 255), static_cast<char>(v >> 8 & 255)}; }
std::string U32(uint32_t v) { return U16(v & 0xFFFF) + U16(v >> 16); }

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
    const char* label;
    const char* name;
    std::string bytes;
    float width;  // drawn width in points, so each pixel is 10 x 10
};

class CraftedLayout : public ::testing::TestWithParam<Layout> {};

// Each file is a 2-row picture drawn at (100, 100) with 10-point pixels: top row blue, red;
// bottom row red, blue (the RLE4 bitmap repeats that over 4 columns).
TEST_P(CraftedLayout, RowsLandInTheirPlace) {
    kv::test::TempDir dir("pdf_image");
    const auto picture = dir / GetParam().name;
    kv::test::WriteFile(picture, GetParam().bytes);
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) { doc.DrawImage(picture.string(), 100, 100, GetParam().width, 20); }),
              0);
    EXPECT_QPDF_CLEAN(pdf);
    ExpectColors(Rendered(pdf), {{105, 105, {0, 0, 255}}, {115, 105, {255, 0, 0}}, {105, 115, {255, 0, 0}},
                       {115, 115, {0, 0, 255}}},
                 0);
}

INSTANTIATE_TEST_SUITE_P(
    Images, CraftedLayout,
    ::testing::Values(
        // Bottom row: a run of 1, 2, 1, 2; top row: literal 2, 1, 2, 1; end of bitmap.
        Layout{"bmp_rle4", "r.bmp",
               Bmp(4, 2, 4, 2, kPalette16, std::string("\x04\x12\0\0\0\x04\x21\x21\0\x01", 10)), 40},
        Layout{"tga_bottom_origin", "b.tga",
               Tga(2, 2, 2, 24, 0) + std::string("\0\0\xFF\xFF\0\0\xFF\0\0\0\0\xFF", 12), 20},
        // A literal packet of one blue pixel, a run of two red ones, a literal blue one.
        Layout{"tga_rle_top_origin", "t.tga",
               Tga(10, 2, 2, 32, 0x28) + std::string("\0\xFF\0\0\xFF\x81\0\0\xFF\xFF\0\xFF\0\0\xFF", 15), 20},
        // A negative height: the top row comes first. Rows of two BGR pixels padded to 8 bytes.
        Layout{"bmp_top_down", "d.bmp",
               Bmp(2, -2, 24, 0, "", std::string("\xFF\0\0\0\0\xFF\0\0\0\0\xFF\xFF\0\0\0\0", 16)), 20}),
    [](const auto& info) { return std::string(info.param.label); });

struct Damaged {
    const char* label;
    const char* name;
    std::string bytes;  // not written when empty: the file is missing
    int32_t error;
};

class DamagedFile : public ::testing::TestWithParam<Damaged> {};

TEST_P(DamagedFile, IsRecordedAndNotDrawn) {
    const Damaged& d = GetParam();
    kv::test::TempDir dir("pdf_image");
    const auto picture = dir / d.name;
    if (!d.bytes.empty()) kv::test::WriteFile(picture, d.bytes);
    const auto pdf = dir / "page.pdf";
    std::string source;
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) {
                  doc.DrawImage(picture.string(), 100, 100, 20, 20);
                  source = doc.ErrSource();
              }),
              d.error);
    EXPECT_EQ(source, "Folivo.DrawImage");
    EXPECT_QPDF_CLEAN(pdf);
    EXPECT_EQ(ImageInfo(pdf), std::vector<std::string>{"do 0"});
}

const std::string kTwoByTwo24 = std::string(16, '\x7F');
// A PNG header (2 x 2 grey, then `height` and the header's CRC) and the data of a 2 x 2 picture.
std::string PngHeader(char height, const char* crc) {
    return std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x02\0\0\0", 23) + height +
           std::string("\x08\0\0\0\0", 5) + crc;
}
const std::string kPngData("\0\0\0\x0EIDATx\x9C\x63\x10\x50\x60\x30\x70\0\0\x01\x76\0\xA1\xEC\x30\x8A\xF4"
                           "\0\0\0\0IEND\xAE\x42\x60\x82",
                           38);

INSTANTIATE_TEST_SUITE_P(
    Images, DamagedFile,
    ::testing::Values(
        Damaged{"missing", "none.bmp", "", 53},
        Damaged{"unknown_type", "p.png", "\x89PNG", 321},
        Damaged{"bmp_signature", "s.bmp", "XY" + Bmp(2, 2, 24, 0, "", kTwoByTwo24).substr(2), 321},
        Damaged{"bmp_short_header", "h.bmp", "BM" + std::string(20, '\0'), 321},
        Damaged{"bmp_rows_past_end", "r.bmp", Bmp(200, 200, 24, 0, "", kTwoByTwo24), 321},
        Damaged{"bmp_zero_width", "z.bmp", Bmp(0, 2, 24, 0, "", kTwoByTwo24), 321},
        Damaged{"bmp_huge", "g.bmp", Bmp(100000, 100000, 24, 0, "", kTwoByTwo24), 321},
        Damaged{"bmp_palette_past_end", "p.bmp", Bmp(2, 2, 8, 0, "", std::string(8, '\0')), 321},
        Damaged{"bmp_rle_without_end", "e.bmp", Bmp(4, 2, 4, 2, kPalette16, std::string("\x04\x12", 2)), 321},
        // Pictures that claim far more pixels than their data can describe: refused before any
        // allocation (each once made a PDF of 16 or 64 MB).
        Damaged{"bmp_rle_bomb", "b.bmp", Bmp(8000, 8000, 8, 1, std::string(1024, '\0'), std::string("\0\x01", 2)), 321},
        Damaged{"gif_bomb", "b.gif", Gif("\x4C\x0A").replace(13 + 6 + 5, 4, U16(4000) + U16(4000)), 321},
        Damaged{"gif_signature", "s.gif", "GIF88a" + Gif("").substr(6), 321},
        Damaged{"gif_truncated", "t.gif", Gif(std::string("\x4C\x0A", 2)).substr(0, 30), 321},
        Damaged{"gif_bad_code", "c.gif", Gif("\x3C"), 321},  // clear, then code 7 with 6 the next free
        Damaged{"gif_zero_size", "z.gif", "GIF89a" + U16(0) + U16(0) + std::string("\0\0\0,", 4) + U16(0) + U16(0) +
                                              U16(0) + U16(0) + std::string("\0\x02\0;", 4),
                321},
        Damaged{"tga_colour_mapped", "m.tga", Tga(1, 2, 2, 24, 0) + kTwoByTwo24, 321},
        Damaged{"tga_16_bit_grey", "d.tga", Tga(3, 2, 2, 16, 0) + kTwoByTwo24, 321},
        Damaged{"tga_rows_past_end", "r.tga", Tga(2, 200, 2, 24, 0) + kTwoByTwo24, 321},
        Damaged{"tga_run_past_end", "u.tga", Tga(10, 2, 2, 24, 0) + std::string("\x83\0\0", 3), 321},
        Damaged{"png_crc", "c.png", PngHeader('\x02', "\x57\xDD\x52\xF9") + kPngData, 321},
        Damaged{"png_data_short", "d.png", PngHeader('\x03', "\x9C\x81\x81\x5D") + kPngData, 321},
        Damaged{"jpeg_without_frame", "n.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF") + std::string(30, '\0'),
                321},
        Damaged{"jpeg_segment_past_end", "l.jpg", std::string("\xFF\xD8\xFF\xE0\xFF\xF0", 6) + std::string(20, 'x'),
                321}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace folivo::test
