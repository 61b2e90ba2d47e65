#include "platform/error_reporter.hpp"

namespace kv::platform {

std::string ErrorReportText(const RuntimeError& error, const CallTrail& trail) {
    std::string text = "Errore " + std::to_string(error.number()) + " " + error.description() + "\r\n";
    for (const std::string& name : trail.Lines()) text += name + "\r\n";
    return text;
}

}  // namespace kv::platform
