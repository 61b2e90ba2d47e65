// ImportPage and GetInfo through the writer: imported pages read back with pdftotext and pikepdf
// (forms, their boxes and resources), every output checked by qpdf; damaged, missing and
// encrypted sources give the recorded error or a clear one.

#include <gtest/gtest.h>

#include <map>

#include "pdf/codec/ascii85.hpp"
#include "pdf/codec/lzw.hpp"
#include "pdf/codec/run_length.hpp"
#include "tests/pdf_support/mini_pdf.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/pdf_support/zlib.hpp"

namespace folivo::test {
namespace {

// The imported forms page 1 draws, by resource name ("/_PDF_1.1"): dictionary text and data.
struct Form {
    std::string dict, data;
};
std::map<std::string, Form> Forms(const Readback& rb) {
    std::map<std::string, Form> forms;
    for (const auto& [name, number] : rb.Resources("/_PDF_")) forms[name] = {rb.Object(number), rb.Stream(number)};
    return forms;
}

struct ImportDoc : Doc {
    std::filesystem::path Source(const std::string& name, const std::string& bytes) {
        const auto file = dir / name;
        kv::test::WriteFile(file, bytes);
        return file;
    }
};

// Abort forgets the files read: the next document copies the page again under its own numbers.
TEST(ImportPage, AfterAbortTheFormIsCopiedAgain) {
    ImportDoc d;
    const auto src = d.Source("one.pdf", TextPages({"Alpha"}).Build());
    d.Page();
    d.pdf.ImportPage(src.string(), 1, 10, 10, 80, 60);
    d.pdf.Abort();
    d.Page();
    d.pdf.ImportPage(src.string(), 1, 10, 10, 80, 60);
    const auto forms = Forms(Readback(d.Finish()));
    ASSERT_EQ(forms.size(), 1u);
    EXPECT_TRUE(Contains(forms.begin()->second.dict, "/Subtype /Form"));
}

TEST(ImportPage, PagesOfOneFileShareTheirFontAndContentArraysAreJoined) {
    MiniPdf array = TextPages({"unused"});
    const std::string a = ZlibDeflate(std::string("BT /F1 20 Tf 40 200 Td (First) Tj ET"));
    const std::string b = ZlibDeflate(std::string("BT /F1 20 Tf 40 100 Td (Second) Tj ET"));
    array.bodies[3] = "<< /Type /Page /Parent 2 0 R /Resources << /Font << /F1 3 0 R >> >> /Contents [6 0 R 7 0 R] >>";
    array.bodies.push_back(StreamBody(a, "/Filter /FlateDecode"));
    array.bodies.push_back(StreamBody(b, "/Filter [/FlateDecode]"));
    MiniPdf single = TextPages({"unused"});
    single.bodies[4] = array.bodies[5];
    ImportDoc d;
    const auto two = d.Source("two.pdf", TextPages({"Alpha", "Beta"}).Build());
    d.Page();
    d.pdf.ImportPage(two.string(), 1, 10, 10, 80, 60);
    d.pdf.ImportPage(two.string(), 2, 10, 100, 80, 60);
    d.pdf.ImportPage(two.string(), 2, 100, 100);  // the same page again reuses its form
    d.pdf.ImportPage(d.Source("array.pdf", array.Build()).string(), 1, 0, 200, 100, 75);
    d.pdf.ImportPage(d.Source("single.pdf", single.Build()).string(), 1, 0, 300, 100, 75);
    const auto& out = d.Finish();
    ExpectContains(kv::test::PdfToText(out), {"Alpha", "Beta", "First", "Second"});
    const Readback rb(out);
    auto forms = Forms(rb);
    ASSERT_EQ(forms.size(), 4u);
    for (const auto& [name, form] : forms) ExpectContains(form.dict, {"/Subtype /Form", "/BBox [ 0 0 400 300 ]"});
    EXPECT_EQ(Readback::Ref(forms["/_PDF_1.1"].dict, "/F1"), Readback::Ref(forms["/_PDF_1.2"].dict, "/F1"))
        << "the shared font is copied once";
    EXPECT_EQ(forms["/_PDF_1.1"].data, "BT /F1 24 Tf 50 150 Td (Alpha) Tj ET");
    ExpectContains(rb.Content(1), {"/_PDF_1.1 Do", "/_PDF_1.2 Do"});
    const auto& joined = forms["/_PDF_2.1"];
    EXPECT_FALSE(Contains(joined.dict, "/Filter"));
    ExpectContains(joined.data, {"(First) Tj", "(Second) Tj"});
    EXPECT_TRUE(Contains(forms["/_PDF_3.1"].dict, "/Filter /FlateDecode"));
    EXPECT_EQ(forms["/_PDF_3.1"].data, "BT /F1 20 Tf 40 200 Td (First) Tj ET");
}

TEST(ImportPage, ScalesTheMediaBoxIntoTheRectangle) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"[0 0 400 300]", "0.5 0 0 -0.5 0 150 cm"},
        {"[100 50 500 350]", "0.5 0 0 -0.5 -50 175 cm"},  // the box's corner moves to the rectangle's
    };
    for (const auto& [box, cm] : cases) {
        SCOPED_TRACE(box);
        ImportDoc d;
        d.pdf.BeginDoc(d.path.string());
        d.pdf.SetScale(0);  // points
        d.pdf.BeginPage();
        d.pdf.ImportPage(d.Source("box.pdf", TextPages({"Box"}, box).Build()).string(), 1, 0, 0, 200, 0);
        EXPECT_TRUE(Contains(Readback(d.Finish()).Content(1), cm));
    }
}

