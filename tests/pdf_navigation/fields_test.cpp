// Form fields: the look Options bits ask for, each field type read back, events and the form.

#include <gtest/gtest.h>

#include "pdf/navigation/field_widget.hpp"
#include "tests/pdf_navigation/nav_readback.hpp"

namespace folivo::test {
namespace {

using navigation::FieldLookOf;

TEST(Fields, NamesMatchThemselvesAndTheirChildren) {
    EXPECT_TRUE(navigation::FieldMatches("totale", "totale"));
    EXPECT_TRUE(navigation::FieldMatches("totale.iva", "totale"));
    EXPECT_FALSE(navigation::FieldMatches("totalex", "totale"));
    EXPECT_FALSE(navigation::FieldMatches("tot", "totale"));
}

TEST(Fields, EachTypeReadsBackAsAFormField) {
    Doc doc;
    Folivo& pdf = doc.Page("Helvetica", 11);
    pdf.SetColorFill("#FFFF00");
    pdf.SetColorLine("#0000FF");
    pdf.SetColorText("#FF0000");
    pdf.AddField("nome", 0, 10, 10, 100, 20, "Rossi (Mario)", "30", "Il cognome", 2048 | 8192);
    pdf.AddField("pagato", 1, 10, 40, 10, 10, "1", "", "", 4194304);
    pdf.AddField("scelta", 2, 10, 60, 80, 15, "2", "uno|due|tre");
    pdf.AddField("elenco", 3, 10, 80, 80, 40, "", "a|b");
    pdf.AddField("tipo.a", 4, 10, 130, 10, 10, "0");
    pdf.AddField("stampa", 5, 10, 150, 50, 20, "this.print();", "Stampa", "", 1);
    const auto out = NavProbe("fields", doc.Finish());
    const std::string mk = "/BC=[0 0 1] /BG=[1 1 0]";
    EXPECT_EQ(out,
              "form need=True co=[] fonts=[/Arial]\n"
              "nome|1|/DA=/Arial 11 Tf 1 0 0 rg  /DV=Rossi (Mario) /F=4 /FT=/Tx /Ff=0 /MK=<" + mk +
                  "> /MaxLen=30 /Q=2 /Rect=[10 832 110 812] /TU=Il cognome /V=Rossi (Mario)|bs=</S=/S /Type=/Border /W=1>|aa=-|a=-\n"
              "pagato|1|/DA=/Arial 0 Tf 1 0 0 rg  /DV=/S#ec /F=4 /FT=/Btn /Ff=0 /MK=</BC=[0 0 1] /BG=[1 1 0] /CA=5> "
                  "/Rect=[10 802 20 792] /V=/S#ec|bs=</S=/S /Type=/Border /W=1>|aa=-|a=-\n"
              "scelta|1|/DA=/Arial 0 Tf 1 0 0 rg  /DV=due /F=4 /FT=/Ch /Ff=131072 /MK=<" + mk +
                  "> /Opt=[uno due tre] /Rect=[10 782 90 767] /V=due|bs=</S=/S /Type=/Border /W=1>|aa=-|a=-\n"
              "elenco|1|/DA=/Arial 0 Tf 1 0 0 rg  /F=4 /FT=/Ch /Ff=0 /MK=<" + mk +
                  "> /Opt=[a b] /Rect=[10 762 90 722]|bs=</S=/S /Type=/Border /W=1>|aa=-|a=-\n"
              "tipo.a|1|/DA=/Arial 0 Tf 1 0 0 rg  /F=4 /FT=/Btn /Ff=32768 /MK=</BC=[0 0 1] /BG=[1 1 0] /CA=4> "
                  "/Rect=[10 712 20 702]|bs=</S=/S /Type=/Border /W=1>|aa=-|a=-\n"
              "stampa|1|/DA=/Arial 0 Tf 1 0 0 rg  /F=6 /FT=/Btn /Ff=65536 /MK=</BC=[0 0 1] /BG=[1 1 0] /CA=Stampa> "
                  "/Rect=[10 692 60 672]|bs=</S=/S /Type=/Border /W=1>|aa=-|a=this.print();\n");
}

TEST(Fields, EventsCalculationOrderAndPages) {
    Doc doc;
    doc.pdf.BeginDoc(doc.path.string());
    doc.pdf.SetProtection(0, "owner", "");
    doc.pdf.AddField("prima", 0, 0, 0, 50, 10);  // before any page: on page 1
    doc.pdf.BeginPage();
    doc.pdf.BeginPage();
    doc.pdf.AddField("totale", 0, 0, 0, 50, 10, "0");
    doc.pdf.AddField("totale.iva", 0, 0, 20, 50, 10);
    doc.pdf.OnFieldEvent(8, "totale", "event.value = 1;");
    doc.pdf.OnFieldEvent(6, "totale.iva", "k();");
    doc.pdf.OnFieldEvent(0, "nessuno", "x();");  // no such field
    doc.pdf.OnFieldEvent(12, "totale", "x();");   // no such event
    doc.pdf.OnFieldEvent(0, "totale", "");
    const auto out = NavProbe("fields", doc.Finish());
    ExpectContains(out, {"form need=True co=[totale totale.iva] fonts=[/Arial]\n", "prima|1|", "|aa=-|a=-\n",
                         "totale|2|", "|aa=/C:event.value = 1;|a=-\n", "totale.iva|2|",
                         "|aa=/C:event.value = 1; /K:k();|a=-\n"});
}

TEST(Fields, NoFieldsNoForm) {
    Doc doc;
    doc.Page();
    doc.pdf.OnFieldEvent(0, "x", "y();");
    EXPECT_EQ(NavProbe("fields", doc.Finish()), "");
}

}  // namespace
}  // namespace folivo::test
