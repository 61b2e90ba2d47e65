// The registry stand-in: parsing of .reg exports as regedit writes them and as people edit them.

#include <gtest/gtest.h>

#include "platform/registry.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

const char* kKey = "HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO";

std::string Utf16Le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char c : ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(Registry, ReadsStringValuesWithEscapesAndIgnoresCase) {
    Registry registry = Registry::FromBytes(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Orvanta\\Lumeo]\r\n"
        "\"PercorsoArchivi\"=\"C:\\\\LUMEO\\\\ARK\"\r\n"
        "\"Quoted\"=\"say \\\"hi\\\"\" ; trailing comment\r\n"
        "\"Count\"=dword:00000010\r\n");
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOARCHIVI"), "C:\\LUMEO\\ARK");
    EXPECT_EQ(registry.ReadString("hkcu\\software\\orvanta\\lumeo\\", "quoted"), "say \"hi\"");
    EXPECT_EQ(registry.ReadString(kKey, "Count"), std::nullopt);  // not a string
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOPROGRAMMI"), std::nullopt);
    EXPECT_EQ(registry.ReadString("HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA", "PercorsoArchivi"),
              std::nullopt);
}

TEST(Registry, ReadsUtf16ExportsAndConvertsToWindows1252) {
    std::string text =
        "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
        "\"PERCORSOARCHIVI\"=\"/srv/lumeo/ark\"\r\n";
    std::string bytes = Utf16Le(text);
    // An "e" with grave accent (U+00E8) and a euro sign (U+20AC) inside a second value.
    bytes += Utf16Le("\"NOTE\"=\"").substr(2);
    bytes += std::string("\xE8\x00\xAC\x20", 4);
    bytes += Utf16Le("\"\r\n").substr(2);
    Registry registry = Registry::FromBytes(bytes);
    EXPECT_EQ(registry.ReadString(kKey, "PERCORSOARCHIVI"), "/srv/lumeo/ark");
    EXPECT_EQ(registry.ReadString(kKey, "NOTE"), "\xE8\x80");

    // UTF-8 with its byte-order mark; a character outside the code page becomes "?".
    Registry utf8 = Registry::FromBytes(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\n[HKCU\\SOFTWARE\\ORVANTA\\LUMEO]\n"
        "\"NOTE\"=\"caff\xC3\xA8 \xF0\x9F\x98\x80\"\n");
    EXPECT_EQ(utf8.ReadString(kKey, "NOTE"), "caff\xE8 ?");
}

}  // namespace
}  // namespace kv::platform
