// The confirm command: the choice messages, the request handed to the report, what it records and
// the reset that follows.

#include <gtest/gtest.h>

#include <set>

#include "app/printer_check.hpp"
#include "app/screen_confirm.hpp"
#include "app/screen_controls.hpp"
#include "app/screen_reactions.hpp"
#include "tests/app_screen/screen_text.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/error_of.hpp"
#include "tests/support/recording_reports.hpp"

namespace kv::app {
namespace {

using test::Company;

// The request's choices in one line: each company's place in the list, code and name, the months,
// the year, the certificates' date and the order.
std::string RequestText(const ReportRequest& request) {
    std::string text;
    for (const SelectedCompany& company : request.companies) {
        text += (text.empty() ? "" : ", ") + std::to_string(company.position) + " " + company.code + " " +
                company.text.substr(0, company.text.find("  "));
    }
    text += request.allMonths ? " | months all " : " | months ";
    for (bool month : request.months) text += month ? "1" : "0";
    return text + (request.currentYear ? " | current " : " | previous ") + request.yearText + " | " +
           request.certificateDate + (request.orderByName ? " | by name" : " | by code");
}

class ConfirmTest : public test::DemoInstallationTest {
protected:
    ConfirmTest() {
        WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA"),
                        Company(9, "GAMMA IMPIANTI SNC")});
        reports_.program = &StartProgram();
    }

    ConfirmResult Confirm() { return CmdConferma_Click(*program_, reports_); }

    test::RecordingReports reports_;
};

// Each incomplete choice names exactly what is missing, stops before any report and changes nothing:
// the user corrects the choice and confirms again.
TEST_F(ConfirmTest, EachIncompleteChoiceNamesWhatIsMissingAndChangesNothing) {
    Program& program = *program_;
    std::set<std::string> messages;
    for (int missing = 1; missing < 8; ++missing) {
        const bool company = !(missing & 1), month = !(missing & 2), report = !(missing & 4);
        TickAllMonths(program, month);
        SelectCompany(program, 1, company);
        program.screen.report = report ? kRegistroCompensi : -1;
        ChooseYear(program, kCorrente);
        const std::string before = test::ScreenText(program.screen);

        EXPECT_EQ(Confirm(), ConfirmResult::StoppedOnChoice);

        ASSERT_EQ(dialogs_.shown().size(), messages.size() + 1);
        const platform::MessageBox& box = dialogs_.shown().back();
        SCOPED_TRACE(box.text);
        EXPECT_EQ(box.text.rfind("Per proseguire \xE8 necessario scegliere ", 0), 0u);
        EXPECT_EQ(box.text.find("una Ditta") != std::string::npos, !company);
        EXPECT_EQ(box.text.find("un Periodo") != std::string::npos, !month);
        EXPECT_EQ(box.text.find("un Documento") != std::string::npos, !report);
        EXPECT_EQ(box.title, "Nuova Gestione Certificazione Parcelle");
        EXPECT_EQ(box.icon, platform::Icon::Information);
        messages.insert(box.text);
        EXPECT_TRUE(reports_.calls.empty());
        EXPECT_EQ(test::ScreenText(program.screen), before);
        EXPECT_FALSE(program.screen.ANNOCORRENTE);
        ChooseYear(program, kPrecedente);
    }
    EXPECT_EQ(messages.size(), 7u);
}

TEST_F(ConfirmTest, RequestCarriesTheChoicesAndEachReportGoesToItsDriver) {
    Program& program = *program_;
    ChooseOrder(program, kOrderByName);  // ALFA 007, BETA 002, GAMMA 009
    SelectCompany(program, 0, true);
    SelectCompany(program, 2, true);
    TickAllMonths(program, false);
    SelectMonth(program, 2, true);
    SelectMonth(program, 11, true);
    ChooseYear(program, kCorrente);
    ChooseReport(program, kCertificazioni);
    TypeDate(program, "28/02/2026");
    ChooseOutput(program, kCreaPdf);

    ASSERT_EQ(Confirm(), ConfirmResult::ReportRan);

    ASSERT_EQ(reports_.calls.size(), 1u);
    EXPECT_EQ(reports_.calls[0].driver, "certificazioni");
    EXPECT_TRUE(reports_.calls[0].MODOPDF);
    EXPECT_EQ(RequestText(reports_.calls[0].request), "0 007 ALFA COSTRUZIONI SPA, 2 009 GAMMA IMPIANTI "
                                                      "SNC | months 001000000001 | current 2025 | 28/02/2026 | by name");
    EXPECT_TRUE(program.screen.ANNOCORRENTE);
    EXPECT_FALSE(program.screen.TUTTIMESI);
    EXPECT_EQ(program.screen.ANNOSTAMPA, "2025");

    // The list of payees runs without a company or a month.
    const char* drivers[] = {"documenti", "registro", "percipienti"};
    for (int report = kElencoDocumenti; report <= kElencoPercipienti; ++report) {
        const bool payees = report == kElencoPercipienti;
        SelectCompany(program, 1, !payees);
        TickAllMonths(program, !payees);
        ChooseReport(program, report);
        ASSERT_EQ(Confirm(), ConfirmResult::ReportRan);
        EXPECT_EQ(reports_.calls.back().driver, drivers[report]);
        EXPECT_FALSE(reports_.calls.back().MODOPDF);  // the reset chose "Stampa Laser"
        EXPECT_EQ(RequestText(reports_.calls.back().request),
                  payees ? " | months 000000000000 | previous 2024 |  | by name"
                         : "1 002 BETA SERVIZI SRL | months all 111111111111 | previous 2024 |  | by name");
    }
    EXPECT_TRUE(dialogs_.shown().empty());
}

