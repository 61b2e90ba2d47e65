// File naming through the base file: every placeholder, its consumption and its message, both drive
// placeholder forms, and bad numbers or base files; reading numbers out of codes and writing numbers
// into names and trail entries.
#include <gtest/gtest.h>

#include <cmath>

#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/number_text.hpp"
#include "tests/support/archive_fixture.hpp"
#include "tests/support/error_of.hpp"

namespace kv::test {
namespace {

using namespace archive;

class Naming : public ::testing::Test {
protected:
    ArchiveFixture fx{{{1, {"DITT###.DAT", 10}},
                       {2, {"AN**\\F###.DAT", 20}},
                       {3, {"REG@@.DAT", 30}},
                       {4, {"PROV%%.DAT", 40}},
                       {5, {"INST$$.DAT", 50}},
                       {6, {"!:\\LUMEO\\ARC.DAT", 60}},
                       {7, {"PLAIN.DAT", 70}},
                       {8, {"###-###**", 80}}}};
    archive::ArchiveState& st = fx.state;

    std::string InFolder(const std::string& name) const { return fx.Folder().string() + "/" + name; }

    // The text of the one box shown before the program ended.
    std::string EndingMessage(double number) {
        const size_t before = fx.dialogs.shown().size();
        EXPECT_THROW(DAMMIFILE(st, number), platform::ProgramEnd);
        if (fx.dialogs.shown().size() != before + 1) return "boxes: " + std::to_string(fx.dialogs.shown().size());
        const platform::MessageBox& box = fx.dialogs.shown().back();
        EXPECT_EQ(box.buttons, platform::Buttons::Ok);
        EXPECT_EQ(box.icon, platform::Icon::None);
        return box.text;
    }
};

// Each code is normalised, put in place of its placeholder's first occurrence and consumed; the
// installation code stays. The year's value on entry counts, not the two digits left.
TEST_F(Naming, CodesArePaddedSubstitutedAndConsumed) {
    const struct {
        double file;
        const char *company, *year, *region, *province, *name, *companyAfter;
    } cases[] = {
        {1, "5", "", "", "", "DITT005.DAT", ""},
        {1, "1234", "", "", "", "DITT234.DAT", ""},
        {8, "7", "2024", "", "", "007-###24", ""},
        {7, "9", "", "", "", "PLAIN.DAT", "009"},  // no placeholder: the code stays, normalised
        {2, "12", "3", "", "", "AN03\\F012.DAT", ""},
        {2, "1", "100", "", "", "AN00\\F001.DAT", ""},
        {3, "", "", "7", "", "REG07.DAT", "000"},
        {4, "", "", "", "MI", "PROVMI.DAT", "000"},
        {5, "", "", "", "", "INSTQ1.DAT", "000"},
        {5, "", "", "", "", "INSTQ1.DAT", "000"},
    };
    st.installationCode = "Q1";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        st.DITTA = c.company;
        st.ANNO = c.year;
        st.REGIONE = c.region;
        st.PROVINCIA = c.province;
        EXPECT_EQ(DAMMIFILE(st, c.file), InFolder(c.name));
        EXPECT_EQ(st.DITTA, c.companyAfter);
        EXPECT_TRUE(!*c.region || st.REGIONE.empty());
        EXPECT_TRUE(!*c.province || st.PROVINCIA.empty());
    }
    EXPECT_EQ(st.lastRecordLength, 50);
    EXPECT_EQ(st.installationCode, "Q1");
    EXPECT_TRUE(fx.dialogs.shown().empty());
}

TEST_F(Naming, EachMissingCodeEndsTheProgramWithItsMessage) {
    const struct {
        double file;
        const char *company, *year, *region, *province, *message;
    } cases[] = {{1, "", "", "", "", "ERRORE OPEN FILE - MANCA DITTAOPEN 1"},
                 {2, "1", "0", "", "", "ERRORE OPEN - MANCA ANNO - 2"},
                 {3, "", "", "XX", "", "ERRORE OPEN - MANCA REGIONE - 3"},
                 {4, "", "", "", "M", "ERRORE OPEN - MANCA PROVINCIA - 4"}};
    for (const auto& c : cases) {
        st.DITTA = c.company;
        st.ANNO = c.year;
        st.REGIONE = c.region;
        st.PROVINCIA = c.province;
        EXPECT_EQ(EndingMessage(c.file), c.message);
    }
}

TEST_F(Naming, DriveFolderPlaceholderPutsTheFolderInFront) {
    st.UNITA = "D:\\DATI";
    bool prefix = true;
    EXPECT_EQ(DAMMIFILE(st, 6, prefix), "D:\\DATI\\LUMEO\\ARC.DAT");
    EXPECT_FALSE(prefix);
    EXPECT_EQ(st.UNITA, "");
    // The folder form opens through the drive map.
    std::filesystem::create_directories(fx.DrivesRoot() / "e" / "dati" / "lumeo");
    st.UNITA = "E:\\DATI";
    EXPECT_EQ(archive::FAIOPEN(st, 6), 60);
    EXPECT_TRUE(std::filesystem::exists(fx.DrivesRoot() / "e" / "dati" / "lumeo" / "ARC.DAT"));
}

TEST_F(Naming, MissingBaseFileReachesTheReporter) {
    std::filesystem::remove(fx.Folder() / "QTBASE.DAT");
    EXPECT_THROW(DAMMIFILE(st, 7), platform::ProgramEnd);
    ASSERT_EQ(fx.reporter.reported.size(), 1u);
    EXPECT_EQ(fx.reporter.reported[0].number, 53);
    EXPECT_EQ(fx.reporter.reported[0].trail.back(), "DAMMIFILE$ (7)");
}

TEST(NumberText, LeadingNumberOfATextIgnoresBlanksAndStopsAtTheFirstOtherCharacter) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0}, {"   ", 0}, {"005", 5}, {" 1 2 3", 123}, {"12A4", 12}, {"MI", 0}, {"-7", -7}, {"2.5x", 2.5},
        {"1E3", 1000}, {"-1E2", -100}, {"1E", 1},
        {"1E999", 0},  // out of range reads as nothing rather than infinity
        // Short numbers are read without strtod: the same doubles as with it, and past 15 digits.
        {"0000012.345", 12.345}, {" 0.1", 0.1}, {"-1234567890.12345", -1234567890.12345},
        {"12345678901234567", 12345678901234567.0}, {"9.87654321098765432", 9.87654321098765432},
        {"4.", 4}, {".5.", 0.5}, {"+", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(NumericValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(NumericValue("- 0")));
}

TEST(NumberText, NumbersAreWrittenWithoutBlankAndWholeWithoutDecimals) {
    EXPECT_EQ(NumberText(63), "63");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(-3), "-3");
    EXPECT_EQ(NumberText(2.5), "2.5");
    EXPECT_EQ(RightDigits("5", 3), "005");
    EXPECT_EQ(RightDigits("1234", 3), "234");
    EXPECT_EQ(RightDigits("", 2), "00");
    // Halves go to the even neighbour, as file and record numbers always have.
    EXPECT_EQ(WholeNumber(2.5), 2);
    EXPECT_EQ(WholeNumber(3.5), 4);
    EXPECT_EQ(WholeNumber(1e300), -1);
}

}  // namespace
}  // namespace kv::test