// A page drawn with a filter chain, turned and cropped as a viewer shows it, from a plain file,
// a copy whose offsets are all a few bytes off, its object-stream rewrite and its copies protected
// with each cipher but no password to open: each imported page, placed on a page of the visible
// size, renders as poppler renders the source.
TEST(ImportPage, TurnedCroppedAndRewrittenSourcesLookAsTheirSource) {
    const std::string drawing = "0 0 1 rg 20 20 60 30 re f BT /F1 24 Tf 50 150 Td (Turned) Tj ET";
    const auto bytes = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    const auto text = [](const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); };
    const std::string chained = text(codec::EncodeAscii85(bytes(ZlibDeflate(drawing))));
    const std::string lzw = text(codec::EncodeLzw(bytes("0 1 0 rg 300 250 40 20 re f")));
    const std::string runs = text(codec::EncodeRunLength(bytes("1 0 0 rg 200 20 10 80 re f")));
    struct Case {
        std::string pageEntries;
        float width, height;  // the visible box, turned
    };
    const std::vector<Case> cases = {
        {"/Rotate 90", 300, 400}, {"/Rotate 180 /CropBox [40 30 360 280]", 320, 250}, {"/Rotate -90 /CropBox [0 0 250 300]", 300, 250}};
    ImportDoc d;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pageEntries);
        MiniPdf source = TextPages({"unused"});
        source.bodies[3] = "<< /Type /Page /Parent 2 0 R /Resources << /Font << /F1 3 0 R >> >> " + c.pageEntries +
                           " /Contents [5 0 R 6 0 R 7 0 R] >>";
        source.bodies[4] = StreamBody(chained, "/Filter [/ASCII85Decode /FlateDecode]");
        source.bodies.push_back(StreamBody(lzw, "/Filter /LZWDecode"));
        source.bodies.push_back(StreamBody(runs, "/Filter /RunLengthDecode"));
        const auto plain = d.Source("turned.pdf", source.Build());
        const Rendered original(plain, Rendered::kCropBox);
        std::vector<std::string> files = {plain.string(), d.Source("shifted.pdf", "%PDF-1.4\n%%\n" + source.Build().substr(9)).string()};
        // qpdf's rewrites: object streams, and protection that asks no password to open the file.
        for (const char* options : {"--object-streams=generate", "--allow-weak-crypto --encrypt '' o 40 --",
                                           "--allow-weak-crypto --encrypt '' o 128 --use-aes=n --",
                                           "--encrypt '' o 128 --use-aes=y --", "--encrypt '' o 256 --"}) {
            files.push_back((plain.parent_path() / ("rewritten" + std::to_string(files.size()) + ".pdf")).string());
            ASSERT_EQ(kv::test::Run("qpdf " + std::string(options) + " " + plain.string() + " " + files.back()).status, 0);
        }
        for (const std::string& file : files) {
            SCOPED_TRACE(file);
            Doc out;
            out.pdf.SetScale(0);
            out.pdf.SetPaperSize(255, c.width, c.height);
            out.pdf.SetMargins(0, 0, 0, 0);
            out.pdf.BeginDoc(out.path.string());
            out.pdf.BeginPage();
            out.pdf.ImportPage(file, 1, 0, 0, c.width, c.height);
            EXPECT_TRUE(Rendered(out.Finish()).Pixels() == original.Pixels());  // of the same size too
        }
    }
}

