#pragma once
// SEGNALAERRORE: the common error reporter the lower layers call with an unexpected run-time error.
// A printer error asks whether to try again, skip the line or close, once per print job: after "skip"
// the rest of the job's failures are skipped unasked (a job with lost lines is lost anyway) and the
// output layer names the company as not printed. Any other error shows the error with the call trail
// and ends the program. Ending closes every archive file first.

#include "archive/archive_state.hpp"
#include "output/output_state.hpp"
#include "platform/error_reporter.hpp"
#include "platform/services.hpp"

namespace kv::app {

class DialogErrorReporter : public platform::ErrorReporter {
public:
    DialogErrorReporter(platform::Services& services, archive::ArchiveState& archive, output::OutputState& output)
        : services_(services), archive_(archive), output_(output) {}

    platform::ErrorAction SEGNALAERRORE(const platform::RuntimeError& error,
                                        const platform::CallTrail& trail) override;

private:
    platform::ErrorAction PrinterError();
    [[noreturn]] void CloseAndEnd(const std::string& reason);

    platform::Services& services_;
    archive::ArchiveState& archive_;
    output::OutputState& output_;
};

}  // namespace kv::app
