// The UTF-8 to Windows-1252 helper against Python's cp1252 codec, byte by byte.

#include <gtest/gtest.h>

#include "pdf/text/windows1252.hpp"
#include "tests/support/test_support.hpp"

namespace {

using folivo::text::Utf8ToWindows1252;

TEST(Windows1252, EveryAssignedByteRoundTripsFromItsUtf8Form) {
    const auto r = kv::test::Python(std::string(KV_SOURCE_DIR) + "/tests/pdf_security/cp1252_table.py");
    ASSERT_EQ(r.status, 0) << r.output;
    size_t checked = 0;
    size_t pos = 0;
    while (pos < r.output.size()) {
        const size_t end = r.output.find('\n', pos + 1);
        ASSERT_NE(end, std::string::npos);
        const std::string expected = r.output.substr(pos, 1);
        const std::string utf8 = r.output.substr(pos + 1, end - pos - 1);
        EXPECT_EQ(Utf8ToWindows1252(utf8), expected) << "byte " << int(static_cast<unsigned char>(expected[0]));
        ++checked;
        pos = end + 1;
    }
    EXPECT_EQ(checked, 224u - 5u);  // 0x20..0xFF without the five unassigned bytes
}

TEST(Windows1252, OutsideTheCodePageAndMalformedInputBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToWindows1252("caff\xC3\xA8 \xE2\x82\xAC 5"), "caff\xE8 \x80 5");
    EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?");           // a CJK character
    EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x98\x80!"), "?!");     // outside the BMP
    EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");                   // cut short
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");              // overlong form of "/"
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "?");           // a lone surrogate
    EXPECT_EQ(Utf8ToWindows1252(""), "");
}

}  // namespace