TEST(ImportPage, BadSourcesAreRefusedOrSkipped) {
    ImportDoc d;
    const auto src = d.Source("ok.pdf", TextPages({"Fine"}).Build());
    const auto garbage = d.Source("garbage.pdf", "%PDF-1.4\nnothing here");
    const auto encrypted = d.dir / "locked.pdf";
    WriteSampleDocument(encrypted, [](Folivo& pdf) { pdf.SetProtection(0, "owner", "user"); });
    d.Page();
    EXPECT_NO_THROW(d.pdf.ImportPage((d.dir / "missing.pdf").string(), 1, 0, 0, 10, 10));
    EXPECT_EQ(d.pdf.ErrNumber(), 53);
    EXPECT_NO_THROW(d.pdf.ImportPage(garbage.string(), 1, 0, 0, 10, 10));
    EXPECT_EQ(d.pdf.ErrNumber(), 321);
    EXPECT_THROW(d.pdf.ImportPage(encrypted.string(), 1, 0, 0, 10, 10), Error);
    EXPECT_THROW(d.pdf.ImportPage(src.string(), 2, 0, 0, 10, 10), Error);
    EXPECT_THROW(d.pdf.ImportPage(src.string(), 0, 0, 0, 10, 10), Error);
    d.pdf.ImportPage(src.string(), 1, 0, 0, 100, 75);
    ExpectContains(kv::test::PdfToText(d.Finish()), {"Fine"});
}

TEST(GetInfo, ReadsInformationAndRecordsItsOwnErrors) {
    ImportDoc d;
    const auto sample = d.dir / "sample.pdf";
    WriteSampleDocument(sample, [](Folivo&) {});
    const auto encrypted = d.dir / "locked.pdf";
    WriteSampleDocument(encrypted, [](Folivo& pdf) { pdf.SetProtection(0, "owner", "user"); });
    const auto objstm = d.dir / "objstm.pdf";
    ASSERT_EQ(kv::test::Run("qpdf --object-streams=generate " + sample.string() + " " + objstm.string()).status, 0);
    struct Case {
        std::filesystem::path file;
        int32_t pages;
        std::string title, author;
        bool encrypted;
        int32_t error;
        std::string says = "";  // part of the recorded description
    };
    const std::vector<Case> cases = {
        {sample, 2, kSampleTitle, kSampleAuthor, false, 0},
        {encrypted, 0, "", "", true, 0},
        {d.dir / "missing.pdf", 0, "", "", false, 53},
        {d.Source("garbage.pdf", "not a pdf"), 0, "", "", false, 321},
        {objstm, 2, kSampleTitle, kSampleAuthor, false, 0},
        {d.Source("truncated-early.pdf", kv::test::ReadFile(sample).substr(0, 3000)), 0, "", "", false, 321, "/Root"},
        {d.Source("far.pdf", TextPages({"x"}).Build(1 << 20)), 1, "", "", false, 0},  // repaired
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.string());
        Folivo pdf;
        std::string title = "x", subject = "x", author = "x";
        bool isEncrypted = false;
        const int32_t pages = pdf.GetInfo(c.file.string(), title, subject, author, isEncrypted);
        EXPECT_EQ(std::tuple(pages, title, author, isEncrypted, pdf.ErrNumber()),
                  std::tuple(c.pages, c.title, c.author, c.encrypted, c.error));
        EXPECT_TRUE(Contains(pdf.ErrDescription(), c.says)) << pdf.ErrDescription();
    }
}

