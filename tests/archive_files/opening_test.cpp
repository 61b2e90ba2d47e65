// Opening, testing, deleting and recreating archive files, text files, and the file table's handles;
// record input and output through the file table: numbering, end of file, bad lengths.
#include <gtest/gtest.h>

#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "tests/support/archive_fixture.hpp"

namespace kv::test {
namespace {

using namespace archive;

class Opening : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITTE.DAT", 8}},
                       {2, {"PAR###.DAT", 4}},
                       {3, {"STAMPA.TXT", 1}},
                       {4, {"ZERO.DAT", 0}},
                       {5, {"FILE-PDF", 4}}}};
    ArchiveState& st = fx.state;
};

TEST_F(Opening, FaiopenCreatesAMissingFileAndSetsTheRow) {
    EXPECT_EQ(FAIOPEN(st, 1), 8);
    EXPECT_TRUE(std::filesystem::exists(fx.Folder() / "DITTE.DAT"));
    EXPECT_EQ(std::filesystem::file_size(fx.Folder() / "DITTE.DAT"), 0u);
    EXPECT_EQ(st.files[1].buffer, std::string(8, ' '));
    EXPECT_EQ(st.files[1].recordLength, 8);
    EXPECT_GT(st.files[1].handle, 0);
    EXPECT_EQ(LEGGIREC(st, 1, 1), 1);
    EXPECT_EQ(FAIOPEN(st, 0), 0);

    // Each open row has its own handle; reopening a row first closes it.
    st.DITTA = "3";
    FAIOPEN(st, 2);
    EXPECT_NE(st.files[2].handle, st.files[1].handle);
    int16_t before = st.files[1].handle;
    FAIOPEN(st, 1);
    EXPECT_EQ(st.files[1].handle, before);
}

TEST_F(Opening, EliminaDeletesAFilledFileAndRicreaReopensItEmpty) {
    WriteFile(fx.Folder() / "PAR005.DAT", "ABCDEFGH");
    st.DITTA = "5";
    FAIOPEN(st, 2);
    st.DITTA = "5";
    EXPECT_EQ(VERBASE(st, 2), 1);
    EXPECT_EQ(st.DITTA, "");
    st.DITTA = "5";
    RICREA(st, 2);
    EXPECT_TRUE(std::filesystem::exists(fx.Folder() / "PAR005.DAT"));
    EXPECT_EQ(std::filesystem::file_size(fx.Folder() / "PAR005.DAT"), 0u);
    ASSERT_TRUE(st.files[2].file.has_value());
    SCRIVIREC(st, 2, 1, "WXYZ");
    EXPECT_EQ(ReadFile(fx.Folder() / "PAR005.DAT"), "WXYZ");

    st.DITTA = "5";
    ELIMINA(st, 2);
    EXPECT_FALSE(std::filesystem::exists(fx.Folder() / "PAR005.DAT"));
    EXPECT_FALSE(st.files[2].file.has_value());
    EXPECT_EQ(st.files[2].handle, 0);
    EXPECT_TRUE(fx.dialogs.shown().empty());
}

TEST_F(Opening, TextFilesAreRewrittenAndReadByLines) {
    WriteFile(fx.Folder() / "STAMPA.TXT", "old\r\nold\r\nold\r\n");
    FAIOPENIO(st, 3, 1);
    WriteTextLine(st, 3, "riga uno");
    WriteTextLine(st, 3, "KVVELM_Laser");
    CHIUDI(st, 3);
    EXPECT_EQ(ReadFile(fx.Folder() / "STAMPA.TXT"), "riga uno\r\nKVVELM_Laser\r\n");
    FAIOPENIO(st, 3, 0);
    EXPECT_EQ(ReadTextLine(st, 3), "riga uno");
    EXPECT_FALSE(TextAtEnd(st, 3));
    EXPECT_EQ(ReadTextLine(st, 3), "KVVELM_Laser");
    EXPECT_TRUE(TextAtEnd(st, 3));
    CHIUDI(st, 3);
    // Reading a line past the end is an error for the reporter.
    WriteFile(fx.Folder() / "STAMPA.TXT", "");
    FAIOPENIO(st, 3, 0);
    EXPECT_THROW(ReadTextLine(st, 3), platform::ProgramEnd);
    EXPECT_EQ(fx.reporter.reported.at(0).number, 62);
}

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
