// Optional-content layers: the groups, their default state and list order, and the marked content.

#include <gtest/gtest.h>

#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

TEST(Layers, GroupsStatesAndUsageReadBack) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.BeginLayer("Griglia");
    pdf.DrawRect(10, 10, 20, 20);
    pdf.EndLayer();
    pdf.BeginLayer("Screen", 1, 0);
    pdf.DrawText(10, 50, "solo a video");
    pdf.EndLayer();
    pdf.BeginLayer("printer", 0);
    pdf.EndLayer();
    pdf.BeginLayer("GRIGLIA", 0, 0);  // the first layer again, its settings unchanged
    pdf.EndLayer();
    pdf.EndLayer();  // unmatched: ignored
    const auto& path = doc.Finish();
    EXPECT_EQ(NavProbe("layers", path),
              "ocg Griglia -\n"
              "ocg Screen print=/OFF view=/ON\n"
              "ocg printer print=/ON view=/OFF\n"
              "on Griglia Screen\n"
              "off printer\n"
              "order Griglia printer\n"
              "as /Print Griglia Screen printer\n"
              "as /View Griglia Screen printer\n"
              "resource /_LAY_1 Griglia\n"
              "resource /_LAY_2 Screen\n"
              "resource /_LAY_3 printer\n");
    const std::string content = PageContent(path);
    size_t begins = 0, ends = 0;
    for (size_t at = content.find("BDC"); at != std::string::npos; at = content.find("BDC", at + 1)) ++begins;
    for (size_t at = content.find("EMC"); at != std::string::npos; at = content.find("EMC", at + 1)) ++ends;
    EXPECT_EQ(begins, 4u);
    EXPECT_EQ(ends, 4u);
    EXPECT_EQ(kv::test::ReadFile(path).substr(0, 8), "%PDF-1.5");
}

TEST(Layers, LayerLinksSwitchLayersByScript) {
    Doc doc;
    Folivo& pdf = doc.Page();
    pdf.BeginLayer("Note");
    pdf.EndLayer();
    pdf.LinkTo("layer:TOGGLE(Note)");
    EXPECT_EQ(NavProbe("annots", doc.Finish()),
              "1|/Link|0 0 0 0|js var ocgArray = this.getOCGs();for (var i=0; i < ocgArray.length; i++) {\\r"
              "if (ocgArray[i].name == 'Note') { ocgArray[i].state = !ocgArray[i].state; };\\r}\n");
}

TEST(Layers, NoLayersNoOptionalContent) {
    Doc doc;
    doc.Page();
    EXPECT_EQ(NavProbe("layers", doc.Finish()), "");
}

}  // namespace
}  // namespace folivo::test
