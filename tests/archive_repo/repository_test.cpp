// The field reader over records: number conversions, positions past the end, the choice between
// record text and named buffer, repeat offsets and the repository's messages.

#include <gtest/gtest.h>

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "tests/support/archive_fixture.hpp"

namespace kv::archive {
namespace {

class RepositoryTest : public ::testing::Test {
protected:
    std::vector<std::string> Messages() const { return fx.dialogs.texts(); }

    test::ArchiveFixture fx{{}};
    ArchiveState& state = fx.state;
};

TEST_F(RepositoryTest, NumbersKeepZerosAndNormaliseSignAndDecimals) {
    const std::string_view twoDecimals = "TEST$,00001,10,2,0,X001";
    EXPECT_EQ(RepoR(state, T001, std::nullopt, "00001"), "001");
    EXPECT_EQ(RepoR(state, twoDecimals, std::nullopt, "0000123456"), "00001234.56");
    EXPECT_EQ(RepoR(state, twoDecimals, std::nullopt, "000012345-"), "-00001234.50");
    EXPECT_EQ(RepoR(state, twoDecimals, std::nullopt, "0000001234"), "00000012.34");
    EXPECT_EQ(RepoR(state, twoDecimals, std::nullopt, "000000123-"), "-00000012.30");
    EXPECT_DOUBLE_EQ(RepoN(state, twoDecimals, std::nullopt, "000000123-"), -12.3);
    EXPECT_DOUBLE_EQ(RepoN(state, twoDecimals, std::nullopt, "0000001234"), 12.34);
    // Only the first "-" is the sign; a second one stays and stops the numeric reading.
    EXPECT_EQ(RepoR(state, "TEST$,00001,05,N,0,X002", std::nullopt, "-12-4"), "-012-4");
    EXPECT_DOUBLE_EQ(RepoN(state, "TEST$,00001,05,N,0,X002", std::nullopt, "-12-4"), -12);
    // A minus in the decimals moves to the front as well.
    EXPECT_EQ(RepoR(state, "TEST$,00001,06,3,0,X003", std::nullopt, "00012-"), "-000.120");
    // Six implied decimals, a minus at the very front.
    EXPECT_EQ(RepoR(state, "TEST$,00001,08,6,0,X004", std::nullopt, "-1234567"), "-01.234567");
}

TEST_F(RepositoryTest, BlanksAndPositionsPastTheEnd) {
    const std::string record = "00  7     ";
    EXPECT_EQ(RepoR(state, "TEST$,00003,03,N,0,X001", std::nullopt, record), "  7");
    EXPECT_DOUBLE_EQ(RepoN(state, "TEST$,00003,03,N,0,X001", std::nullopt, record), 7);
    EXPECT_DOUBLE_EQ(RepoN(state, "TEST$,00006,05,2,0,X002", std::nullopt, record), 0);
    EXPECT_EQ(RepoR(state, "TEST$,00006,05,2,0,X002", std::nullopt, record), "   .  ");
    // Cut short by the end of the record, then past it altogether.
    EXPECT_EQ(RepoR(state, "TEST$,00009,05,A,0,X003", std::nullopt, record), "  ");
    EXPECT_EQ(RepoR(state, "TEST$,00020,05,A,0,X004", std::nullopt, record), "");
    EXPECT_EQ(RepoR(state, "TEST$,00020,05,N,0,X005", std::nullopt, record), "");
    EXPECT_EQ(RepoR(state, "TEST$,00020,05,2,0,X006", std::nullopt, record), ".");
    EXPECT_DOUBLE_EQ(RepoN(state, "TEST$,00020,05,2,0,X006", std::nullopt, record), 0);
    // A 2-decimal field whose record ends inside the whole part.
    EXPECT_EQ(RepoR(state, "TEST$,00001,10,2,0,X007", std::nullopt, "0012"), "0012.");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(RepositoryTest, RepeatOffsetsOfRepeatedGroups) {
    EXPECT_EQ(RepoSpostamento(state, "DICX$,00101,05,A,0,J001", 3), 20);
    EXPECT_EQ(RepoSpostamento(state, "DICX$,00100,05,A,0,J002", 3), 0);
    EXPECT_EQ(RepoSpostamento(state, "CONX$,00101,05,A,0,G001", 2), 290);
    EXPECT_EQ(RepoSpostamento(state, "CONX$,00390,05,A,0,G002", 2), 290);
    EXPECT_EQ(RepoSpostamento(state, "CONX$,00391,05,A,0,G003", 2), 0);
    EXPECT_EQ(RepoSpostamento(state, "DICX$,00101,05,A,0,J001", 0), 0);
    EXPECT_EQ(RepoSpostamento(state, "DICX$,00101,05,A,0,J001", std::nullopt), 0);
    EXPECT_EQ(RepoSpostamento(state, "PARX$,00101,05,A,0,N001", 4), 0);
    EXPECT_TRUE(Messages().empty());

    // The offset applies to the record text and to the repeated layouts' buffers.
    std::string record(140, ' ');
    record.replace(120, 3, "XYZ");
    EXPECT_EQ(RepoR(state, "DICX$,00101,03,A,0,J003", 3, record), "XYZ");
    state.buffers.DICX = record;
    EXPECT_EQ(RepoR(state, "DICX$,00101,03,A,0,J003", 3), "XYZ");

    EXPECT_EQ(RepoSpostamento(state, "DI2X$,00200,05,A,0,I001", 2), 0);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(RepoSpostamento(state, "DI2X$,00200,05,A,0,K001", 2), 0);
    EXPECT_EQ(Messages(), std::vector<std::string>{"ERRORE REPOSITORY - LETTERA SCONOSCIUTA"});
}

}  // namespace
}  // namespace kv::archive
