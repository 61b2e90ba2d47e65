// Folivo's PDF/A-2b documents: what PDF/A forbids is refused and recorded while the file stays
// conforming (judged by tests/e2e_reports/pdfa_check.py), and what it needs but cannot have leaves
// a plain PDF that claims nothing.

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

const std::string kLiberation = "/usr/share/fonts/truetype/liberation/";

std::string ClauseCheck(const std::filesystem::path& pdf) {
    const auto run = kv::test::Python(kv::test::ShellQuote(KV_SOURCE_DIR "/tests/e2e_reports/pdfa_check.py") + " " +
                                      kv::test::ShellQuote(pdf.string()));
    return run.status == 0 ? "" : run.output + "(status " + std::to_string(run.status) + ")";
}

TEST(Archival, ForbiddenMembersAreRefusedAndRecordedTheFileStaysConforming) {
    kv::test::TempDir dir("pdf_archival");
    FakeHost host;
    Folivo pdf(host);
    pdf.SetDocProperty("Registro (2025) & co.", "", "Studio Rossi", "KVVELM", "", "ritenute");
    pdf.SetPDFA(2);
    pdf.SetStandardFontFile("Courier New", kLiberation + "LiberationMono-Regular.ttf");
    pdf.SetStandardFontFile("Helvetica,Bold", kLiberation + "LiberationSans-Bold.ttf");
    pdf.SetCompression(4 + 8);  // LZW becomes Flate; base-85 stays
    ASSERT_EQ(pdf.ErrNumber(), 0) << pdf.ErrDescription();
    pdf.BeginDoc((dir / "a.pdf").string());
    pdf.BeginPage();
    pdf.SetFont("Courier New", 10);
    pdf.DrawText(20, 20, "Totale \x80 1.234,56 \xE0\xE8");
    pdf.SetFont("Arial", 12, 1);
    pdf.DrawText(20, 40, "RITENUTE");
    pdf.LinkTo("http://example.org");
    const std::pair<const char*, std::function<void()>> refused[] = {
        {"SetProtection", [&] { pdf.SetProtection(4, "o", "u"); }},
        {"OnDocEvent", [&] { pdf.OnDocEvent(2, "app.alert(1)"); }},
        {"LinkTo", [&] { pdf.LinkTo("script:app.alert(1)"); }},
        {"AddNoteBox", [&] { pdf.AddNoteBox("n", 1, 1, 5, 5); }},
        {"AddField", [&] { pdf.AddField("f", 0, 1, 1, 5, 1); }},
        {"BeginLayer", [&] { pdf.BeginLayer("SCREEN"); }},
        {"SetPDFA", [&] { pdf.SetPDFA(2); }},  // after BeginDoc
    };
    for (const auto& [member, call] : refused) {
        call();
        EXPECT_EQ(pdf.ErrSource(), std::string("Folivo.") + member);
        EXPECT_EQ(pdf.ErrNumber(), 5) << member;
    }
    pdf.EndDoc();
    EXPECT_EQ(ClauseCheck(dir / "a.pdf"), "");
    EXPECT_EQ(kv::test::QpdfCheck(dir / "a.pdf").status, 0);
}

TEST(Archival, WhatCannotBeMadeConformingLeavesAPlainPdf) {
    kv::test::TempDir dir("pdf_archival");
    FakeHost host;
    const std::pair<const char*, std::function<void(Folivo&)>> cases[] = {
        {"SetFont", [](Folivo& pdf) { pdf.SetFont("Times New Roman", 10); }},  // no file given
        {"DrawText", [](Folivo& pdf) {
             pdf.SetStandardFontFile("Courier New", kLiberation + "LiberationMono-Regular.ttf");
             pdf.SetFont("Courier New", 10);
             pdf.DrawText(1, 1, std::string("a\x01", 2));  // a code without a glyph
         }},
    };
    for (const auto& [member, draw] : cases) {
        Folivo pdf(host);
        pdf.SetPDFA(2);
        const auto file = dir / (std::string(member) + ".pdf");
        pdf.BeginDoc(file.string());
        pdf.BeginPage();
        draw(pdf);
        pdf.EndDoc();
        EXPECT_EQ(pdf.ErrSource(), std::string("Folivo.") + member);
        EXPECT_EQ(kv::test::ReadFile(file).find("pdfaid"), std::string::npos) << member;
    }
    Folivo pdf(host);
    pdf.SetPDFA(3);
    EXPECT_EQ(pdf.ErrSource(), "Folivo.SetPDFA");
}

}  // namespace
}  // namespace folivo::test
