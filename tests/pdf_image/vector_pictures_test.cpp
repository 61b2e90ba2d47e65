// Metafiles and PostScript pictures: a red square in the top-left quarter and a blue one in the
// bottom-right quarter, drawn into a 40 x 40 point box at (100, 100) and rendered; each file
// reaches them by a different road (records, procedures, transformations, damaged lines).

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

// Bytes as record parameters, padded to whole words.
std::vector<int16_t> Words(std::string bytes) {
    if (bytes.size() % 2 != 0) bytes += '\0';
    std::vector<int16_t> words;
    for (size_t i = 0; i < bytes.size(); i += 2)
        words.push_back(static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8));
    return words;
}

std::vector<int16_t> Join(std::vector<int16_t> a, const std::vector<int16_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
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
    return kWindow + WmfRecord(0x0F43, Join({0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}, Words(header + rows))) +
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
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf, [&](Folivo& doc) { doc.DrawImage(file.string(), 100, 100, p.width, p.height); }), 0);
    EXPECT_QPDF_CLEAN(pdf);
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
        WmfRecord(0x02FB, Join({-12, 0, 0, 0, 400, 0, 0, 0, 0}, Words(face))) + WmfRecord(301, {3}) +
        WmfRecord(0x0521, Join(Join({9}, Words("WMF words")), {70, 10})) +
        WmfRecord(0x0A32, Join({85, 10, 8, 0}, Words("Extended"))) + WmfRecord(0, {});
    kv::test::WriteFile(dir / "t.wmf", wmf);
    kv::test::WriteFile(dir / "t.eps", "%!PS-Adobe-3.0 EPSF-3.0\n%%BoundingBox: 0 0 100 100\n"
                                       "/Helvetica-Bold findfont 10 scalefont setfont 10 20 moveto (EPS words) show\n");
    const auto pdf = dir / "page.pdf";
    EXPECT_EQ(WritePage(pdf,
                        [&](Folivo& doc) {
                            doc.DrawImage((dir / "t.eps").string(), 300, 100, 100, 100);
                            doc.DrawImage((dir / "t.wmf").string(), 100, 100, 100, 100);
                        }),
              321);
    EXPECT_QPDF_CLEAN(pdf);
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

TEST(VectorPicture, DamagedFilesAreRecordedAndNotDrawn) {
    kv::test::TempDir dir("pdf_image");
    const std::vector<std::pair<std::string, std::string>> files = {
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
