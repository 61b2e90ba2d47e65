#pragma once
// Shared by the pdf test suites: a host with a fixed clock, a scratch document, and reading our
// files back through outside tools only (pikepdf via readback.py, poppler's pdftotext and pdftoppm).

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/folivo.hpp"
#include "pdf/host.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::test {

// A host with a fixed clock and random source that records what it was asked to do.
class FakeHost : public Host {
public:
    int retriesToGrant = 0;  // how many retry messages are answered "retry"
    int messages = 0;
    std::string lastTitle;
    std::string lastText;
    std::string opened;
    LocalTime now{2026, 12, 6, 9, 5, 7};
    double random = 0.42;

    bool ShowRetryMessage(const std::string& title, const std::string& text) override {
        ++messages;
        lastTitle = title;
        lastText = text;
        return retriesToGrant-- > 0;
    }
    void ShellOpen(const std::string& path) override { opened = path; }
    LocalTime Now() override { return now; }
    double Random() override { return random; }
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

inline int Occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Fails the test for each part the text lacks.
inline void ExpectContains(const std::string& text, std::initializer_list<std::string> parts) {
    for (const auto& part : parts) EXPECT_TRUE(Contains(text, part)) << "missing: " << part << "\nin:\n" << text;
}

// The error an action must raise; a test failure (and error 0) when it raises none.
template <class Action>
Error ErrorOf(Action&& action) {
    try {
        action();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error raised";
    return Error(0, "");
}

inline std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// pdftotext output in UTF-8.
inline std::string Utf8Text(const std::filesystem::path& pdf) {
    const auto run = kv::test::Run("pdftotext -enc UTF-8 " + kv::test::ShellQuote(pdf.string()) + " -");
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

// What a Python program prints: `program` is a script file, or the code itself when it holds a line
// break; each argument is quoted. Fails the test when the program ends with an error.
inline std::string PythonOutput(const std::string& program, std::initializer_list<std::string> args = {}) {
    std::string command = (program.find('\n') == std::string::npos ? "" : "-c ") + kv::test::ShellQuote(program);
    for (const auto& arg : args) command += " " + kv::test::ShellQuote(arg);
    const auto run = kv::test::Python(command);
    EXPECT_EQ(run.status, 0) << run.output;
    return run.output;
}

// A file read back whole by pikepdf (readback.py): every object as text, every stream decoded.
// Fails the test when pikepdf cannot open the file.
class Readback {
public:
    explicit Readback(const std::filesystem::path& pdf, const std::string& password = "") {
        Parse(PythonOutput(KV_SOURCE_DIR "/tests/pdf_support/readback.py", {pdf.string(), password}));
    }

    std::string version;
    std::string trailer;
    std::vector<int> pages;           // object numbers, page 1 first
    std::vector<std::string> labels;  // as a viewer shows them

    // An object's text ("<< .. >>", a number...), "" when there is none.
    const std::string& Object(int number) const { return Lookup(objects_, number); }
    // A stream's decoded data.
    const std::string& Stream(int number) const { return Lookup(streams_, number); }
    const std::string& Page(int page) const { return Object(pages.at(static_cast<size_t>(page - 1))); }
    // The decoded content of a 1-based page.
    const std::string& Content(int page = 1) const { return Stream(Ref(Page(page), "/Contents")); }
    const std::string& Catalog() const { return Object(Ref(trailer, "/Root")); }
    const std::string& Info() const { return Object(Ref(trailer, "/Info")); }
    // The objects page 1's resources name with the prefix ("/_IMG_"), by name.
    std::map<std::string, int> Resources(const std::string& prefix) const {
        const std::string& resources = Object(Ref(Page(1), "/Resources"));
        std::map<std::string, int> named;
        for (size_t at = resources.find(prefix); at != std::string::npos; at = resources.find(prefix, at + 1)) {
            const std::string name = resources.substr(at, resources.find(' ', at) - at);
            named[name] = Ref(resources, name);
        }
        return named;
    }
    // The object a dictionary's key refers to ("/Key n 0 R"), 0 when it does not.
    static int Ref(const std::string& dict, const std::string& key) {
        const size_t at = dict.find(key + " ");
        return at == std::string::npos ? 0 : std::atoi(dict.c_str() + at + key.size() + 1);
    }
    // The first object whose text holds every part, 0 when none does.
    int Find(std::initializer_list<std::string> parts) const {
        for (const auto& [number, text] : objects_) {
            bool all = true;
            for (const auto& part : parts) all = all && text.find(part) != std::string::npos;
            if (all) return number;
        }
        return 0;
    }
    // How many objects hold the part.
    int Count(const std::string& part) const {
        int n = 0;
        for (const auto& entry : objects_) n += entry.second.find(part) != std::string::npos ? 1 : 0;
        return n;
    }

private:
    static const std::string& Lookup(const std::map<int, std::string>& table, int number) {
        static const std::string none;
        const auto it = table.find(number);
        return it == table.end() ? none : it->second;
    }

    void Parse(const std::string& out) {
        std::istringstream in(out);
        std::string kind;
        int number = 0;
        for (size_t length = 0; in >> kind >> number >> length;) {
            std::string data(length + 1, '\0');  // the line feed before the data is read with it
            in.read(data.data(), static_cast<std::streamsize>(length + 1));
            data.erase(0, 1);
            if (kind == "version") version = data;
            if (kind == "trailer") trailer = data;
            if (kind == "page") {
                pages.push_back(number);
                labels.push_back(data);
            }
            if (kind == "obj") objects_[number] = data;
            if (kind == "stream") streams_[number] = data;
        }
    }

    std::map<int, std::string> objects_;
    std::map<int, std::string> streams_;
};

// The decoded content stream of a 1-based page.
inline std::string PageContent(const std::filesystem::path& pdf, int page = 1) { return Readback(pdf).Content(page); }

using kv::test::FindWord;
using kv::test::WordBox;
using kv::test::WordBoxes;

// The first page rendered by poppler's pdftoppm at 72 dpi: one pixel is one point, and pixel (x, y)
// is the user point (x, y) of a page without margins at scale 1.
using Rgb = std::array<int, 3>;

class Rendered {
public:
    // kCropBox: what a viewer shows (the crop box) rather than the whole media box; kMuPdf: rendered
    // by MuPDF's mutool draw instead, also at 72 dpi.
    enum By { kPoppler, kCropBox, kMuPdf };
    explicit Rendered(const std::filesystem::path& pdf, By by = kPoppler) {
        const std::string in = kv::test::ShellQuote(pdf.string());
        const std::string out = (pdf.parent_path() / (by == kMuPdf ? "render-mupdf" : "render")).string();
        const auto run = kv::test::Run(by == kMuPdf ? "mutool draw -q -r 72 -o " + kv::test::ShellQuote(out + ".ppm") + " " + in + " 1"
                                                    : std::string("pdftoppm -r 72 -f 1 -l 1 -singlefile ") +
                                                          (by == kCropBox ? "-cropbox " : "") + in + " " + kv::test::ShellQuote(out));
        EXPECT_EQ(run.status, 0) << run.output;
        messages_ = run.output;
        Parse(kv::test::ReadFile(out + ".ppm"));
    }

    const std::string& Pixels() const { return pixels_; }
    const std::string& Messages() const { return messages_; }  // what the renderer printed

    Rgb At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)) * 3;
        if (i + 2 >= pixels_.size()) return {-1, -1, -1};
        return {static_cast<unsigned char>(pixels_[i]), static_cast<unsigned char>(pixels_[i + 1]),
                static_cast<unsigned char>(pixels_[i + 2])};
    }

private:
    void Parse(const std::string& ppm) {
        std::istringstream in(ppm);
        std::string magic;
        int maxValue = 0;
        in >> magic >> width_ >> height_ >> maxValue;
        in.get();
        EXPECT_EQ(magic, "P6");
        pixels_ = ppm.substr(static_cast<size_t>(in.tellg()));
    }

