// The reader on files written by Folivo and rewritten by qpdf, on hand-made files, and on damaged
// or unsupported files, which must be refused with a ReadError (never a crash or a hang).

#include <gtest/gtest.h>


#include "pdf/reader/document.hpp"
#include "tests/pdf_support/mini_pdf.hpp"
#include "tests/pdf_support/readback.hpp"

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

}  // namespace
}  // namespace folivo::test
