// kvvelm-batch over the screen: the options as clicks, the message boxes it prints and its exit
// statuses; the errors of a bad command line; the progress line on a terminal, rewritten in place only
// when it changes and cleared before a message box and when the report hides its wait panel.

#include <gtest/gtest.h>

#include <sstream>

#include "app/screen_controls.hpp"
#include "app/screen_progress.hpp"
#include "cli/batch_main.hpp"
#include "cli/batch_options.hpp"
#include "cli/batch_screen.hpp"
#include "cli/terminal_progress.hpp"
#include "platform/errors.hpp"
#include "platform/terminal_dialogs.hpp"
#include "tests/app_screen/screen_text.hpp"
#include "tests/support/demo_installation.hpp"
#include "tests/support/recording_reports.hpp"

namespace kv::cli {
namespace {

using test::Company;

class BatchScreenTest : public test::DemoInstallationTest {
protected:
    BatchScreenTest() {
        WriteCompanies({Company(2, "BETA SERVIZI SRL"), Company(7, "ALFA COSTRUZIONI SPA"),
                        Company(9, "GAMMA IMPIANTI SNC")});
    }

    struct Outcome {
        int status;
        std::string out;
        std::string err;
    };

    // The reports count their runs and keep the target and the archives open while they run, and show a
    // closing message through the program's dialogs; they outlive nothing of the run.
    Outcome Batch(const std::vector<std::string>& arguments) {
        FinishInstallation();
        program_.reset();  // a started program holds the single-instance lock
        const ReportDriversMaker reports = [this](app::Program& program, std::ostream&) {
            auto recording = std::make_unique<test::RecordingReports>();
            recording->during = [this, &program](const app::ReportRequest& request) {
                ++reportsRun_;
                pdf_ = program.output.MODOPDF;
                openFiles_ = test::OpenFiles(program);
                platform::ShowMessage(program.services,
                                      platform::OkBox(request.screenCaption,
                                                      "Nessun Documento presente per il periodo selezionato",
                                                      platform::Icon::Information));
            };
            return recording;
        };
        std::ostringstream out, err;
        int status = RunBatch(arguments, environment_, printers_, clock_, out, err, reports);
        return Outcome{status, out.str(), err.str()};
    }

    // The screen after start-up and the options' clicks.
    app::ScreenState Screen(const std::vector<std::string>& arguments, std::string* problem = nullptr) {
        ParsedOptions parsed = ParseBatchOptions(arguments);
        EXPECT_EQ(parsed.error, "");
        app::Program& program = StartProgram();
        std::string result = SetScreenFromOptions(program, parsed.options);
        if (problem) *problem = result;
        return program.screen;
    }

