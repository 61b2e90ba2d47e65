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
    // Twelve more: the slot index wraps from 10 to 1 and on to 5 (the ten kept are in the error reporter's box).
    for (int i = 1; i <= 12; ++i) trail.TRACCIA("P" + std::to_string(i));
    EXPECT_EQ(trail.index(), 5);
    EXPECT_EQ(trail.Current(), "P12");
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
