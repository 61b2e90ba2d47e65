// A user's image file through DrawImage: the first byte chooses the format (by the file's
// extension, as a user's file name does), the rest is the file.

#include <array>

#include "fuzz/pdf_document.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static constexpr std::array<const char*, 9> kNames = {"i.bmp", "i.gif", "i.tga", "i.jpg", "i.wmf",
                                                          "i.eps", "i.png", "i.jpeg", "i.ai"};
    if (size < 1) return 0;
    const char* name = kNames[data[0] % kNames.size()];
    const auto path = kv::fuzz::WriteInput(name, data + 1, size - 1);
    kv::fuzz::PageUnderTest page;
    try {
        page.pdf.DrawImage(path.string(), 10, 10, 50, 0, 2);
    } catch (const folivo::Error&) {
    }
    return 0;
}
