#include "cli/batch_main.hpp"

#include "app/program_end.hpp"
#include "app/screen_confirm.hpp"
#include "app/screen_reactions.hpp"
#include "app/start_up.hpp"
#include "cli/batch_dialogs.hpp"
#include "cli/batch_options.hpp"
#include "cli/batch_screen.hpp"
#include "cli/start_up_info.hpp"
#include "platform/text_encoding.hpp"

namespace kv::cli {

namespace {

// Start-up, then the options as clicks on the screen and Conferma; after the report, Uscita. Ends by
// throwing ProgramEnd or returning a status.
int RunProgram(app::Program& program, const BatchOptions& options, std::ostream& out,
               std::ostream& err, const ReportDriversMaker& makeReports) {
    app::StartUp(program);
    if (options.info) {
        PrintStartUpInfo(program, out);
        app::FINEPROGRAMMA(program);
    }
    if (std::string problem = SetScreenFromOptions(program, options); !problem.empty()) {
        err << "kvvelm-batch: " << platform::Cp1252ToUtf8(problem) << "\n";
        app::CloseAllFiles(program);
        return kBadCommandLine;
    }
    std::unique_ptr<app::ReportDrivers> reports = makeReports(program, err);
    if (app::CmdConferma_Click(program, *reports) != app::ConfirmResult::ReportRan) {
        app::CloseAllFiles(program);
        return platform::exit_status::kStoppedOnChoice;
    }
    if (!program.output.run.logProblem.empty())
        err << "kvvelm-batch: " << platform::Cp1252ToUtf8(program.output.run.logProblem) << "\n";
    if (!program.output.run.Complete()) {
        app::CloseAllFiles(program);
        return kRunIncomplete;
    }
    app::CmdUscita_Click(program);
}

}  // namespace

int RunBatch(const std::vector<std::string>& arguments, const app::Environment& environment,
             const platform::Printers& printers, const platform::Clock& clock, std::ostream& out,
             std::ostream& err, const ReportDriversMaker& makeReports) {
    ParsedOptions parsed = ParseBatchOptions(arguments);
    if (!parsed.error.empty()) {
        err << "kvvelm-batch: " << platform::Cp1252ToUtf8(parsed.error) << "\nVedere kvvelm-batch --help.\n";
        return kBadCommandLine;
    }
    if (parsed.options.help) {
        out << platform::Cp1252ToUtf8(BatchUsage());  // the texts are Windows-1252, like every text inside
        return platform::exit_status::kNormal;
    }
    BatchDialogs dialogs(out, err);
    app::Program program(environment, dialogs, printers, clock);
    program.unattended = true;
    try {
        return RunProgram(program, parsed.options, out, err, makeReports);
    } catch (const platform::ProgramEnd& end) {
        app::CloseAllFiles(program);
        out.flush();
        return end.status();
    } catch (const std::exception& error) {
        // Anything the error reporter did not take: say so and end as a fatal error would.
        app::CloseAllFiles(program);
        err << "kvvelm-batch: " << platform::Cp1252ToUtf8(error.what()) << "\n";
        return platform::exit_status::kFatal;
    }
}

}  // namespace kv::cli
