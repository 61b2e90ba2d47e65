// The company list: which records appear, each entry's layout, and the two orders; the screen's
// controls after start-up and the reactions of the tick boxes, options and keys.

#include <gtest/gtest.h>

#include "app/screen_confirm.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"
#include "archive/descriptors.hpp"
#include "platform/errors.hpp"
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

class ReactionsTest : public test::DemoInstallationTest {
protected:
    ReactionsTest() { StartProgram(); }
};

// The choices a confirm resets to are tested with the confirm; these are start-up's own (period 2025,
// "Precedente"). The output layer names the holder as each PDF document's Creator.
TEST_F(ReactionsTest, StartUpLeavesTheInitialChoices) {
    EXPECT_EQ(test::ScreenText(program_->screen), "year 2024 previous | months all 111111111111 locked | report -1 | "
                                                  "printer | by code | companies *0000000 \"Seleziona tutte le Ditte\"");
    EXPECT_TRUE(dialogs_.shown().empty());
    EXPECT_EQ(program_->output.holderName, "STUDIO MARINI & ASSOCIATI");
}

TEST_F(ReactionsTest, TutteIMesiTickBox) {
    Program& program = *program_;
    auto months = [&program] { return test::ScreenPart(program.screen, "months"); };
    SelectMonth(program, 3, false);  // a locked list takes no clicks
    EXPECT_EQ(months(), "months all 111111111111 locked");
    TickAllMonths(program, false);
    EXPECT_EQ(months(), "months 000000000000");
    SelectMonth(program, 3, true);
    SelectMonth(program, 12, true);  // outside the list
    SelectMonth(program, -1, true);
    EXPECT_EQ(months(), "months 000*100000000");
    TickAllMonths(program, true);
    EXPECT_EQ(months(), "months all 111111111111 locked");
}

TEST_F(ReactionsTest, CertificatesShowTheDateFieldWithToday) {
    Program& program = *program_;
    auto report = [&program] { return test::ScreenPart(program.screen, "report"); };
    ChooseReport(program, kCertificazioni);
    EXPECT_EQ(report(), "report 3 date field 06/12/2026");
    EXPECT_EQ(program.screen.focus, "txtdata");
    TypeDate(program, "31/01/2027");
    EXPECT_EQ(report(), "report 3 date field 31/01/2027");
    ChooseReport(program, kElencoPercipienti);
    EXPECT_EQ(report(), "report 2");
    ChooseReport(program, 7);  // no such option
    EXPECT_EQ(report(), "report 2");
}

TEST_F(ReactionsTest, CtrlShiftPShowsTheInformationBox) {
    Program& program = *program_;
    Form_KeyDown(program, 80, 1);  // Shift+P
    Form_KeyDown(program, 81, 3);  // Ctrl+Shift+Q
    EXPECT_TRUE(dialogs_.shown().empty());
    Form_KeyDown(program, 80, 3);
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].title, "Informazioni Progetto lumeo");
    EXPECT_NE(dialogs_.shown()[0].text.find("Nome EXE : KVVELM.EXE"), std::string::npos);
}

}  // namespace
}  // namespace kv::app