    int width_ = 0;
    int height_ = 0;
    std::string pixels_;
    std::string messages_;
};

// Checks rendered colours at points of the page, within a tolerance (JPEG and smooth shading vary).
struct ColorAt {
    int x, y;
    Rgb color;
};
inline void ExpectColors(const Rendered& page, const std::vector<ColorAt>& probes, int tolerance = 8) {
    for (const auto& p : probes) {
        const Rgb got = page.At(p.x, p.y);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_LE(std::abs(got[i] - p.color[i]), tolerance) << p.x << "," << p.y << " component " << i;
        }
    }
}

// The content a page's drawing added: after the flip matrix and the black colours of BeginPage.
inline std::string Drawn(const std::string& content) {
    const std::string opening = "0 0 0 rg\r0 0 0 RG\r";
    const size_t at = content.find(opening);
    return at == std::string::npos ? content : content.substr(at + opening.size());
}

// A writer on a fixed-clock host with its file in a scratch folder.
struct Doc {
    kv::test::TempDir dir{"pdf"};
    FakeHost host;
    Folivo pdf{host};
    std::filesystem::path path = dir / "out.pdf";

    // Opens the document and its first page.
    Folivo& Open() {
        pdf.BeginDoc(path.string());
        pdf.BeginPage();
        return pdf;
    }
    // The same with a font selected.
    Folivo& Page(const std::string& font = "Courier", float size = 10) {
        Open().SetFont(font, size);
        return pdf;
    }

    // Ends the document and checks it with qpdf.
    const std::filesystem::path& Finish() {
        pdf.EndDoc();
        EXPECT_QPDF_CLEAN(path);
        return path;
    }
};

inline constexpr const char* kSampleTitle = "Elenco Documenti (2026)";
inline constexpr const char* kSampleAuthor = "Studio Bianchi";
inline constexpr const char* kSampleLine = "ROSSI MARIO fattura 123 imponibile 1500,00";

// A two-page report-like document with the sample title, author and text; `setup` runs after
// BeginDoc and SetDocProperty, before the first page (where SetCompression and SetProtection go).
inline void WriteSampleDocument(const std::filesystem::path& file, const std::function<void(Folivo&)>& setup) {
    FakeHost host;
    Folivo pdf(host);
    pdf.BeginDoc(file.string());
    pdf.SetDocProperty(kSampleTitle, "Compensi \xE0 terzi", kSampleAuthor);
    setup(pdf);
    for (int page = 1; page <= 2; ++page) {
        pdf.BeginPage();
        pdf.SetFont("Courier", 10);
        for (int line = 0; line < 40; ++line) {
            pdf.DrawText(20, 20 + 12.0f * static_cast<float>(line),
                         std::string(kSampleLine) + " riga " + std::to_string(page * 100 + line));
        }
        pdf.EndPage();
    }
    pdf.EndDoc();
}

}  // namespace folivo::test
