// The page-to-form step on its own, with the output collected in memory: copies are numbered
// once per source, pages are never pulled in, and damaged files end in a ReadError.

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>

#include "pdf/reader/page_import.hpp"
#include "tests/pdf_support/mini_pdf.hpp"

namespace folivo::test {
namespace {

using reader::ReadError;

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
    std::vector<uint8_t> packed(compressBound(plain.size()));
    uLongf packedSize = packed.size();
    ASSERT_EQ(compress(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(plain.data()), plain.size()), Z_OK);
    auto page = [&](int times) {
        std::string contents;
        for (int i = 0; i < times; ++i) contents += "4 0 R ";
        MiniPdf pdf;
        pdf.bodies = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 100 100] /Contents [" + contents + "] >>",
                      "<< /Length " + std::to_string(packedSize) + " /Filter /FlateDecode >>\nstream\n" +
                          std::string(reinterpret_cast<const char*>(packed.data()), packedSize) + "\nendstream"};
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
