#include "output/output_state.hpp"

#include "archive/descriptors.hpp"
#include "archive/repository.hpp"
#include "platform/errors.hpp"
#include "platform/text_trim.hpp"

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

CompanyLabel CurrentCompany(const OutputState& state, bool nameOnly) {
    if (nameOnly) return CompanyLabel{};
    return CompanyLabel{platform::Trim(archive::RepoR(state.archive, archive::T001), " "),
                        platform::Trim(archive::RepoR(state.archive, archive::T002), " ")};
}

platform::PrinterDevice& Printer(OutputState& state) {
    if (state.printer == nullptr)
        throw platform::RuntimeError(platform::err::kPrinterError, "Nessuna stampante disponibile");
    return *state.printer;
}

}  // namespace kv::output
