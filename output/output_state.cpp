#include "output/output_state.hpp"

#include "platform/errors.hpp"

namespace kv::output {

PdfWriter& Writer(OutputState& state) {
    if (!state.writer) state.writer = state.makeWriter();
    return *state.writer;
}

platform::PrinterDevice& Printer(OutputState& state) {
    if (state.printer == nullptr)
        throw platform::RuntimeError(platform::err::kPrinterError, "Nessuna stampante disponibile");
    return *state.printer;
}

}  // namespace kv::output
