// The standard font tables: the widths that tell the faces apart, and that the committed data is
// what the generator makes from the published AFM files.

#include <gtest/gtest.h>

#include <filesystem>

#include "pdf/fonts/font_table.hpp"
#include "pdf/fonts/standard_fonts.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::fonts {
namespace {

uint16_t Width(std::string_view base, int32_t style, unsigned char code) {
    return (*MetricsFor(base, style).widths)[code];
}

TEST(StandardMetrics, TellingWidthsOfEveryFamily) {
    constexpr int32_t kBI = kStyleBold | kStyleItalic;
    const struct {
        const char* base;
        int32_t style;
        unsigned char code;
        uint16_t width;
    } cases[] = {
        {"Arial", 0, 'A', 667},          {"Arial", kStyleBold, 'A', 722},    {"Arial", kBI, 'A', 722},
        {"Arial", 0, 128, 556},           // Euro
        // 39 and 96 are the straight quote and grave in Windows-1252, the curly quotes in the AFM.
        {"Arial", 0, 39, 191},           {"Arial", 0, 96, 333},
        {"Arial", 0, 160, 278},           // no-break space as space
        {"Arial", 0, 173, 333},           // soft hyphen as hyphen
        {"TimesNewRoman", kStyleItalic, 'A', 611}, {"TimesNewRoman", kBI, 'A', 667},
        {"TimesNewRoman", kStyleBold, 'a', 500},   {"TimesNewRoman", 0, 0x99, 980},  // trademark
        {"Symbol", kStyleBold, 'a', 631},  // alpha; no bold face
        {"Symbol", 0, 128, 0},             // empty in the core font
        {"ZapfDingbats", 0, 'A', 692},     // a10 in the dingbats' own code
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Width(c.base, c.style, c.code), c.width) << c.base << " " << c.style << " " << int(c.code);
    }
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(Width("CourierNew", code % 4, static_cast<unsigned char>(code)), 600) << code;
        EXPECT_GT(Width("Arial", 0, static_cast<unsigned char>(code)), 0) << code;
    }
}

TEST(StandardMetrics, CommittedTablesMatchTheGenerator) {
    const std::filesystem::path afmFolder = "/usr/share/fonts/type1/urw-base35";
    if (!std::filesystem::exists(afmFolder / "NimbusSans-Regular.afm")) {
        GTEST_SKIP() << "fonts-urw-base35 is not installed";
    }
    kv::test::TempDir dir("metrics");
    const std::string source = KV_SOURCE_DIR;
    const auto generated = dir / "core_metrics.cpp";
    const auto run = kv::test::Python(source + "/tools/afm_metrics.py > " +
                                      kv::test::ShellQuote(generated.string()));
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(kv::test::ReadFile(generated),
              kv::test::ReadFile(source + "/pdf/fonts/core_metrics.cpp"));
}

TEST(FontRequests, NamesKeysEncodingsAndNameTokens) {
    // Resource names of the common faces are read back from files; these are the odd requests.
    const FontRequest mac = RequestFor("helvetica", 1, kMacRomanEncoding);
    EXPECT_EQ(std::tuple(mac.resourceName, mac.baseFontName, mac.key), std::tuple("MACArial,Bold", "Arial,Bold", "MACARIAL,BOLD"));
    EXPECT_EQ(RequestFor("Zapf Dingbats", 2, 0).resourceName, "ZapfDingbats");
    // Encodings other than Mac Roman are all Windows ANSI, so they share one record.
    const FontRequest other = RequestFor("Arial", 0, 7);
    EXPECT_EQ(std::tuple(other.encoding, other.resourceName), std::tuple(0, "Arial"));
    EXPECT_EQ(RequestFor("My Font", 1, 0).key, "MYFONT");
    EXPECT_THROW(RequestFor("   ", 0, 0), std::exception);
    EXPECT_EQ(NameToken("Odd(Name)/#\xE8"), "Odd#28Name#29#2F#23#E8");
}

}  // namespace
}  // namespace folivo::fonts
