// JavaScript on document and page events, read back from the catalog and the pages.

#include <gtest/gtest.h>

#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

TEST(DocumentScripts, EachEventLandsWhereAViewerLooks) {
    Doc doc;
    Folivo& pdf = doc.pdf;
    pdf.BeginDoc(doc.path.string());
    const char* names[] = {"apertura pagina", "chiusura pagina", "s1", "wc", "wp", "ws", "dp", "ds", "globale"};
    for (int32_t type = 0; type < 9; ++type) pdf.OnDocEvent(type, names[type]);
    pdf.OnDocEvent(2, "s2");
    pdf.OnDocEvent(9, "ignorato");
    pdf.BeginPage();
    pdf.BeginPage();  // page scripts belong to one page
    const auto& path = doc.Finish();
    EXPECT_EQ(NavProbe("scripts", path),
              "open|s1\\rs2\n/DP|dp\n/DS|ds\n/WC|wc\n/WP|wp\n/WS|ws\n"
              "names globalscript|globale\n"
              "page1/C|chiusura pagina\npage1/O|apertura pagina\n");
    EXPECT_EQ(kv::test::ReadFile(path).substr(0, 8), "%PDF-1.4");
}

TEST(DocumentScripts, ResetKeepsOnlyTheLastScript) {
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.SetProtection(0, "owner", "");
    doc.pdf.OnDocEvent(2, "s1");
    doc.pdf.OnDocEvent(2, "s2", true);
    doc.pdf.OnDocEvent(8, "var x = 1;");
    doc.pdf.BeginPage();
    doc.pdf.OnDocEvent(0, "app.alert('p');");
    EXPECT_EQ(NavProbe("scripts", doc.Finish()),
              "open|s2\nnames globalscript|var x = 1;\npage1/O|app.alert('p');\n");
}

}  // namespace
}  // namespace folivo::test
