// The Windows-1252 helper, both ways, against Python's cp1252 codec, byte by byte.

#include <gtest/gtest.h>

#include "pdf/text/windows1252.hpp"
#include "tests/support/test_support.hpp"

namespace folivo::text {
namespace {

TEST(Windows1252, EveryAssignedByteConvertsBothWays) {
    const auto r = kv::test::Python(std::string(KV_SOURCE_DIR) + "/tests/pdf_security/cp1252_table.py");
    ASSERT_EQ(r.status, 0) << r.output;
    size_t checked = 0;
    for (size_t pos = 0, end; pos < r.output.size(); pos = end + 1, ++checked) {
        end = r.output.find('\n', pos + 1);
        ASSERT_NE(end, std::string::npos);
        const std::string expected = r.output.substr(pos, 1);
        const std::string utf8 = r.output.substr(pos + 1, end - pos - 1);
        EXPECT_EQ(Utf8ToWindows1252(utf8), expected) << "byte " << int(static_cast<unsigned char>(expected[0]));
        std::string back;  // and the other way, as the XMP packet writes it
        AppendUtf8(back, Windows1252Char(static_cast<unsigned char>(expected[0])));
        EXPECT_EQ(back, utf8);
    }
    EXPECT_EQ(checked, 224u - 5u);  // 0x20..0xFF without the five unassigned bytes
}

TEST(Windows1252, OutsideTheCodePageAndMalformedInputBecomeQuestionMarks) {
    const std::pair<const char*, const char*> cases[] = {
        {"caff\xC3\xA8 \xE2\x82\xAC 5", "caff\xE8 \x80 5"},
        {"\xE4\xB8\xAD", "?"},         // a CJK character
        {"\xF0\x9F\x98\x80!", "?!"},  // outside the BMP
        {"\xC3", "?"},                // cut short
        {"\xC0\xAF", "??"},           // overlong form of "/"
        {"\xED\xA0\x80", "?"},        // a lone surrogate
        {"", ""},
    };
    for (const auto& [utf8, bytes] : cases) EXPECT_EQ(Utf8ToWindows1252(utf8), bytes) << utf8;
}

}  // namespace
}  // namespace folivo::text
