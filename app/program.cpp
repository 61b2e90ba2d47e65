#include "app/program.hpp"

#include "output/folivo_writer.hpp"

namespace kv::app {

Program::Program(const Environment& env, platform::Dialogs& dialogs,
                 const platform::Printers& printerList, const platform::Clock& systemClock)
    : environment(env),
      printers(printerList),
      clock(systemClock),
      services(platform::Files(platform::DriveMap(env.drivesRoot))),
      archive(services),
      output(services, archive, kv::output::FolivoWriterFactory(&pdfHost_)),
      reporter_(services, archive, output),
      pdfHost_(services, systemClock) {
    services.dialogs = &dialogs;
    services.reporter = &reporter_;
    output.clock = &clock;
    output.decimalSeparator = env.locale.decimalSeparator;
}

}  // namespace kv::app
