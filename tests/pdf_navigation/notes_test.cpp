// Note annotations: free-text boxes and sticky notes with the document's author as title.

#include <gtest/gtest.h>

#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

TEST(Notes, FreeTextBoxesCarryAlignmentBorderAndColours) {
    struct Case {
        int32_t align;
        int32_t border;
        const char* expected;  // the keys after the rectangle
    };
    const Case cases[] = {
        {0, 0, "/BS=</S=/S /Type=/Border /W=2> /C=[1 1 0] /Contents=Nota (1) /DA=12 Tf 1 0 0 rg /F=4 /T=Studio"},
        {2, 1, "/BS=</D=[4 2] /S=/D /Type=/Border /W=2> /C=[1 1 0] /Contents=Nota (1) /DA=12 Tf 1 0 0 rg /F=4 "
               "/Q=2 /T=Studio"},
        {4, 2, "/BS=</S=/B /Type=/Border /W=2> /C=[1 1 0] /Contents=Nota (1) /DA=12 Tf 1 0 0 rg /F=4 /Q=1 /T=Studio"},
        {0, 3, "/BS=</S=/I /Type=/Border /W=2> /C=[1 1 0] /Contents=Nota (1) /DA=12 Tf 1 0 0 rg /F=4 /T=Studio"},
        {0, 4, "/BS=</S=/U /Type=/Border /W=2> /C=[1 1 0] /Contents=Nota (1) /DA=12 Tf 1 0 0 rg /F=4 /T=Studio"},
    };
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    pdf.SetDocProperty("", "", "Studio");
    pdf.BeginPage();
    pdf.SetFont("Helvetica", 12);
    pdf.SetColorFill("#FFFF00");
    pdf.SetColorLine("#FF0000");
    pdf.SetLineWidth(2);
    for (const auto& c : cases) pdf.AddNoteBox("Nota (1)", 100, 100, 200, 50, c.align, c.border, 4, 2, 4);
    std::string expected;
    for (const auto& c : cases) expected += "1|/FreeText|[100 742 300 692]|" + std::string(c.expected) + "\n";
    EXPECT_EQ(NavProbe("notes", doc.Finish()), expected);
}

TEST(Notes, StickyNotesNameTheirIcon) {
    const char* icons[] = {"/Note", "/Comment", "/Key", "/Help", "/Paragraph", "/NewParagraph", "/Insert", "/Note"};
    Doc doc;
    Folivo& pdf = doc.Page();
    for (int32_t icon = 0; icon < 8; ++icon) pdf.AddNoteIcon("Promemoria \xE8", icon, 10, 20, icon == 1);
    const auto& path = doc.Finish();
    const auto out = NavProbe("notes", path);
    for (int32_t icon = 0; icon < 8; ++icon) {
        const std::string line = "1|/Text|[10 822 10 822]|/C=[0 0 0] /Contents=Promemoria \xC3\xA8 /F=0 /Name=" +
                                 std::string(icons[icon]) + " /Open=" + (icon == 1 ? "True" : "False") + " /T=";
        EXPECT_TRUE(Contains(out, line)) << line << "\nin:\n" << out;
    }
}

}  // namespace
}  // namespace folivo::test
