// kvvelm-batch: the headless front end.

#include <cstdlib>
#include <iostream>

#include "app/archive_reports.hpp"
#include "cli/batch_main.hpp"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    kv::platform::SystemClock clock;
    auto printers = kv::platform::MakePrinters(std::getenv("KVVELM_PRINTERS"));
    return kv::cli::RunBatch(arguments, kv::app::Environment::FromProcess(), *printers, clock,
                             std::cout, std::cerr,
                             [](kv::app::Program& program, std::ostream&) -> std::unique_ptr<kv::app::ReportDrivers> {
                                 return std::make_unique<kv::app::ArchiveReports>(program);
                             });
}
