#include "platform/qt/qt_printer_device.hpp"

#include "platform/qt/print_job.hpp"

namespace kv::platform::qt {

QtPrinterDevice::QtPrinterDevice(PrintTargetSource target)
    : JobPrinter([target = std::move(target)]() -> std::unique_ptr<PageJob> {
          return std::make_unique<PrintJob>(target());
      }) {}

}  // namespace kv::platform::qt
