// A user's TrueType file through AddFont, then text set in it; odd-sized inputs are also subset
// when the document ends, and one input in three makes a Type 0 font (Encoding 2), whose text here
// is malformed UTF-8.

#include "fuzz/pdf_document.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = kv::fuzz::WriteInput("f.ttf", data, size);
    kv::fuzz::PageUnderTest page;
    try {
        page.pdf.SetFontSubsetting(size % 2 == 1);
        std::string alias = page.pdf.AddFont(path.string(), "FUZZ", true, size % 3 == 2 ? 2 : 0);
        if (page.pdf.ErrNumber() == 0) {
            page.pdf.SetFont(alias, 12);
            page.pdf.DrawText(10, 10, "Città € 10");
        }
    } catch (const folivo::Error&) {
    }
    return 0;
}
