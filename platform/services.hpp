#pragma once
// What every library layer reaches below itself: the call trail, the error reporter and the dialogs
// that app installs, and the file port. Program owns one and passes it down by reference.

#include <string>

#include "platform/call_trail.hpp"
#include "platform/dialogs.hpp"
#include "platform/error_reporter.hpp"
#include "platform/files.hpp"

namespace kv::platform {

struct Services {
    explicit Services(Files fileSystem) : files(std::move(fileSystem)) {}

    CallTrail trail;
    ErrorReporter* reporter = nullptr;  // installed by app; without one errors are thrown on
    Dialogs* dialogs = nullptr;         // installed by the front end
    Files files;
    std::string projectName = "KVVELM";  // title of boxes shown without one
};

// Sends an error to the installed reporter; without a reporter the error is thrown on.
ErrorAction ReportError(Services& services, const RuntimeError& error);

// Shows a box; without dialogs the box gets the unattended answer.
Answer ShowMessage(Services& services, const MessageBox& box);

// Runs a library procedure's body; a RuntimeError goes to the reporter, which ends the program or
// says to try again (the body runs again) or to skip (the fallback is returned).
template <class Result, class Body>
Result Guarded(Services& services, Result fallback, Body&& body) {
    for (;;) {
        try {
            return body();
        } catch (const RuntimeError& error) {
            if (ReportError(services, error) == ErrorAction::Skip) return fallback;
        }
    }
}

// The same for a body whose skipped result is its type's default (nothing, empty text, 0).
template <class Body>
auto Guarded(Services& services, Body&& body) -> decltype(body()) {
    for (;;) {
        try {
            return body();
        } catch (const RuntimeError& error) {
            if (ReportError(services, error) == ErrorAction::Skip) return decltype(body())();
        }
    }
}

}  // namespace kv::platform
