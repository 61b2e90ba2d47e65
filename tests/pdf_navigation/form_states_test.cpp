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

// The fields, and the dark pixels each must show: at least `ink` (0: none at all; -1: not judged).
const struct {
    const char *name, *value, *param;
    int32_t type;
    Place at;
    int ink;
} kFields[] = {
    {"pagato", "1", "", 1, {10, 10, 20, 20}, 6},           {"sospeso", "0", "", 1, {40, 10, 20, 20}, 0},
    {"tipo.scelta", "0", "", 4, {10, 40, 20, 20}, 0},      {"tipo.scelta", "1", "", 4, {40, 40, 20, 20}, 6},
    {"dati.persona.nome", "Rossi Mario", "", 0, {10, 70, 150, 20}, 41},
    {"elenco", "2", "uno|due|tre", 3, {10, 100, 100, 50}, -1},
    {"tendina", "3", "uno|due|tre", 2, {120, 100, 80, 20}, 16},
    {"stampa", "", "Stampa", 5, {120, 40, 60, 20}, 16},
    {"x..y", "", "", 0, {200, 10, 50, 20}, -1},  // an empty part: one flat name
};

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
    for (const auto& f : kFields) {
        pdf.AddField(f.name, f.type, static_cast<float>(f.at.x), static_cast<float>(f.at.y), static_cast<float>(f.at.w),
                     static_cast<float>(f.at.h), f.value, f.param);
    }
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
        for (const auto& f : kFields) {
            const int ink = Ink(page, f.at);
            EXPECT_TRUE(f.ink < 0 || (f.ink == 0 ? ink == 0 : ink >= f.ink)) << f.name << " " << f.value << ": " << ink;
        }
    }
    // Poppler complains of a form whose resources lack the font it redraws buttons with.
    EXPECT_EQ(renders[0].second.Messages(), "");
    // Poppler redraws lists without their choice; our appearance, which MuPDF shows, marks it.
    for (size_t i = 1; i < 3; ++i) ExpectColors(renders[i].second, {{100, 121, {153, 191, 217}}}, 12);
}

}  // namespace
}  // namespace folivo::test
