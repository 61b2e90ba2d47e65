// The company list over the demo companies: live records only, both orders, the entry text
// with its hidden tail, and names that are blank, long or hold "/" and an apostrophe.

#include <gtest/gtest.h>

#include "app/company_list.hpp"
#include "app/start_up.hpp"
#include "app/text.hpp"
#include "tests/app/installation_fixture.hpp"

namespace kv::app {
namespace {

std::string Padded(const std::string& text, std::size_t width) {
    std::string padded = text;
    padded.resize(width, ' ');
    return padded;
}

std::vector<std::string> Codes(const Program& program) {
    std::vector<std::string> codes;
    for (const CompanyEntry& entry : program.screen.companies) codes.push_back(entry.code);
    return codes;
}

class CompanyListTest : public InstallationTest {
protected:
    CompanyListTest() { StartUp(MakeProgram()); }
};

TEST_F(CompanyListTest, ByCodeListsLiveCompaniesWithTheirWholeNames) {
    EXPECT_EQ(Codes(*program_),
              (std::vector<std::string>{"001", "002", "003", "005", "006", "007", "008"}));
    const auto& companies = program_->screen.companies;
    EXPECT_EQ(companies[0].text,
              "001 " + Padded("ROSSI COSTRUZIONI S.R.L.", 50) + std::string(30, ' ') + "001");
    // First part and continuation joined, each trimmed.
    EXPECT_EQ(companies[3].text.substr(0, 54),
              "005 " + Padded("CENTRO ELABORAZIONE DATI CONTABILI SRL", 50));
    EXPECT_EQ(companies[4].text, "006 " + std::string(50 + 30, ' ') + "006");
}

TEST_F(CompanyListTest, ByNamePutsTheNameFirstAndSortsOnIt) {
    program_->screen.orderByName = true;
    Lista_Aziende(*program_);
    EXPECT_EQ(Codes(*program_),
              (std::vector<std::string>{"006", "008", "005", "007", "002", "003", "001"}));
    EXPECT_EQ(program_->screen.companies[4].text,
              Padded("IMPORT/EXPORT ADRIATICA S.P.A.", 50) + " 002" + std::string(30, ' ') + "002");
    EXPECT_EQ(program_->screen.companies[5].text.substr(0, 28), "L'ARTIGIANA DEL LEGNO S.A.S.");
    EXPECT_EQ(program_->screen.currentCompany, -1);
    EXPECT_EQ(program_->screen.companySelected.size(), 7u);
}

TEST_F(CompanyListTest, HiddenTailFollowsTheCode) {
    std::string record(3100, ' ');
    record.replace(0, 5, "00042");
    record.replace(5, 4, "ALFA");
    record.replace(1662, 6, " X302 ");
    record.replace(2999, 4, "T491");
    CompanyEntry entry = CompanyListEntry(program_->archive, record, false);
    EXPECT_EQ(entry.code, "042");
    EXPECT_EQ(entry.text, "042 " + Padded("ALFA", 50) + std::string(30, ' ') + "042X302T491");
}

TEST(Text, UpperCaseCoversTheAccentedLettersOfTheCodePage) {
    EXPECT_EQ(UpperCase("studio \xE8 \xF2 \xE0 \xF7 \x9C \xFF"), "STUDIO \xC8 \xD2 \xC0 \xF7 \x8C \x9F");
    EXPECT_EQ(Trim(" \t ab c \t"), "ab c");
    EXPECT_EQ(Trim("   "), "");
}

}  // namespace
}  // namespace kv::app
