// The call trail ring, error texts, and the message-box implementations.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/call_trail.hpp"
#include "platform/error_reporter.hpp"
#include "platform/terminal_dialogs.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform {
namespace {

TEST(CallTrail, IgnoresARepeatedNameAndKeepsTheLastTenOldestFirst) {
    CallTrail trail;
    EXPECT_EQ(trail.Lines(), std::vector<std::string>(10));
    trail.TRACCIA("A");
    trail.TRACCIA("A");
    trail.TRACCIA("B");
    trail.TRACCIA("A");
    std::vector<std::string> lines = trail.Lines();
    EXPECT_EQ(trail.index(), 3);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 7, lines.end()), (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(lines[0], "");

    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    // 15 names entered: slot index wrapped from 10 to 1 and on to 5.
    EXPECT_EQ(trail.index(), 5);
    lines = trail.Lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), "P3");
    EXPECT_EQ(lines.back(), "P12");
    EXPECT_EQ(trail.Current(), "P12");
}

TEST(Errors, CarryNumberAndStandardDescription) {
    EXPECT_EQ(RuntimeError(59).description(), "Bad record length");
    EXPECT_EQ(RuntimeError(53).description(), "File not found");
    EXPECT_EQ(RuntimeError(70).description(), "Permission denied");
    EXPECT_EQ(RuntimeError(321).description(), "Invalid file format");
    EXPECT_EQ(RuntimeError(482).description(), "Printer error");
    EXPECT_EQ(RuntimeError(999).description(), "Application-defined or object-defined error");
    EXPECT_EQ(RuntimeError(75, "custom").number(), 75);

    CallTrail trail;
    trail.TRACCIA("CARICAINST");
    trail.TRACCIA("LEGGIREC (1-2)");
    std::string expected = "Errore 62 Input past end of file\r\n";
    for (int i = 0; i < 8; ++i) expected += "\r\n";
    expected += "CARICAINST\r\nLEGGIREC (1-2)\r\n";
    EXPECT_EQ(ErrorReportText(RuntimeError(62), trail), expected);
}

TEST(TerminalDialogs, PrintTitleLinesAndBlankAndAnswerQuestionsSafely) {
    std::ostringstream out;
    TerminalDialogs dialogs(out);
    MessageBox info{"Lumeo KVVELM", "Errore 53 File not found\r\nFAIOPEN\r\n", Icon::Stop, Buttons::Ok, {}, {}};
    EXPECT_EQ(dialogs.Show(info), Answer::Ok);
    EXPECT_EQ(out.str(), "Lumeo KVVELM\nErrore 53 File not found\nFAIOPEN\n\n");

    out.str("");
    MessageBox retry{"Lumeo", "SI VUOLE RITENTARE ?", Icon::Stop, Buttons::YesNo, {}, {}};
    EXPECT_EQ(dialogs.Show(retry), Answer::No);
    MessageBox close{"Lumeo", "CHIUDERE ?", Icon::Exclamation, Buttons::YesNo, Answer::Yes, {}};
    EXPECT_EQ(dialogs.Show(close), Answer::Yes);
    EXPECT_NE(out.str().find("[risposta No: il batch non attende risposte]"), std::string::npos);
    EXPECT_NE(out.str().find("[risposta S\xC3\xAC: il batch"), std::string::npos);

    // Windows-1252 text reaches the terminal as UTF-8.
    out.str("");
    dialogs.Show(MessageBox{"Perch\xE8", "\x80 5", Icon::None, Buttons::Ok, {}, {}});
    EXPECT_EQ(out.str(), "Perch\xC3\xA8\n\xE2\x82\xAC 5\n\n");
}

TEST(TextEncoding, Cp1252AndUtf8RoundTripAndLinesSplitOnEveryBreak) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C\xC3\xA0\xE2\x98\x83"), "\x93\xE0?");
    EXPECT_EQ(Utf8ToCp1252("bad \xE8 byte"), "bad \xE8 byte");
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace kv::platform