    int reportsRun_ = 0;
    bool pdf_ = false;
    int openFiles_ = 0;
};

// The order comes first, so the companies are picked in the list ordered by name (ALFA 007, BETA 002,
// GAMMA 009); --uscita defaults to pdf; choosing the certificates fills in today's date.
TEST_F(BatchScreenTest, OptionsActAsClicksInTheirOrder) {
    EXPECT_EQ(test::ScreenText(Screen({"--ditte", "9,02", "--ordine", "ragione", "--anno", "corrente", "--mesi=12,1,12",
                                       "--report", "certificazioni", "--data", "15/01/2026"})),
              "year 2025 current | months *100000000001 | report 3 date field 15/01/2026 | pdf | by name | companies "
              "0*11 \"Seleziona tutte le ditte\"");
    EXPECT_EQ(test::ScreenText(Screen({"--ditte", "tutte", "--report", "certificazioni", "--uscita", "stampa"})),
              "year 2024 previous | months all 111111111111 locked | report 3 date field 06/12/2026 | printer | by code | "
              "companies 111 all \"Deseleziona tutte le ditte\"");
}

TEST_F(BatchScreenTest, ChoicesTheScreenCannotTake) {
    std::string problem;
    Screen({"--ditte", "2,4"}, &problem);  // 4 is not a company of the archive
    EXPECT_EQ(problem, "--ditte: nessuna ditta attiva con codice 004 nell'elenco");
    Screen({"--ditte", "2", "--report", "documenti", "--data", "01/01/2026"}, &problem);
    EXPECT_EQ(problem, "--data (la data delle certificazioni) richiede --report certificazioni");

    Outcome run = Batch({"--ditte", "4", "--report", "documenti"});
    EXPECT_EQ(run.status, kBadCommandLine);
    EXPECT_EQ(run.err, "kvvelm-batch: --ditte: nessuna ditta attiva con codice 004 nell'elenco\n");
    EXPECT_EQ(run.out, "");
}

// Each box is printed as its title, its lines and a blank line; a choice message ends with status 1.
TEST_F(BatchScreenTest, BoxesArePrintedAndTheRunEndsWithItsStatus) {
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* text;
    } cases[] = {
        {{}, platform::exit_status::kStoppedOnChoice,
         "Per proseguire \xC3\xA8 necessario scegliere una Ditta e un Documento da Stampare"},
        {{"--ditte", "7", "--report", "documenti", "--anno", "corrente"}, platform::exit_status::kNormal,
         "Nessun Documento presente per il periodo selezionato"},
    };
    for (const auto& c : cases) {
        const Outcome run = Batch(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, std::string("Nuova Gestione Certificazione Parcelle\n") + c.text + "\n\n");
        EXPECT_EQ(run.err, "");
    }
    // One report ran (its request is the screen's: app_screen), to PDF by default, the archives open.
    EXPECT_EQ(reportsRun_, 1);
    EXPECT_TRUE(pdf_);
    EXPECT_GT(openFiles_, 0);
}

TEST(BatchOptions, BadCommandLinesNameTheProblem) {
    EXPECT_EQ(ParseBatchOptions({"--mesi", "0"}).error, "--mesi: \"0\": atteso un mese da 1 a 12");
    EXPECT_EQ(ParseBatchOptions({"--mesi", "1,,2"}).error, "--mesi: \"\": atteso un mese da 1 a 12");
    EXPECT_EQ(ParseBatchOptions({"--ditte", "A1"}).error,
              "--ditte: \"A1\": atteso un codice ditta di al massimo tre cifre");
    EXPECT_EQ(ParseBatchOptions({"--ordine", "nome"}).error,
              "--ordine: atteso codice o ragione, non \"nome\"");
    EXPECT_EQ(ParseBatchOptions({"--data"}).error, "--data richiede un valore");
    EXPECT_EQ(ParseBatchOptions({"documenti"}).error, "opzione sconosciuta \"documenti\"");
    EXPECT_EQ(ParseBatchOptions({"--help=yes"}).error, "opzione sconosciuta \"--help\"");
}

TEST(TerminalProgressTest, OneLineRewrittenInPlaceAndClearedForBoxes) {
    std::ostringstream out;
    std::ostringstream err;
    platform::TerminalDialogs dialogs(out);
    platform::FixedPrinters printers({}, "");
    platform::FixedClock clock(platform::LocalDateTime{2026, 12, 6, 9, 30, 0, 60});
    app::Program program(app::Environment{}, dialogs, printers, clock);
    {
        TerminalProgress progress(program, err);
        program.screen.waitPanelVisible = true;
        reports::ProgressCallback tell = app::ScreenProgress(program);
        EXPECT_TRUE(tell({0, 2, 0, 0}));
        EXPECT_TRUE(tell({0, 2, 0, 0}));  // nothing new: nothing written
        EXPECT_TRUE(tell({0, 2, 3, 10}));
        platform::ShowMessage(program.services, platform::OkBox("Stampa", "Errore 70", platform::Icon::None));
        EXPECT_TRUE(tell({1, 2, 0, 0}));
        app::CmdAnnulla_Click(program);
        EXPECT_FALSE(tell({1, 2, 1, 10}));
        program.screen.waitPanelVisible = false;
        app::ShowProgress(program);
    }
    const std::string first = "KVVELM: Ditte 0 su 2";
    const std::string payees = "KVVELM: Ditte 0 su 2, percipienti 3 su 10";
    const std::string second = "KVVELM: Ditte 1 su 2";
    const std::string stopping = "KVVELM: Ditte 1 su 2, percipienti 1 su 10";
    EXPECT_EQ(err.str(), "\r" + first + "\r" + payees + "\r" + std::string(payees.size(), ' ') + "\r" +
                             "\r" + second + "\r" + stopping + "\r" + std::string(stopping.size(), ' ') + "\r");
    EXPECT_EQ(out.str(), "Stampa\nErrore 70\n\n");
}

}  // namespace
}  // namespace kv::cli
