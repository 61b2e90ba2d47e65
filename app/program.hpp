#pragma once
// The program's state: one object, created by main (or by a test) and passed by reference. It owns
// the services every layer reaches (call trail, error reporter, dialogs, files), the archive's
// state, the values start-up finds and the screen's state.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/environment.hpp"
#include "app/error_reporter.hpp"
#include "app/screen_state.hpp"
#include "archive/archive_state.hpp"
#include "output/folivo_host.hpp"
#include "output/output_state.hpp"
#include "platform/clock.hpp"
#include "platform/dialogs.hpp"
#include "platform/instance_lock.hpp"
#include "platform/printers.hpp"
#include "platform/services.hpp"
#include "platform/settings.hpp"

namespace kv::app {

// What start-up finds and the other parts read.
struct StartUpState {
    std::string programFolder;   // from the registry or the legacy path file
    std::string holderName;      // installation holder, upper case, at most 30 characters
    std::string currentPeriod;   // year (4 digits) then month (2 digits)
    std::string printerName;     // device name of the printer of all printed output; empty: none
    bool printerFromSettings = false;  // chosen by the printer-settings file, not the default
    std::string registryProblem;       // why the registry gave no folders (empty: it did, or not read)
};

class Program {
public:
    // The dialogs, printer list and clock belong to the front end and outlive the program.
    Program(const Environment& environment, platform::Dialogs& dialogs,
            const platform::Printers& printers, const platform::Clock& clock);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Environment environment;
    const platform::Printers& printers;
    const platform::Clock& clock;

    platform::Services services;
    archive::ArchiveState archive;
    kv::output::OutputState output;
    StartUpState start;
    ScreenState screen;
    std::optional<platform::InstanceLock> instanceLock;
    bool logProblemSaid = false;  // a run log that cannot be written is said once
    bool unattended = false;      // nobody answers questions (kvvelm-batch)
    platform::Settings* settings = nullptr;  // the window's remembered choices; none in the batch
    // Why the system's print service refuses jobs for a printer (Windows-1252 name); empty: it takes
    // them. Installed by the front end; none: a printer that is listed takes jobs.
    std::function<std::string(const std::string& printer)> printerRefusal;

    // Set by the front end: shows the wait panel as the screen holds it (its bar, Annulla) while a
    // report runs, and handles the user's events waiting meanwhile. Called on the report's thread.
    std::function<void()> showProgress;

private:
    DialogErrorReporter reporter_;  // after output: it notes lost print jobs there
    kv::output::PlatformHost pdfHost_;  // Folivo's clock and shell; made after `output`, used later
};

}  // namespace kv::app
