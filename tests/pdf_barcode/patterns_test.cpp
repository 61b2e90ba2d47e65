// The symbology builders as pure functions: check digits of published examples, the full ASCII
// extension of Code 39, Code 128 set switching and the tables' shapes.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "pdf/barcode/barcode.hpp"
#include "pdf/barcode/code128.hpp"
#include "pdf/barcode/code39.hpp"
#include "pdf/barcode/ean.hpp"
#include "pdf/barcode/interleaved25.hpp"
#include "pdf/barcode/postnet.hpp"

namespace folivo::barcode {
namespace {

TEST(BarcodeCheckDigits, PublishedExamplesAndInterleaved25Padding) {
    struct Case {
        std::string (*encode)(std::string_view);
        std::string code;
        std::string expected;
    };
    // The published EAN-13, EAN-8 and Interleaved 2 of 5 examples are decoded back from drawn symbols.
    const std::vector<Case> cases = {
        {Ean13Digits, "4006381333939", "4006381333931"},  // a wrong 13th digit is replaced
        {Ean8Digits, "5512345", "55123457"},     {Ean13Digits, "40063813339", ""},  {Ean13Digits, "40063813339312", ""},
        {Ean13Digits, "40063813339A", ""},       {Ean8Digits, "963850", ""},        {PostnetDigits, "12345", "123455"},
        {PostnetDigits, "55555-1237", "5555512372"}, {PostnetDigits, "1234x", ""}, {PostnetDigits, "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.encode(c.code), c.expected) << c.code;
    EXPECT_EQ(Interleaved25Digits("123456", true), "0123456" "5");  // padded to pairs, then checked
    EXPECT_EQ(Interleaved25Digits("12a4", false), "");
    EXPECT_EQ(Interleaved25Digits("", true), "");
    // Start, the pair "12" (bars of 1 interleaved with spaces of 2), stop.
    EXPECT_EQ(Interleaved25Elements("12"), "nnnn" "wnnwnnnnww" "wnn");
}

TEST(BarcodeEan, ModulesFollowTheParityOfTheFirstDigit) {
    // 4006381333931: first digit 4 -> ABAABB; digits 0 A, 0 B, 6 A, 3 A, 8 B, 1 B.
    const std::string modules = Ean13Modules("400638133393");
    ASSERT_EQ(modules.size(), 95u);
    EXPECT_EQ(modules.substr(0, 3), "101");
    EXPECT_EQ(modules.substr(3, 14), "0001101" "0100111");
    EXPECT_EQ(modules.substr(45, 5), "01010");
    EXPECT_EQ(modules.substr(85, 10), "1100110" "101");  // check digit 1 in set C, end guard
    EXPECT_EQ(Ean8Modules("9638507").size(), 67u);
    EXPECT_EQ(Ean8Modules("96385"), "");
}

TEST(BarcodeCode39, FullAsciiSequences) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"CODE 39-.", "CODE 39-."}, {"a", "+A"},   {"z", "+Z"},   {std::string(1, '\0'), "%U"},
        {"\x01", "$A"},             {"\x1A", "$Z"}, {"\x1B", "%A"}, {"\x1F", "%E"},
        {"!", "/A"},                {"$", "/D"},    {"%", "/E"},    {"*", "/J"},
        {"+", "/K"},                {"/", "/O"},    {":", "/Z"},    {";", "%F"},
        {"?", "%J"},                {"@", "%V"},    {"[", "%K"},    {"_", "%O"},
        {"`", "%W"},                {"{", "%P"},    {"~", "%S"},    {"\x7F", "%T"},
    };
    for (const auto& [data, basic] : cases) EXPECT_EQ(Code39Extended(data).value_or("?"), basic) << data;
    EXPECT_FALSE(Code39Extended("caf\xE9"));
}

TEST(BarcodeCode39, CheckCharacterAndElements) {
    EXPECT_EQ(Code39Check("CODE 39"), 'R');  // 12+24+13+14+38+3+9 = 113, 113 mod 43 = 27
    EXPECT_EQ(Code39Check("123"), '6');
    const std::string elements = Code39Elements("A", false);
    // "*", gap, "A", gap, "*": three characters of nine elements and two gaps.
    ASSERT_EQ(elements.size(), 29u);
    EXPECT_EQ(elements.substr(9, 11), "wBwbwbWbwBw");
    EXPECT_EQ(elements.substr(0, 9), elements.substr(20, 9));
    // Every character: five bars and four spaces, three of the nine wide.
    for (size_t at = 0; at < elements.size(); at += 10) {
        const std::string ch = elements.substr(at, 9);
        EXPECT_EQ(std::count_if(ch.begin(), ch.end(), [](char e) { return e == 'B' || e == 'W'; }), 3) << ch;
    }
    EXPECT_EQ(Code39Elements("A", true).size(), 39u);
    EXPECT_EQ(Code39Elements("", false), "");
}

TEST(BarcodeCode128, SetSwitchingAndCheckValue) {
    struct Case {
        std::string data;
        std::vector<int> body;  // values between the start and the check value
        int start;
    };
    const std::vector<Case> cases = {
        {"1234567890", {12, 34, 56, 78, 90}, kCode128StartC},
        {"1234AB", {12, 34, kCode128ToB, 33, 34}, kCode128StartC},
        {"12345AB", {12, 34, kCode128ToB, 21, 33, 34}, kCode128StartC},
        {"12345", {12, 34, kCode128ToB, 21}, kCode128StartC},
        {"123", {17, 18, 19}, kCode128StartB},
        {"AB1234", {33, 34, kCode128ToC, 12, 34}, kCode128StartB},
        {"AB12345", {33, 34, 17, kCode128ToC, 23, 45}, kCode128StartB},
        {"AB1234CD", {33, 34, 17, 18, 19, 20, 35, 36}, kCode128StartB},
        {"AB123456CD", {33, 34, kCode128ToC, 12, 34, 56, kCode128ToB, 35, 36}, kCode128StartB},
        {"AB1234567CD", {33, 34, 17, kCode128ToC, 23, 45, 67, kCode128ToB, 35, 36}, kCode128StartB},
        {"a\xC6", {65, kCode128Fnc1}, kCode128StartB},
    };
    for (const auto& c : cases) {
        const auto values = Code128Values(c.data);
        ASSERT_TRUE(values) << c.data;
        ASSERT_EQ(values->size(), c.body.size() + 3) << c.data;
        EXPECT_EQ(values->front(), c.start) << c.data;
        EXPECT_EQ(std::vector<int>(values->begin() + 1, values->end() - 2), c.body) << c.data;
        EXPECT_EQ(values->back(), kCode128Stop);
    }
    // The check value: 105 + 1*12 + 2*34 + 3*56 + 4*78 + 5*90 = 1115; 1115 mod 103 = 85. "PJJ123C" in
    // set B: 104 + 48 + 2*42 + 3*42 + 4*17 + 5*18 + 6*19 + 7*35 = 879; 879 mod 103 = 55.
    EXPECT_EQ((*Code128Values("1234567890"))[6], 85);
    EXPECT_EQ((*Code128Values("PJJ123C"))[8], 55);
}

TEST(BarcodeCode128, EveryValueIsElevenModulesAndTheStopThirteen) {
    for (int value = 0; value < kCode128Stop; ++value) {
        const std::string modules = Code128Modules({value});
        ASSERT_EQ(modules.size(), 11u) << value;
        EXPECT_EQ(modules.front(), '1') << value;
        EXPECT_EQ(modules.back(), '0') << value;
        EXPECT_EQ(std::count(modules.begin(), modules.end(), '1') % 2, 0) << value;  // even parity of bars
    }
    EXPECT_EQ(Code128Modules({kCode128Stop}), "1100011101011");
}

TEST(BarcodeGeometry, AnyBytesGiveBarsInsideTheSymbolOrNothing) {
    std::mt19937 random(1234);
    const std::string alphabet = std::string("0123456789") + "ABCxyz -.$%\x01\x7F\xC6\xE9";
    for (int32_t type = -1; type <= 6; ++type) {
        for (int round = 0; round < 200; ++round) {
            std::string data(random() % 20, ' ');
            for (char& c : data) c = alphabet[random() % alphabet.size()];
            const Symbol symbol = BuildBarcode(type, data, {1.5f, 0, true, round % 2 == 0});
            ASSERT_EQ(symbol.bars.empty(), symbol.width == 0) << type << " " << data;
            for (const Bar& bar : symbol.bars) {
                ASSERT_GT(bar.width, 0) << type << " " << data;
                ASSERT_GT(bar.height, 0) << type << " " << data;
                ASSERT_GE(bar.x, 0) << type << " " << data;
                ASSERT_LE(bar.x + bar.width, symbol.width) << type << " " << data;
            }
        }
    }
}

}  // namespace
}  // namespace folivo::barcode
