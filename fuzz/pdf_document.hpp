#pragma once
// A Folivo document on the scratch folder with one open page, for the targets that draw a
// user's file on it (images, fonts, imported pages). The document is finished on destruction.

#include <string>

#include "fuzz/fuzz_support.hpp"
#include "pdf/folivo.hpp"

namespace kv::fuzz {

class PageUnderTest {
public:
    PageUnderTest() {
        pdf.SetCompression(1);
        pdf.BeginDoc((ScratchFolder() / "out.pdf").string());
        pdf.BeginPage();
    }
    ~PageUnderTest() {
        try {
            pdf.EndDoc();
        } catch (const folivo::Error&) {
        }
    }
    PageUnderTest(const PageUnderTest&) = delete;
    PageUnderTest& operator=(const PageUnderTest&) = delete;

    folivo::Folivo pdf;
};

}  // namespace kv::fuzz
