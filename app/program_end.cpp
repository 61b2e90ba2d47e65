#include "app/program_end.hpp"

#include "app/text.hpp"
#include "archive/file_table.hpp"

namespace kv::app {

void INFOPROGETTO(Program& program) {
    std::string name = UpperCase(Trim(program.services.projectName));
    const std::string text = "Programma lumeo\r\rNome EXE : " + name + ".EXE\rNome Progetto : " + name + "\r";
    platform::ShowMessage(program.services,
                          platform::OkBox("Informazioni Progetto lumeo", text, platform::Icon::Information));
}

void FINEPROGRAMMA(Program& program) {
    CloseAllFiles(program);
    throw platform::ProgramEnd(platform::exit_status::kNormal);
}

void CloseAllFiles(Program& program) noexcept {
    platform::ErrorReporter* reporter = program.services.reporter;
    program.services.reporter = nullptr;  // a failing close must not open another error box
    try {
        archive::CHIUDI(program.archive, 0);
    } catch (...) {
        // Nothing more can be done for a file that does not close.
    }
    program.services.reporter = reporter;
}

}  // namespace kv::app
