// A user's PDF file through GetInfo and ImportPage of its first two pages.

#include "fuzz/pdf_document.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = kv::fuzz::WriteInput("in.pdf", data, size);
    kv::fuzz::PageUnderTest page;
    std::string title, subject, author;
    bool encrypted = false;
    try {
        const int32_t pages = page.pdf.GetInfo(path.string(), title, subject, author, encrypted);
        for (int32_t number = 1; number <= pages && number <= 2; ++number)
            page.pdf.ImportPage(path.string(), number, 10, 10, 100);
    } catch (const folivo::Error&) {
    }
    return 0;
}
