// The bytes of the font objects themselves: a TrueType dictionary ends with one line holding the
// descriptor reference, sixteen widths to a row and the closing ">>"; a standard font ends " >>".

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/pdf_truetype/truetype_fixture.hpp"

namespace folivo::test {
namespace {

// The text of the first object whose dictionary holds `marker`, from "obj" to "endobj".
std::string ObjectHolding(const std::string& file, const std::string& marker) {
    const size_t at = file.find(marker);
    if (at == std::string::npos) return "";
    const size_t begin = file.rfind(" obj", at);
    const size_t end = file.find("endobj", at);
    if (begin == std::string::npos || end == std::string::npos) return "";
    return file.substr(begin, end + 6 - begin);
}

TEST(TrueTypeDictionaryBytes, WidthsRowsThenClosingLineOfItsOwn) {
    const std::string ttf = kLiberation + "LiberationSans-Regular.ttf";
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    ASSERT_EQ(doc.pdf.AddFont(ttf, "Body", false, 0), "Body");
    doc.pdf.BeginPage();
    doc.pdf.SetFont("Body", 12);
    doc.pdf.DrawText(20, 30, "Widths");
    doc.pdf.SetFont("Helvetica", 12);
    doc.pdf.DrawText(20, 60, "Standard");
    doc.Finish();
    const std::string file = kv::test::ReadFile(doc.path);

    const std::string trueType = ObjectHolding(file, "/Subtype /TrueType");
    // One file line, carriage returns inside: descriptor reference, 16 rows of 16 widths, "]", ">>".
    const std::regex end("WinAnsiEncoding>>\n/FontDescriptor \\d+ 0 R\r/Widths \\[((\\d+ ){16}\r){16}\\]\r>>\nendobj$");
    EXPECT_TRUE(std::regex_search(trueType, end)) << trueType;

    const std::string standard = ObjectHolding(file, "/BaseFont /Arial");
    EXPECT_TRUE(std::regex_search(standard, std::regex("/BaseEncoding /WinAnsiEncoding>>\n >>\nendobj$")))
        << standard;
}

}  // namespace
}  // namespace folivo::test
