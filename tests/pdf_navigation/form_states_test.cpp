// Form fields show their state and text in the file itself: rendered by poppler (which redraws fields from
// /AS, /V and /MK), by poppler on a copy without /NeedAppearances (our own appearance streams, as a
// viewer that ignores the flag shows them) and by MuPDF; pikepdf walks the field hierarchy.

#include <gtest/gtest.h>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

struct Place {
    int x, y, w, h;  // points, Y downwards; at scale 1 and 72 dpi also pixels
};
constexpr Place kTicked{10, 10, 20, 20};
constexpr Place kUnticked{40, 10, 20, 20};
constexpr Place kRadioOff{10, 40, 20, 20};
constexpr Place kRadioOn{40, 40, 20, 20};
constexpr Place kText{10, 70, 150, 20};
constexpr Place kList{10, 100, 100, 50};
constexpr Place kCombo{120, 100, 80, 20};
constexpr Place kButton{120, 40, 60, 20};

void Add(Folivo& pdf, const std::string& name, int32_t type, const Place& at, const std::string& value,
         const std::string& param = "") {
    pdf.AddField(name, type, static_cast<float>(at.x), static_cast<float>(at.y), static_cast<float>(at.w),
                 static_cast<float>(at.h), value, param);
}

// Dark pixels inside a field's box, away from its border.
int Ink(const Rendered& page, const Place& at) {
    int dark = 0;
    for (int y = at.y + 5; y < at.y + at.h - 5; ++y) {
        for (int x = at.x + 5; x < at.x + at.w - 5; ++x) {
            const Rgb c = page.At(x, y);
            dark += std::min({c[0], c[1], c[2]}) < 128 ? 1 : 0;
        }
    }
    return dark;
}

// The document, and a copy of it without /NeedAppearances made by pikepdf, which also prints the
// field tree: one line per field or widget, indented by depth.
constexpr const char* kProbe = R"(
import re, sys, pikepdf
pdf = pikepdf.open(sys.argv[1])
annots = [a.objgen for a in pdf.pages[0].Annots]
reached = []
def name(value):
    return value.unparse().decode('latin-1') if isinstance(value, pikepdf.Name) else str(value)
def states(d):  # the state names, undecoded (/S#ec is no UTF-8 text)
    return ','.join(sorted(k.decode('latin-1') for k in re.findall(rb'(/[^ ]+) \d+ 0 R', d.unparse())))
def walk(node, depth, parent):
    line = '  ' * depth + str(node.get('/T', '-'))
    if node.get('/Parent') is not None and node.Parent.objgen != parent:
        line += ' WRONG-PARENT'
    for key in ('/FT', '/V', '/AS'):
        if key in node:
            line += ' ' + key[1:] + '=' + name(node[key])
    if '/AS' in node:
        line += ' N=' + states(node.AP.N) + ' D=' + states(node.AP.D)
    if node.objgen in annots:
        line += ' widget'
        reached.append(node.objgen)
    print(line)
    for kid in node.get('/Kids', []):
        walk(kid, depth + 1, node.objgen)
for field in pdf.Root.AcroForm.Fields:
    walk(field, 0, None)
print('annotations reached', len(reached), 'of', len(annots))
del pdf.Root.AcroForm['/NeedAppearances']
pdf.save(sys.argv[2])
)";

TEST(FormStates, SetFieldsShowInEveryRendererAndFormOneTree) {
    Doc doc;
    Folivo& pdf = doc.Page("Helvetica", 10);
    pdf.SetColorFill("#FFFFFF");
    pdf.SetColorLine("#000000");
    Add(pdf, "pagato", 1, kTicked, "1");
    Add(pdf, "sospeso", 1, kUnticked, "0");
    Add(pdf, "tipo.scelta", 4, kRadioOff, "0");
    Add(pdf, "tipo.scelta", 4, kRadioOn, "1");
    Add(pdf, "dati.persona.nome", 0, kText, "Rossi Mario");
    Add(pdf, "elenco", 3, kList, "2", "uno|due|tre");
    Add(pdf, "tendina", 2, kCombo, "3", "uno|due|tre");
    Add(pdf, "stampa", 5, kButton, "", "Stampa");
    Add(pdf, "x..y", 0, {200, 10, 50, 20}, "");  // an empty part: one flat name
    const auto written = doc.Finish();
    const auto ignored = doc.dir / "no-need-appearances.pdf";
    EXPECT_EQ(PythonOutput(kProbe, {written.string(), ignored.string()}),
              "pagato FT=/Btn V=/S#ec AS=/S#ec N=/Off,/S#ec D=/Off,/S#ec widget\n"
              "sospeso FT=/Btn AS=/Off N=/Off,/S#ec D=/Off,/S#ec widget\n"
              "tipo\n"
              "  scelta FT=/Btn V=/S#ec\n"
              "    - AS=/Off N=/Off,/S#ec D=/Off,/S#ec widget\n"
              "    - AS=/S#ec N=/Off,/S#ec D=/Off,/S#ec widget\n"
              "dati\n"
              "  persona\n"
              "    nome FT=/Tx V=Rossi Mario widget\n"
              "elenco FT=/Ch V=due widget\n"
              "tendina FT=/Ch V=tre widget\n"
              "stampa FT=/Btn widget\n"
              "x..y FT=/Tx V= widget\n"
              "annotations reached 9 of 9\n");

    const std::pair<const char*, Rendered> renders[] = {
        {"poppler, fields redrawn", Rendered(written)},
        {"poppler, our appearances", Rendered(ignored)},
        {"mupdf", Rendered(written, Rendered::kMuPdf)},
    };
    for (const auto& [renderer, page] : renders) {
        SCOPED_TRACE(renderer);
        EXPECT_GT(Ink(page, kTicked), 5);
        EXPECT_EQ(Ink(page, kUnticked), 0);
        EXPECT_EQ(Ink(page, kRadioOff), 0);
        EXPECT_GT(Ink(page, kRadioOn), 5);
        EXPECT_GT(Ink(page, kText), 40);
        EXPECT_GT(Ink(page, kCombo), 15);
        EXPECT_GT(Ink(page, kButton), 15);
    }
    // Poppler complains of a form whose resources lack the font it redraws buttons with.
    EXPECT_EQ(renders[0].second.Messages(), "");
    // Poppler redraws lists without their choice; our appearance, which MuPDF shows, marks it.
    for (size_t i = 1; i < 3; ++i) ExpectColors(renders[i].second, {{100, 121, {153, 191, 217}}}, 12);
}

}  // namespace
}  // namespace folivo::test
