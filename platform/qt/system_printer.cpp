#include "platform/qt/system_printer.hpp"

#include "platform/qt/qt_printer_device.hpp"
#include "platform/reported_printer.hpp"

namespace kv::platform::qt {

std::unique_ptr<PrinterDevice> MakeSystemPrinter(Services& services, PrintTargetSource target) {
    return std::make_unique<ReportedPrinter>(services, std::make_unique<QtPrinterDevice>(std::move(target)));
}

}  // namespace kv::platform::qt