// Links carried on request: a turned, cropped page with a web link and page links (explicit, by
// name, through the name tree) over coloured boxes drawn under them, and links that stay behind
// (a page never imported, JavaScript, a note). Each carried rectangle must sit on its box in the
// rendering, and the explicit destination on the marker drawn at it on the target page.
TEST(ImportPage, CarriesLinksPlacedAsThePageOnRequest) {
    MiniPdf source = TextPages({"One", "Two", "Three"});
    const std::string boxes = "0 0 1 rg 10 20 100 40 re f 0 1 0 rg 200 100 50 50 re f 1 1 0 rg 300 200 60 30 re f";
    const std::string marker = "1 0 0 rg 96 196 8 8 re f";
    source.bodies[0] = "<< /Type /Catalog /Pages 2 0 R /Dests 11 0 R /Names << /Dests << /Names [(tree) [8 0 R /FitH 250]] >> >> >>";
    source.bodies[3] = "<< /Type /Page /Parent 2 0 R /Rotate 90 /CropBox [0 0 400 250] /Contents 5 0 R /Annots ["
                       "<< /Subtype /Link /Rect [10 20 110 60] /Border [0 0 0] /A << /S /URI /URI (https://example.org/a) >> >> "
                       "<< /Subtype /Link /Rect [250 150 200 100] /Dest [8 0 R /XYZ 100 200 null] >> 10 0 R "
                       "<< /Subtype /Link /Rect [50 150 90 190] /Dest /gone >> "
                       "<< /Subtype /Link /Rect [50 150 90 190] /A << /S /JavaScript /JS (app.alert(1)) >> >> "
                       "<< /Subtype /Text /Rect [50 150 90 190] /Contents (note) >>] >>";
    source.bodies[4] = StreamBody(boxes);
    source.bodies[8] = StreamBody(marker);
    source.bodies.push_back("<< /Subtype /Link /Rect [300 200 360 230] /A << /S /GoTo /D (tree) >> >>");
    source.bodies.push_back("<< /gone [6 0 R /Fit] >>");
    ImportDoc d;
    const auto file = d.Source("links.pdf", source.Build());
    d.pdf.SetScale(0);
    d.pdf.SetPaperSize(255, 600, 500);
    d.pdf.SetMargins(30, 0, 20, 0);
    d.pdf.BeginDoc(d.path.string());
    d.pdf.SetImportLinks(true);
    d.pdf.BeginPage();
    d.pdf.ImportPage(file.string(), 1, 10, 10, 125, 200);  // half size, turned
    d.pdf.ImportPage(file.string(), 3, 300, 10, 200, 150);  // imported after the links to it
    const auto pdf = d.Finish();
    const std::string links = PythonOutput(
        "import sys, pikepdf\n"
        "pdf = pikepdf.open(sys.argv[1])\n"
        "pages = [p.obj.objgen for p in pdf.pages]\n"
        "for a in pdf.pages[0].obj.get('/Annots', []):\n"
        "    r = ' '.join('%g' % float(v) for v in a.Rect)\n"
        "    t = 'uri ' + str(a.A.URI) if '/A' in a else 'page %d %s' % (pages.index(a.Dest[0].objgen) + 1,"
        " ' '.join(str(x) for x in list(a.Dest)[1:]))\n"
        "    print(str(a.Subtype), r, t)\n", {pdf.string()});
    const Rendered page(pdf);
    std::istringstream lines(links);
    std::vector<std::string> targets;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line);
        std::string subtype, kind, target;
        double x0, y0, x1, y1;
        in >> subtype >> x0 >> y0 >> x1 >> y1 >> kind >> target;
        EXPECT_EQ(subtype, "/Link");
        targets.push_back(kind + " " + target);
        // The box under the link fills the rectangle: inside its corners, not beyond them.
        const auto at = [&](double x, double y) { return page.At(static_cast<int>(x), static_cast<int>(500 - y)); };
        const Rgb inside = at(x0 + 2, y0 + 2);
        EXPECT_NE(inside, (Rgb{255, 255, 255})) << line;
        EXPECT_EQ(at(x1 - 2, y1 - 2), inside) << line;
        EXPECT_EQ(at(x0 - 2, y0 - 2), (Rgb{255, 255, 255})) << line;
        EXPECT_EQ(at(x1 + 2, y1 + 2), (Rgb{255, 255, 255})) << line;
        std::string view;
        double left = 0, top = 0;
        if (in >> view >> left >> top) {  // the explicit destination: on the marker
            EXPECT_EQ(at(left, top), (Rgb{255, 0, 0})) << line;
        }
    }
    EXPECT_EQ(targets, (std::vector<std::string>{"uri https://example.org/a", "page 1", "page 1"}));

    ImportDoc plain;  // off by default: the page comes without its links
    plain.Page().ImportPage(file.string(), 1, 10, 10, 125, 200);
    EXPECT_FALSE(Contains(Readback(plain.Finish()).Page(1), "/Annots"));
}

}  // namespace
}  // namespace folivo::test
