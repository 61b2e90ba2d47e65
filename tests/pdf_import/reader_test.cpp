// The reader on files written by Folivo and rewritten by qpdf, on hand-made files, and on damaged
// or unsupported files, which must be refused with a ReadError (never a crash or a hang).
// Then the page-to-form step on its own, with the output collected in memory: copies are numbered
// once per source, pages are never pulled in, and damaged files end in a ReadError.

#include <gtest/gtest.h>

#include <map>

#include "pdf/reader/document.hpp"
#include "pdf/reader/page_import.hpp"
#include "tests/pdf_support/mini_pdf.hpp"
#include "tests/pdf_support/readback.hpp"
#include "tests/pdf_support/zlib.hpp"

namespace folivo::test {
namespace {

using reader::Document;
using reader::ReadError;
using reader::Value;

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

Document Open(const std::filesystem::path& file) { return Document(reader::ReadWholeFile(file.string())); }

std::string QpdfVariant(const std::filesystem::path& source, const std::string& options, const std::string& name) {
    const auto out = source.parent_path() / name;
    const auto run = kv::test::Run("qpdf " + options + " " + kv::test::ShellQuote(source.string()) + " " +
                                   kv::test::ShellQuote(out.string()));
    EXPECT_EQ(run.status, 0) << run.output;
    return out.string();
}

TEST(Reader, ReadsFolivoFilesAndTheirQpdfRewrites) {
    kv::test::TempDir dir("import");
    const auto plain = dir / "plain.pdf";
    const auto packed = dir / "packed.pdf";
    WriteSampleDocument(plain, [](Folivo&) {});
    WriteSampleDocument(packed, [](Folivo& pdf) { pdf.SetCompression(2); });
    const std::vector<std::string> files = {
        plain.string(),
        packed.string(),
        QpdfVariant(plain, "--qdf", "qdf.pdf"),
        QpdfVariant(packed, "--object-streams=disable --compress-streams=y", "flate.pdf"),
        QpdfVariant(plain, "--linearize --object-streams=disable", "linear.pdf"),
        QpdfVariant(plain, "--object-streams=generate", "objstm.pdf"),
        QpdfVariant(packed, "--object-streams=generate --linearize", "objstm-linear.pdf"),
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file);
        Document doc = Open(file);
        EXPECT_FALSE(doc.Encrypted());
        ASSERT_EQ(doc.Pages().size(), 2u);
        const Value& info = doc.Resolve(*doc.Trailer().Find("Info"));
        ASSERT_NE(info.Find("Title"), nullptr);
        EXPECT_EQ(info.Find("Title")->text, kSampleTitle);
        const Value* contents = doc.Inherited(doc.Pages()[1], "Contents");
        ASSERT_NE(contents, nullptr);
        const Value& first = doc.Resolve(*contents);
        const int64_t number = first.Is(Value::Kind::Array) ? first.items[0].integer : contents->integer;
        EXPECT_NE(doc.DecodedStream(doc.Object(number)).find("riga 200"), std::string::npos);
        const Value* box = doc.Inherited(doc.Pages()[0], "MediaBox");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(doc.Resolve(*box).items.size(), 4u);
    }
}

TEST(Reader, ValuesOfEveryKindAndInheritedAttributes) {
    MiniPdf pdf = TextPages({"A (nested) \\) x", "B"});
    pdf.bodies.push_back("<< /T (a\\(b\\)c\\\\\\101\\\nz) /H <41 42 4> /N /A#20B /R -1.5 /Z [true false null] >>");
    pdf.trailerExtra = "/Info 8 0 R";
    Document doc(Bytes(pdf.Build()));
    ASSERT_EQ(doc.Pages().size(), 2u);
    const Value& info = doc.Object(8).value;
    EXPECT_EQ(info.Find("T")->text, "a(b)c\\Az");
    EXPECT_EQ(info.Find("H")->text, "AB@");
    EXPECT_EQ(info.Find("N")->text, "A B");
    EXPECT_DOUBLE_EQ(info.Find("R")->Number(), -1.5);
    EXPECT_EQ(info.Find("Z")->items.size(), 3u);
    EXPECT_EQ(doc.Resolve(*doc.Inherited(doc.Pages()[1], "MediaBox")).items[2].integer, 400);
    EXPECT_EQ(doc.Inherited(doc.Pages()[1], "Rotate"), nullptr);
}

TEST(Reader, DamagedFilesAreRepairedOrRefused) {
    const std::string good = TextPages({"x"}).Build();
    std::string pageAtWrongPlace = good;
    pageAtWrongPlace.replace(pageAtWrongPlace.find("xref\n0 6\n") + 9 + 20 * 4, 10, "0000000003");
    const std::vector<std::pair<std::string, std::string>> repaired = {
        {"startxref past the end", TextPages({"x"}).Build(999999)},
        {"startxref into an object", TextPages({"x"}).Build(9)},
        {"object at a wrong offset", pageAtWrongPlace},
        {"every offset a few bytes off", "%PDF-1.3\n%%\n" + good.substr(9)},
        {"no trailer", good.substr(0, good.find("trailer")) + "startxref\n" + std::to_string(good.find("xref\n")) + "\n%%EOF"},
    };
    for (const auto& [label, bytes] : repaired) {
        SCOPED_TRACE(label);
        Document doc(Bytes(bytes));
        ASSERT_EQ(doc.Pages().size(), 1u);
        const Value* contents = doc.Inherited(doc.Pages()[0], "Contents");
        ASSERT_NE(contents, nullptr);
        EXPECT_NE(doc.DecodedStream(doc.Object(contents->integer)).find("(x)"), std::string::npos);
    }
    for (const std::string& bytes : {std::string(), std::string("hello, this is no PDF at all"), good.substr(0, good.size() / 2)}) {
        EXPECT_THROW(
            {
                Document doc(Bytes(bytes));
                for (int64_t page : doc.Pages()) doc.Inherited(page, "Contents");
            },
            ReadError);
    }
}

TEST(Reader, CyclesEnd) {
    MiniPdf loop = TextPages({"x", "y"});
    loop.bodies[1] = "<< /Type /Pages /Kids [2 0 R 4 0 R 2 0 R 6 0 R] /Count 2 /Parent 2 0 R /MediaBox [0 0 9 9] >>";
    loop.bodies[3] = "<< /Type /Page /Parent 4 0 R /Contents 5 0 R >>";  // its own parent
    std::string file = loop.Build();
    const size_t xref = file.find("xref\n");
    file.replace(file.find("/Root 1 0 R"), 11, "/Root 1 0 R /Prev " + std::to_string(xref));
    Document doc(Bytes(file));
    EXPECT_EQ(doc.Pages().size(), 2u);
    EXPECT_EQ(doc.Inherited(doc.Pages()[0], "MediaBox"), nullptr);
    EXPECT_NE(doc.Inherited(doc.Pages()[1], "MediaBox"), nullptr);
}

struct MemoryOutput {
    int32_t next = 100;
    std::map<int32_t, std::string> objects;
    reader::ObjectOutput Output() {
        return {[this] { return next++; },
                [this](int32_t n, const std::string& body) { objects[n] = body; },
                [](int32_t, std::string bytes) { return bytes; }};
    }
};

reader::SourceFile Source(const std::string& bytes) {
    return {"mem.pdf", std::make_unique<reader::Document>(std::vector<uint8_t>(bytes.begin(), bytes.end())), {}, {}};
}

TEST(PageForm, CopiesEachObjectOnceAndNeverAPage) {
    MiniPdf pdf = TextPages({"a", "b"});
    // The font points back at the page tree and at itself.
    pdf.bodies[2] = "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Back 2 0 R /Self 3 0 R /Gone 99 0 R >>";
    reader::SourceFile source = Source(pdf.Build());
    MemoryOutput out;
    const auto first = reader::ImportPageForm(source, 1, out.Output());
    const auto second = reader::ImportPageForm(source, 2, out.Output());
    const auto again = reader::ImportPageForm(source, 2, out.Output());
    EXPECT_EQ(again.object, second.object);
    ASSERT_EQ(out.objects.size(), 3u);  // two forms and one font
    EXPECT_EQ(first.object, 100);  // the form's number comes before its resources'
    const std::string& font = out.objects[101];
    EXPECT_NE(font.find("/Back null /Self 101 0 R /Gone null"), std::string::npos) << font;
    EXPECT_NE(out.objects[first.object].find("/Resources << /Font << /F1 101 0 R >> >>"), std::string::npos)
        << out.objects[first.object];
    EXPECT_EQ(first.x1, 400);
}

// One 4 MB Flate stream listed again and again in a page's contents array: decoded once, joined
// while the whole stays within one stream's limit, refused beyond it.
TEST(PageForm, ARepeatedContentStreamCostsNoMoreThanOneStreamMay) {
    const std::string plain(4 << 20, ' ');
    const std::string packed = ZlibDeflate(plain);
    auto page = [&](int times) {
        std::string contents;
        for (int i = 0; i < times; ++i) contents += "4 0 R ";
        MiniPdf pdf;
        pdf.bodies = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 100] /Contents [" + contents + "] >>",
                      StreamBody(packed, "/Filter /FlateDecode")};
        return pdf.Build();
    };
    reader::SourceFile twice = Source(page(2));
    MemoryOutput out;
    const auto form = reader::ImportPageForm(twice, 1, out.Output());
    EXPECT_NE(out.objects[form.object].find("/Length " + std::to_string(2 * plain.size() + 1)), std::string::npos);
    reader::SourceFile many = Source(page(600));
    EXPECT_THROW(reader::ImportPageForm(many, 1, out.Output()), ReadError);
}

}  // namespace
}  // namespace folivo::test
