#pragma once
// The error reporter that app installs at start-up. The lower layers send it their unexpected
// run-time errors; it shows them with the call trail and usually ends the program (ProgramEnd). For a
// printer error it may instead ask to try the operation again or to skip it.

#include <string>

#include "platform/call_trail.hpp"
#include "platform/errors.hpp"

namespace kv::platform {

enum class ErrorAction { Retry, Skip };

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Either throws ProgramEnd or says how the failing operation goes on.
    virtual ErrorAction SEGNALAERRORE(const RuntimeError& error, const CallTrail& trail) = 0;
};

// The error box's text: "Errore ", number, " ", description, CR LF, then the ten trail slots, oldest
// first, each followed by CR LF.
std::string ErrorReportText(const RuntimeError& error, const CallTrail& trail);

}  // namespace kv::platform
