// Picture files built byte by byte: layouts ImageMagick does not write (RLE4 and top-down bitmaps,
// bottom-origin TGA); metafiles and PostScript pictures, a red square in the top-left quarter and a
// blue one in the bottom-right quarter of a 40 x 40 point box at (100, 100), each file reaching them
// by a different road (records, procedures, transformations, damaged lines); and damaged files,
// which must be recorded as errors and leave a valid page without them.

#include <gtest/gtest.h>

#include "tests/pdf_image/image_test_support.hpp"

namespace folivo::test {
namespace {

// A metafile record: size in 16-bit words, function, parameters, then `bytes` padded to whole words.
std::string WmfRecord(uint16_t function, const std::vector<int16_t>& params, std::string bytes = "") {
    if (bytes.size() % 2 != 0) bytes += '\0';
    std::string r = U32(3 + static_cast<uint32_t>(params.size() + bytes.size() / 2)) + U16(function);
    for (int16_t p : params) r += U16(static_cast<uint16_t>(p));
    return r + bytes;
}

const std::string kWindow = std::string(18, '\0') + WmfRecord(523, {0, 0}) + WmfRecord(524, {100, 100});
const std::string kRedBrushNoPen = WmfRecord(764, {0, 0x00FF, 0, 0}) + WmfRecord(301, {0}) +
                                   WmfRecord(762, {5, 0, 0, 0, 0}) + WmfRecord(301, {1});
const std::string kBlueBrush = WmfRecord(496, {0}) + WmfRecord(764, {0, 0, 0x00FF, 0}) + WmfRecord(301, {0});

// Polygon and polypolygon.
std::string WmfPolygons() {
    return kWindow + kRedBrushNoPen + WmfRecord(804, {4, 0, 0, 50, 0, 50, 50, 0, 50}) + kBlueBrush +
           WmfRecord(1336, {1, 4, 50, 50, 100, 50, 100, 100, 50, 100}) + WmfRecord(0, {});
}

// Rectangle and ellipse (bottom, right, top, left).
std::string WmfShapes() {
    return kWindow + kRedBrushNoPen + WmfRecord(0x041B, {50, 50, 0, 0}) + kBlueBrush +
           WmfRecord(0x0418, {100, 100, 50, 50}) + WmfRecord(0, {});
}

// A 2 x 2 bitmap (rows bottom first: white, blue; red, white) stretched over the window.
std::string WmfBitmap() {
    const std::string header = U32(40) + U32(2) + U32(2) + U16(1) + U16(24) + std::string(24, '\0');
    const std::string rows = std::string("\xFF\xFF\xFF\xFF\0\0\0\0", 8) + std::string("\0\0\xFF\xFF\xFF\xFF\0\0", 8);
    return kWindow + WmfRecord(0x0F43, {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, header + rows) +
           WmfRecord(0, {});
}

// A placeable header: 100 x 100 units at 180 units per inch, so 40 x 40 points.
std::string Placeable() {
    return std::string("\xD7\xCD\xC6\x9A\0\0", 6) + U16(0) + U16(0) + U16(100) + U16(100) + U16(180) +
           std::string(6, '\0');
}

const char* kIllustrator =
    "%!PS-Adobe-3.0 EPSF-3.0\n"
    "%%BoundingBox: 0 0 100 100\n"
    "%AI5_FileFormat 3\n"
    "/m {procedures of the program's own} def\n"
    "%%EndProlog\n"
    "1 0 0 Xa\r"
    "0 100 m\n50 100 l\n50 50 l\n0 50 L\nf\n"
    "0 0 1 Xa\n"
    "50 50 m\n100 50 l\n100 0 l\n50 0 L\nF\nS\n"
    "/name (not drawn) def\n"
    "showpage\n"
    "1 0 0 Xa 0 0 m 100 0 l 100 100 l f\n";

// A prolog of procedures, one spanning lines, as PDF-minded programs write them.
const std::string kProcedures =
    "%!PS-Adobe-3.0 EPSF-3.0\n"
    "%%BoundingBox: 0 0 100 100\n"
    "%%BeginProlog\n"
    "50 dict begin\n"
    "/q { gsave } bind def /Q { grestore } bind def\n"
    "/cm { 6 array astore concat } bind def\n"
    "/rg { setrgbcolor } bind def /f { fill } bind def\n"
    "/re { exch dup neg 3 1 roll 5 3 roll moveto 0 rlineto\n"
    "      0 exch rlineto 0 rlineto closepath } bind def\n"
    "/pdfmark where { pop } { userdict /pdfmark /cleartomark load put } ifelse\n"
    "%%EndProlog\n"
    "%%Page: 1 1\n"
    "q 1 0 0 rg 0 50 50 50 re f Q\n"
    "[ /Title (marks for another program) /OUT pdfmark\n"
    "q 1 0 0 1 50 0 cm 0 0 1 rg 0 0 50 50 re f Q\n"
    "showpage\n"
    "%%Trailer\nend\n%%EOF\n";

// A DOS EPS file: a binary header naming the PostScript section and a TIFF preview before it,
// whose bytes (here a line that would paint the whole box black) are never run.
std::string DosEps() {
    const std::string ps = "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n"
                           "%%BeginPreview: 2 2 1 2\n% C0\n% 40\n%%EndPreview\n" +
                           kProcedures.substr(kProcedures.find("%%BeginProlog"));
    const std::string tiff = std::string("II*\0\x08\0\0\0\n", 9) + "0 0 100 100 rectfill\n\x01\xFF 0 K\n";
    const auto at = static_cast<uint32_t>(30 + tiff.size());
    return std::string("\xC5\xD0\xD3\xC6", 4) + U32(at) + U32(static_cast<uint32_t>(ps.size())) + U32(0) + U32(0) +
           U32(30) + U32(static_cast<uint32_t>(tiff.size())) + U16(0xFFFF) + tiff + ps;
}

// Damage between and around the squares: a stray "[", binary lines, unmatched brackets, an
// unclosed procedure and string; each spoils its own line only.
const std::string kDamaged = std::string(
    "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n"
    "1 0 0 setrgbcolor\n"
    "[\n"
    "0 50 moveto 50 50 lineto 50 100 lineto 0 100 lineto closepath fill\n"
    "\x89PNG\x1A\x01 ) } > 0 K\n"
    "{ an unclosed procedure\n"
    "0 0 1 setrgbcolor 50 0 50 50 rectfill\n"
    "(an unclosed string\n"
    "%%PageTrailer\n");

// Offset bounding box, saved states, translation, rotation, scaling and arcs.
const char* kTransforms =
    "%!PS-Adobe-2.0 EPSF-2.0\n%%BoundingBox: 10 20 110 120\n"
    "gsave 60 70 translate 90 rotate 2 2 scale 1 0 0 setrgbcolor 0 0 25 25 rectfill grestore\n"
    "gsave 85 45 translate 0 0 1 setrgbcolor newpath 0 0 25 0 360 arc fill grestore\n";

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
    const auto pdf = WritePage(dir, [&](Folivo& doc) { doc.DrawImage(file.string(), 100, 100, p.width, p.height); });
    // Poppler reads every content operator without complaint.
    EXPECT_EQ(kv::test::Run("pdftotext " + kv::test::ShellQuote(pdf.string()) + " /dev/null").output, "");
    // (135, 135) lies near the edge of the disc and the ellipse that fill the blue quarter in some variants.
    ExpectColors(Rendered(pdf), {{110, 110, {255, 0, 0}}, {130, 130, {0, 0, 255}}, {135, 135, {0, 0, 255}}, {130, 110, {255, 255, 255}},
                       {110, 130, {255, 255, 255}}, {145, 145, {255, 255, 255}}},
                 0);
}

INSTANTIATE_TEST_SUITE_P(Images, VectorPicture,
                         ::testing::Values(Picture{"wmf", "q.wmf", WmfPolygons(), 40, 40},
                                           Picture{"wmf_placeable", "p.wmf", Placeable() + WmfPolygons(), 0, 0},
                                           Picture{"wmf_shapes", "s.wmf", WmfShapes(), 40, 40},
                                           Picture{"wmf_bitmap", "b.wmf", WmfBitmap(), 40, 40},
                                           Picture{"illustrator", "q.ai", kIllustrator, 40, 0},
                                           Picture{"eps_procedures", "p.eps", kProcedures, 40, 40},
                                           Picture{"eps_dos_preview", "d.eps", DosEps(), 0, 40},
                                           Picture{"eps_damaged", "x.eps", kDamaged, 40, 40},
                                           Picture{"eps_transforms", "t.eps", kTransforms, 40, 40}),
                         [](const auto& info) { return std::string(info.param.label); });

// A metafile of lines, a pie and text, with a damaged record among them, and PostScript text:
// a 100 x 100 window drawn 1:1 at (100, 100).
TEST(VectorPicture, DrawsLinesPiesAndTextPastADamagedRecord) {
    kv::test::TempDir dir("pdf_image");
    const std::string face = std::string("Times New Roman") + std::string(17, '\0');
    const std::string wmf =
        kWindow + WmfRecord(762, {0, 6, 0, static_cast<int16_t>(0xFF00), 0}) + WmfRecord(301, {0}) +
        WmfRecord(0x0214, {10, 10}) + WmfRecord(0x0213, {10, 90}) +              // a green line at y 10
        WmfRecord(762, {5, 0, 0, 0, 0}) + WmfRecord(301, {1}) + WmfRecord(764, {0, 0, 0x00FF, 0}) +
        WmfRecord(301, {2}) + WmfRecord(0x081A, {20, 30, 40, 50, 60, 50, 20, 10}) +  // the upper right quarter
        WmfRecord(0x0521, {200, 0x4141}) +                                         // text longer than its record
        WmfRecord(0x02FB, {-12, 0, 0, 0, 400, 0, 0, 0, 0}, face) + WmfRecord(301, {3}) +
        WmfRecord(0x0521, {9}, std::string("WMF words\0", 10) + U16(70) + U16(10)) +
        WmfRecord(0x0A32, {85, 10, 8, 0}, "Extended") + WmfRecord(0, {});
    kv::test::WriteFile(dir / "t.wmf", wmf);
    kv::test::WriteFile(dir / "t.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n"
                                       "/Helvetica-Bold findfont 10 scalefont setfont 10 20 moveto (EPS words) show\n");
    const auto pdf = WritePage(dir, [&](Folivo& doc) {
        doc.DrawImage((dir / "t.eps").string(), 300, 100, 100, 100);
        doc.DrawImage((dir / "t.wmf").string(), 100, 100, 100, 100);
    }, 321);
    ExpectColors(Rendered(pdf), {{150, 110, {0, 255, 0}}, {150, 118, {255, 255, 255}}, {138, 132, {0, 0, 255}},
                                 {122, 132, {255, 255, 255}}, {122, 148, {255, 255, 255}}, {138, 148, {255, 255, 255}}},
                 0);
    const auto words = WordBoxes(pdf);
    for (const auto& [word, x, top] : std::vector<std::tuple<std::string, double, double>>{
             {"WMF", 110, 170}, {"Extended", 110, 185}, {"EPS", 310, 172}}) {
        const WordBox box = FindWord(words, word);
        EXPECT_NEAR(box.xMin, x, 1.5) << word;
        EXPECT_NEAR(box.yMin, top, 3) << word;
        EXPECT_LT(box.yMax - box.yMin, 14) << word;
    }
}

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
    const Rendered page(WritePage(dir, [&](Folivo& doc) {
        float x = 0;
        for (const auto& f : files) {
            kv::test::WriteFile(dir / f.name, f.bytes);
            doc.DrawImage((dir / f.name).string(), x += 100, 100, f.width, 20);
        }
    }));
    for (int i = 0; i < static_cast<int>(files.size()); ++i) {
        SCOPED_TRACE(files[static_cast<size_t>(i)].name);
        const int x = 100 * (i + 1);
        ExpectColors(page, {{x + 5, 105, {0, 0, 255}}, {x + 15, 105, {255, 0, 0}}, {x + 5, 115, {255, 0, 0}},
                            {x + 15, 115, {0, 0, 255}}}, 0);
    }
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

// Every file is recorded under its own name and leaves a valid page without a picture.
TEST(DamagedFile, IsRecordedAndNotDrawn) {
    // Not written when empty: the file is missing.
    const std::vector<std::pair<std::string, std::string>> files = {
        {"none.bmp", ""},
        {"p.png", "\x89PNG"},
        {"s.bmp", "XY" + Bmp(2, 2, 24, 0, "", kTwoByTwo24).substr(2)},
        {"h.bmp", "BM" + std::string(20, '\0')},
        {"r.bmp", Bmp(200, 200, 24, 0, "", kTwoByTwo24)},
        {"z.bmp", Bmp(0, 2, 24, 0, "", kTwoByTwo24)},
        {"g.bmp", Bmp(100000, 100000, 24, 0, "", kTwoByTwo24)},
        {"p.bmp", Bmp(2, 2, 8, 0, "", std::string(8, '\0'))},
        {"e.bmp", Bmp(4, 2, 4, 2, kPalette16, std::string("\x04\x12", 2))},
        // Pictures that claim far more pixels than their data can describe: refused before any
        // allocation (each once made a PDF of 16 or 64 MB).
        {"b.bmp", Bmp(8000, 8000, 8, 1, std::string(1024, '\0'), std::string("\0\x01", 2))},
        {"b.gif", Gif("\x4C\x0A").replace(13 + 6 + 5, 4, U16(4000) + U16(4000))},
        {"s.gif", "GIF88a" + Gif("").substr(6)},
        {"t.gif", Gif(std::string("\x4C\x0A", 2)).substr(0, 30)},
        {"c.gif", Gif("\x3C")},  // clear, then code 7 with 6 the next free
        {"z.gif", "GIF89a" + U16(0) + U16(0) + std::string("\0\0\0,", 4) + U16(0) + U16(0) + U16(0) + U16(0) +
                      std::string("\0\x02\0;", 4)},
        {"m.tga", Tga(1, 2, 2, 24, 0) + kTwoByTwo24},
        {"d.tga", Tga(3, 2, 2, 16, 0) + kTwoByTwo24},  // 16-bit grey
        {"r.tga", Tga(2, 200, 2, 24, 0) + kTwoByTwo24},
        {"u.tga", Tga(10, 2, 2, 24, 0) + std::string("\x83\0\0", 3)},
        {"c.png", PngHeader('\x02', "\x57\xDD\x52\xF9") + kPngData},  // a wrong header CRC
        {"d.png", PngHeader('\x03', "\x9C\x81\x81\x5D") + kPngData},  // data short of the header's size
        {"n.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF") + std::string(30, '\0')},
        {"l.jpg", std::string("\xFF\xD8\xFF\xE0\xFF\xF0", 6) + std::string(20, 'x')},
        {"short.wmf", std::string(10, '\0')},
        {"past_end.wmf", std::string(18, '\0') + U32(5000) + U16(804)},
        {"zero_extent.wmf", std::string(18, '\0') + WmfRecord(524, {0, 0})},
        {"short_record.wmf", std::string(18, '\0') + WmfRecord(804, {30, 0, 0})},
        {"no_box.eps", "%!PS-Adobe-3.0 EPSF-3.0\n0 0 m\n"},
        {"nothing_drawn.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 10 10\n/x 1 def\n0 0 m 9 9 l foo S\n"},
        // Raster data read from the file itself, as image converters write it.
        {"raster.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 2 2\n"
                       "/DisplayImage { 0 0 1 setrgbcolor 0 0 2 2 rectfill /buffer 6 string def\n"
                       "  2 2 8 [2 0 0 -2 0 2] { currentfile buffer readhexstring pop } false 3 colorimage } def\n"
                       "DisplayImage\nff0000ffffff\nffffff0000ff\nshowpage\n"},
    };
    kv::test::TempDir dir("pdf_image");
    const auto pdf = WritePage(dir, [&](Folivo& doc) {
        for (const auto& [name, bytes] : files) {
            const auto picture = dir / name;
            if (!bytes.empty()) kv::test::WriteFile(picture, bytes);
            doc.DrawImage(picture.string(), 100, 100, 40, 40);
            EXPECT_EQ(doc.ErrNumber(), bytes.empty() ? 53 : 321) << name;
            EXPECT_EQ(doc.ErrSource(), "Folivo.DrawImage");
            EXPECT_TRUE(doc.ErrDescription().starts_with(picture.string() + " - ")) << doc.ErrDescription();
        }
    }, -1);
    EXPECT_EQ(ImageInfo(pdf), std::vector<std::string>{"do 0"});
    ExpectColors(Rendered(pdf), {{101, 101, {255, 255, 255}}, {130, 130, {255, 255, 255}}}, 0);
}

}  // namespace
}  // namespace folivo::test
