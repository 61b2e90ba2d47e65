// Record input and output through the file table: numbering, end of file, bad lengths.
#include <gtest/gtest.h>

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "tests/support/archive_fixture.hpp"

namespace kv::test {
namespace {

using archive::FAIOPEN;
using archive::LEGGIREC;
using archive::SCRIVIREC;

class Records : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITTE.DAT", 5}}, {63, {"PERC.DAT", 4}}}};
    archive::ArchiveState& st = fx.state;
};

TEST_F(Records, ReadEndsExactlyAfterTheLastCompleteRecord) {
    WriteFile(fx.Folder() / "DITTE.DAT", "AAAAABBBBBCCCCCdd");
    ASSERT_EQ(FAIOPEN(st, 1), 5);
    EXPECT_EQ(LEGGIREC(st, 1, 1), 0);
    EXPECT_EQ(st.files[1].buffer, "AAAAA");
    EXPECT_EQ(LEGGIREC(st, 1, 3), 0);
    EXPECT_EQ(st.files[1].buffer, "CCCCC");
    EXPECT_EQ(st.files[1].lastRecord, 3);
    // Record 4 holds only two bytes: the read runs into the end, the buffer keeps its length.
    EXPECT_EQ(LEGGIREC(st, 1, 4), 1);
    EXPECT_EQ(st.files[1].buffer.size(), 5u);
    EXPECT_EQ(LEGGIREC(st, 1, 5), 1);
    EXPECT_TRUE(fx.reporter.reported.empty());
}

// The report's text holds the error and the trail, the failing call last.
TEST_F(Records, WrongLengthReachesTheReporterWithErrorAndTrail) {
    FAIOPEN(st, 63);
    EXPECT_THROW(SCRIVIREC(st, 63, 12, "ABC"), platform::ProgramEnd);
    // A buffer whose length no longer matches the record length fails the read the same way.
    st.files[63].buffer = "ABC";
    EXPECT_THROW(LEGGIREC(st, 63, 12), platform::ProgramEnd);
    const std::string error = "Errore 59 Bad record length\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    const std::string trail = "FAIOPEN\r\nDAMMIFILE$ (63)\r\nSCRIVIREC (63-12)\r\n";
    ASSERT_EQ(fx.reporter.reported.size(), 2u);
    EXPECT_EQ(fx.reporter.reported[0].text, error + "\r\n" + trail);
    EXPECT_EQ(fx.reporter.reported[1].text, error + trail + "LEGGIREC (63-12)\r\n");
}

}  // namespace
}  // namespace kv::test
