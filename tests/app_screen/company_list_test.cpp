// The company list: which records appear, each entry's layout, and the two orders.

#include <gtest/gtest.h>

#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"
#include "archive/descriptors.hpp"
#include "tests/app_screen/screen_text.hpp"
#include "tests/support/demo_installation.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::app {
namespace {

using Codes = std::vector<std::string>;
using Lines = std::vector<std::string>;

std::string Pad(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

using test::Company;

class CompanyListTest : public test::DemoInstallationTest {};

// A new order lists the live records again, clears the selection and unticks "select all".
TEST_F(CompanyListTest, OrderByNameAndByCodeAndOnlyLiveRecords) {
    WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(4, "ZETA CESSATA SRL", "99"),
                    Company(7, "ALFA COSTRUZIONI SPA"), Company(12, "alfa minuscola snc")});
    Program& program = StartProgram();
    EXPECT_EQ(ListedCodes(), (Codes{"002", "007", "012"}));
    auto companies = [&program] { return test::ScreenPart(program.screen, "companies"); };
    TickAllCompanies(program, true);
    EXPECT_EQ(companies(), "companies 111 all \"Deseleziona tutte le ditte\"");

    program.screen.focus.clear();
    ChooseOrder(program, kOrderByName);
    // Letters compare without regard to case, as a sorted list does.
    EXPECT_EQ(ListedCodes(), (Codes{"007", "012", "002"}));
    EXPECT_EQ(companies(), "companies *000 \"Seleziona tutte le ditte\"");
    EXPECT_EQ(program.screen.focus, "ListAzi");

    ChooseOrder(program, kOrderByCode);
    EXPECT_EQ(ListedCodes(), (Codes{"002", "007", "012"}));
}

// The name's first part ends in blanks: its continuation follows the trimmed first part. The text
// after the code (a branch and a code of three characters) stays hidden, and the code is the record's,
// not the entry's last three characters.
TEST_F(CompanyListTest, EntryLayoutInBothOrders) {
    const auto length = static_cast<std::size_t>(demo::DemoRecordLength(1));
    std::string branch = demo::CompanyRecord(Company(8, "ALFA COSTRUZIONI SPA"), length);
    demo::PutField(branch, archive::T302, "SEDE NORD");
    demo::PutField(branch, archive::T491, "X12");
    std::vector<std::string> records(6, std::string(length, ' '));
    records.push_back(demo::CompanyRecord(Company(7, Pad("STUDIO TECNICO ASSOCIATO DI", 30) + "ROSSI SRL"), length));
    records.push_back(branch);
    writer_->WriteRecords(1, records);
    Program& program = StartProgram();
    const std::string studio = Pad("STUDIO TECNICO ASSOCIATO DIROSSI SRL", 50), alfa = Pad("ALFA COSTRUZIONI SPA", 50);
    const std::string gap(30, ' ');
    // Each entry as its whole text, its code and its visible part.
    auto entries = [&program] {
        Lines lines;
        for (const CompanyEntry& entry : program.screen.companies) {
            lines.push_back(entry.text + "|" + entry.code + "|" + VisiblePart(entry, program.screen.orderByName));
        }
        return lines;
    };
    EXPECT_EQ(entries(), (Lines{"007 " + studio + gap + "007|007|007 " + studio,
                               "008 " + alfa + gap + "008SEDE NORDX12|008|008 " + alfa}));
    ChooseOrder(program, kOrderByName);
    EXPECT_EQ(entries(), (Lines{alfa + " 008" + gap + "008SEDE NORDX12|008|" + alfa + " 008",
                               studio + " 007" + gap + "007|007|" + studio + " 007"}));
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
