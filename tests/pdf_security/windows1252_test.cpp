// The Windows-1252 helper, both ways, against Python's cp1252 codec, byte by byte.

#include <gtest/gtest.h>

#include "pdf/text/windows1252.hpp"
#include "tests/pdf_support/readback.hpp"

namespace folivo::text {
namespace {

TEST(Windows1252, EveryAssignedByteConvertsBothWays) {
    // Each byte 0x20..0xFF that cp1252 assigns, its character in UTF-8 and a newline.
    const std::string table = test::PythonOutput("import sys\nfor b in range(32, 256):\n"
                                                 "    try: sys.stdout.buffer.write(bytes([b]) + bytes([b]).decode('cp1252').encode() + b'\\n')\n"
                                                 "    except UnicodeDecodeError: pass\n");
    size_t checked = 0;
    for (size_t pos = 0, end; pos < table.size(); pos = end + 1, ++checked) {
        end = table.find('\n', pos + 1);
        ASSERT_NE(end, std::string::npos);
        const std::string expected = table.substr(pos, 1);
        const std::string utf8 = table.substr(pos + 1, end - pos - 1);
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
