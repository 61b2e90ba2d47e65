// File size of a page with two lines of DejaVu Sans, written by Folivo (whole font, subset simple
// font, Type 0 font) and by cairo, which always embeds a subset: the number to match is cairo's.
//
//   bench_font_subset_vs_cairo [FONT_FILE]      default: DejaVu Sans

#include <cairo/cairo-pdf.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "pdf/folivo.hpp"

namespace {

const std::string kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr float kSize = 12;
constexpr float kLeft = 72, kFirst = 72, kSecond = 90;
// The same two lines as Windows-1252 (Encoding 0) and UTF-8 (Encoding 2 and cairo).
const std::string kLines1252[] = {"Registro dei compensi a terzi - anno 2026", "Qualit\xE0 e pi\xF9 \x80 1.234,56"};
const std::string kLinesUtf8[] = {"Registro dei compensi a terzi - anno 2026", "Qualit\xC3\xA0 e pi\xC3\xB9 \xE2\x82\xAC 1.234,56"};

void WriteFolivo(const std::string& path, const std::string& font, bool subset, int32_t encoding) {
    folivo::Folivo pdf;
    pdf.SetScale(0);  // points
    pdf.SetCompression(2);
    pdf.BeginDoc(path);
    pdf.SetFontSubsetting(subset);
    pdf.AddFont(font, "Body", true, encoding);
    pdf.BeginPage();
    pdf.SetFont("Body", kSize);
    const std::string* lines = encoding == 2 ? kLinesUtf8 : kLines1252;
    pdf.DrawText(kLeft, kFirst, lines[0]);
    pdf.DrawText(kLeft, kSecond, lines[1]);
    pdf.EndDoc();
}

void WriteCairo(const std::string& path) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), 595, 842);
    cairo_t* cr = cairo_create(surface);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, kSize);
    cairo_move_to(cr, kLeft, kFirst);
    cairo_show_text(cr, kLinesUtf8[0].c_str());
    cairo_move_to(cr, kLeft, kSecond);
    cairo_show_text(cr, kLinesUtf8[1].c_str());
    cairo_show_page(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    cairo_surface_destroy(surface);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string font = argc > 1 ? argv[1] : kDefaultFont;
    const auto path = (std::filesystem::temp_directory_path() / "kvvelm-bench-subset.pdf").string();
    const auto sizeOf = [&](const char* name, auto write) {
        write();
        std::printf("  %-32s %9ju bytes\n", name, static_cast<uintmax_t>(std::filesystem::file_size(path)));
        std::filesystem::remove(path);
    };
    std::printf("Two lines of %s, 12 pt, Flate\n", std::filesystem::path(font).filename().c_str());
    sizeOf("folivo, whole font", [&] { WriteFolivo(path, font, false, 0); });
    sizeOf("folivo, subset (Encoding 0)", [&] { WriteFolivo(path, font, true, 0); });
    sizeOf("folivo, Type 0 (Encoding 2)", [&] { WriteFolivo(path, font, true, 2); });
    sizeOf("cairo", [&] { WriteCairo(path); });
    return 0;
}
