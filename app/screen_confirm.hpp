#pragma once
// CmdConferma: checks the choice, records it, runs the chosen report and resets the screen.

#include <optional>
#include <string>

#include "app/program.hpp"
#include "app/report_request.hpp"

namespace kv::app {

// The message for an incomplete choice ("Per proseguire è necessario scegliere ..."), or nothing
// when company, month and report are all chosen. Texts are Windows-1252.
std::optional<std::string> ChoiceMessage(bool companyChosen, bool monthChosen, bool reportChosen);

// The request for the report chosen on the screen as it is now.
ReportRequest BuildReportRequest(const ScreenState& screen);

enum class ConfirmResult { StoppedOnChoice, PrinterCancelled, ReportRan };

// The confirm command. Unless "Elenco Percipienti" is chosen, an incomplete choice shows its
// message (information icon, titled with the screen's caption) and changes nothing else. Otherwise
// it sets MODOPDF in the output state, records ANNOCORRENTE, TUTTIMESI, ANNOSTAMPA and clears
// DATIMANCANTI, shows the wait panel (its bar empty, Annulla not pressed),
// runs the chosen report with the screen's progress callback, records its missing-data flag, hides
// the panel and resets the screen.
// A print run first checks the printer (CheckPrinterBeforeRun): "Crea PDF" makes this run a PDF run,
// "Annulla" stops with the choices kept. The run's outcome is left in program.output.run and its
// lines appended to the run log.
ConfirmResult CmdConferma_Click(Program& program, ReportDrivers& reports);

}  // namespace kv::app
