#include "output/output_state.hpp"

#include "platform/errors.hpp"

namespace kv::output {

PdfWriter& Writer(OutputState& state) {
    if (!state.writer) state.writer = state.makeWriter();
    return *state.writer;
}

platform::LocalDateTime Now(const OutputState& state) {
    return state.clock != nullptr ? state.clock->Now() : platform::LocalDateTime{};
}

void RecordFailure(OutputState& state, const CompanyLabel& company, const std::string& path,
                   const platform::RuntimeError& error) {
    state.run.failed.push_back(FailedOutput{company, path, error.number(), error.description(), Now(state)});
}

platform::PrinterDevice& Printer(OutputState& state) {
    if (state.printer == nullptr)
        throw platform::RuntimeError(platform::err::kPrinterError, "Nessuna stampante disponibile");
    return *state.printer;
}

}  // namespace kv::output