// A run log that cannot be written (here a folder stands where the file should be) is said once, in
// a box, and the runs go on.
TEST_F(ConfirmTest, ARunLogThatCannotBeWrittenIsSaidOnce) {
    Program& program = *program_;
    const std::filesystem::path log = std::filesystem::path(program.archive.archiveFolder).parent_path() /
                                      "FILE-PDF" / "kvvelm.log";
    std::filesystem::create_directories(log);
    for (int run = 0; run < 2; ++run) {
        SelectCompany(program, 0, true);
        ChooseReport(program, kElencoDocumenti);
        ASSERT_EQ(Confirm(), ConfirmResult::ReportRan);
    }
    ASSERT_EQ(dialogs_.shown().size(), 1u);
    EXPECT_EQ(dialogs_.shown()[0].icon, platform::Icon::Exclamation);
    EXPECT_NE(dialogs_.shown()[0].text.find("kvvelm.log"), std::string::npos) << dialogs_.shown()[0].text;
    EXPECT_EQ(reports_.calls.size(), 2u);
}

TEST_F(ConfirmTest, ConfirmResetsTheChoicesButKeepsTheListOrder) {
    Program& program = *program_;
    ChooseOrder(program, kOrderByName);
    const std::vector<std::string> listed = ListedCodes();
    TickAllCompanies(program, true);
    SelectCompany(program, 1, true);  // the current entry, which the reset leaves none of
    TickAllMonths(program, false);
    SelectMonth(program, 4, true);
    ChooseYear(program, kCorrente);
    ChooseReport(program, kRegistroCompensi);
    ChooseOutput(program, kCreaPdf);
    program.screen.waitPanelCaption.assign(1, 'x');

    ASSERT_EQ(Confirm(), ConfirmResult::ReportRan);

    // The reset does not touch "Seleziona tutte le ditte", and unchoosing a report is no click.
    EXPECT_EQ(test::ScreenText(program.screen), "year 2024 previous | months all 111111111111 locked | report -1 | "
                                                "printer | by name | companies 000 all \"Deseleziona tutte le ditte\"");
    EXPECT_EQ(ListedCodes(), listed);
}

// One question before a print run: Riprova looks again, Crea PDF makes the run a PDF run, Annulla
// runs nothing; unattended, the reason and the end of the program.
TEST_F(ConfirmTest, UnusablePrinterIsAskedAboutOnceBeforeTheRun) {
    const struct {
        const char* name;
        platform::Answer answer;
        ConfirmResult result;
        bool pdf;
    } cases[] = {
        {"retry, then it prints", platform::Answer::Retry, ConfirmResult::ReportRan, false},
        {"crea pdf", platform::Answer::Pdf, ConfirmResult::ReportRan, true},
        {"annulla", platform::Answer::Cancel, ConfirmResult::PrinterCancelled, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program& program = StartProgram();
        reports_ = test::RecordingReports{};
        reports_.program = &program;
        int looks = 0;
        program.printerRefusal = [&looks](const std::string&) { return ++looks == 1 ? "fuori linea" : ""; };
        dialogs_.Script(c.answer);
        const size_t shown = dialogs_.shown().size();
        TickAllCompanies(program, true);
        ChooseReport(program, kElencoDocumenti);
        ChooseOutput(program, kStampaLaser);
        EXPECT_EQ(Confirm(), c.result);
        ASSERT_EQ(dialogs_.shown().size(), shown + 1);
        EXPECT_EQ(dialogs_.shown().back().buttons, platform::Buttons::RetryPdfCancel);
        EXPECT_NE(dialogs_.shown().back().text.find("KVVELM_Laser non accetta lavori (fuori linea)"), std::string::npos);
        ASSERT_EQ(reports_.calls.size(), c.result == ConfirmResult::ReportRan ? 1u : 0u);
        for (const auto& call : reports_.calls) EXPECT_EQ(call.MODOPDF, c.pdf);
        EXPECT_EQ(program.output.run.switchedToPdf, c.pdf);
    }
    Program& program = StartProgram();
    program.unattended = true;
    program.start.printerName.clear();
    TickAllCompanies(program, true);
    ChooseReport(program, kElencoDocumenti);
    EXPECT_EQ(test::EndStatusOf([&] { Confirm(); }), platform::exit_status::kFatal);
    EXPECT_EQ(dialogs_.shown().back().icon, platform::Icon::Stop);
    EXPECT_EQ(dialogs_.shown().back().buttons, platform::Buttons::Ok);
    EXPECT_NE(dialogs_.shown().back().text.find("nessuna stampante installata"), std::string::npos);
}

}  // namespace
}  // namespace kv::app
