// The company list: which records appear, each entry's layout, and the two orders.

#include <gtest/gtest.h>

#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"
#include "archive/descriptors.hpp"
#include "tests/support/demo_installation.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::app {
namespace {

using Codes = std::vector<std::string>;

std::string Pad(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

using test::Company;

class CompanyListTest : public test::DemoInstallationTest {};

TEST_F(CompanyListTest, OrderByNameAndByCodeAndOnlyLiveRecords) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(4, "ZETA CESSATA SRL", "99"),
                    Company(7, "ALFA COSTRUZIONI SPA"), Company(12, "alfa minuscola snc")});
    Program& program = StartProgram();
    EXPECT_EQ(ListedCodes(), (Codes{"002", "007", "012"}));
    EXPECT_EQ(program.screen.currentCompany, 0);

    ChooseOrder(program, kOrderByName);
    // Letters compare without regard to case, as a sorted list does.
    EXPECT_EQ(ListedCodes(), (Codes{"007", "012", "002"}));

    ChooseOrder(program, kOrderByCode);
    EXPECT_EQ(ListedCodes(), (Codes{"002", "007", "012"}));
}

TEST_F(CompanyListTest, EntryLayoutInBothOrders) {
    // The name's first part ends in blanks; its continuation follows the trimmed first part.
    WriteCompanies({Company(7, Pad("STUDIO TECNICO ASSOCIATO DI", 30) + "ROSSI SRL")});
    Program& program = StartProgram();
    std::string name50 = Pad("STUDIO TECNICO ASSOCIATO DIROSSI SRL", 50);
    ASSERT_EQ(program.screen.companies.size(), 1u);
    EXPECT_EQ(program.screen.companies[0].text, "007 " + name50 + std::string(30, ' ') + "007");
    EXPECT_EQ(program.screen.companies[0].code, "007");

    EXPECT_EQ(VisiblePart(program.screen.companies[0], false), "007 " + name50);

    ChooseOrder(program, kOrderByName);
    ASSERT_EQ(program.screen.companies.size(), 1u);
    EXPECT_EQ(program.screen.companies[0].text, name50 + " 007" + std::string(30, ' ') + "007");
    EXPECT_EQ(program.screen.companies[0].code, "007");
    EXPECT_EQ(VisiblePart(program.screen.companies[0], true), name50 + " 007");
}

TEST_F(CompanyListTest, CodeStaysBesideAnEntryWhoseTextEndsInOtherCharacters) {
    const auto length = static_cast<std::size_t>(demo::DemoRecordLength(1));
    std::string record = demo::CompanyRecord(Company(7, "ALFA COSTRUZIONI SPA"), length);
    demo::PutField(record, archive::T302, "SEDE NORD");
    demo::PutField(record, archive::T491, "X12");
    writer_->WriteRecords(1, {std::string(length, ' '), std::string(length, ' '), record});
    Program& program = StartProgram();
    ChooseOrder(program, kOrderByName);
    ASSERT_EQ(program.screen.companies.size(), 1u);
    const CompanyEntry& entry = program.screen.companies[0];
    EXPECT_EQ(entry.text, Pad("ALFA COSTRUZIONI SPA", 50) + " 007" + std::string(30, ' ') +
                              "007SEDE NORDX12");
    EXPECT_EQ(entry.code, "007");  // not "X12", the entry's last three characters
    // The name's padding holds 30 blanks; the code after it is still in view, the rest is not.
    EXPECT_EQ(VisiblePart(entry, true), Pad("ALFA COSTRUZIONI SPA", 50) + " 007");
}

TEST_F(CompanyListTest, NewOrderClearsTheSelectionAndUnticksSelectAll) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA")});
    Program& program = StartProgram();
    TickAllCompanies(program, true);
    EXPECT_EQ(program.screen.companySelected, std::vector<bool>(2, true));
    EXPECT_EQ(program.screen.allCompaniesCaption, "Deseleziona tutte le ditte");

    program.screen.focus.clear();
    ChooseOrder(program, kOrderByName);
    EXPECT_EQ(program.screen.companySelected, std::vector<bool>(2, false));
    EXPECT_FALSE(program.screen.allCompanies);
    EXPECT_EQ(program.screen.allCompaniesCaption, "Seleziona tutte le ditte");
    EXPECT_EQ(program.screen.currentCompany, 0);
    EXPECT_EQ(program.screen.focus, "ListAzi");
}

TEST_F(CompanyListTest, EmptyArchiveGivesAnEmptyListWithNoCurrentEntry) {
    WriteCompanies({});
    Program& program = StartProgram();
    EXPECT_TRUE(program.screen.companies.empty());
    EXPECT_EQ(program.screen.currentCompany, -1);
    program.screen.focus.clear();
    ChooseOrder(program, kOrderByName);
    EXPECT_EQ(program.screen.currentCompany, -1);
    EXPECT_EQ(program.screen.focus, "");
    TickAllCompanies(program, true);
    EXPECT_TRUE(program.screen.companySelected.empty());
}

}  // namespace
}  // namespace kv::app
