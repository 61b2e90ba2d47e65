#include "platform/reported_printer.hpp"

namespace kv::platform {

void ReportedPrinter::Print(const std::string& text) {
    Guarded(services_, [&] { device_->Print(text); });
}

void ReportedPrinter::NewPage() {
    Guarded(services_, [&] { device_->NewPage(); });
}

void ReportedPrinter::EndDoc() {
    Guarded(services_, [&] { device_->EndDoc(); });
}

}  // namespace kv::platform
