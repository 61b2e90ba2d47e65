#include "platform/services.hpp"

namespace kv::platform {

ErrorAction ReportError(Services& services, const RuntimeError& error) {
    if (services.reporter == nullptr) throw error;
    return services.reporter->SEGNALAERRORE(error, services.trail);
}

Answer ShowMessage(Services& services, const MessageBox& box) {
    if (services.dialogs == nullptr) return UnattendedAnswer(box);
    return services.dialogs->Show(box);
}

}  // namespace kv::platform
