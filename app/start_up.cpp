#include "app/start_up.hpp"

#include "app/archives.hpp"
#include "app/company_list.hpp"
#include "app/installation.hpp"
#include "app/standard_printer.hpp"

namespace kv::app {

namespace {

// Runs a start-up step so that its run-time errors reach the error reporter.
template <class Step>
void Guard(Program& program, Step&& step) {
    platform::Guarded(program.services, [&] {
        step(program);
        return 0;
    });
}

}  // namespace

void StartUp(Program& program) {
    program.services.projectName = "KVVELM";
    Guard(program, CARICAINST_Registro);
    if (program.archive.archiveFolder.empty()) Guard(program, CARICAINST_Legacy);
    program.output.holderName = program.start.holderName;  // each PDF document's Creator
    Form_Impostazioni_Iniziali(program);
    Guard(program, Apri_Archivi);
    Guard(program, Lista_Aziende);
    Guard(program, LEGGISTAMPANTESTD);
    if (!program.screen.companies.empty()) program.screen.currentCompany = 0;
}

}  // namespace kv::app
