#pragma once
// One printer question per run: before a print run the printer start-up chose must exist and take
// jobs. In the window the user answers "Riprova" (look again), "Crea PDF" (this run goes to PDF
// files, and its summary says so) or "Annulla"; unattended (kvvelm-batch) nobody is asked: the
// reason is shown with the stop icon and the program ends with status 2, never switching to PDF.

#include <string>

#include "app/program.hpp"

namespace kv::app {

// Why the chosen printer cannot print (Windows-1252); empty when it can.
std::string PrinterProblem(const Program& program);

enum class PrinterDecision { Print, Pdf, Cancel };

// Checks the printer, asking until it can print or the user chooses PDF or Annulla.
PrinterDecision CheckPrinterBeforeRun(Program& program);

}  // namespace kv::app
