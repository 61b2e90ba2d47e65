#pragma once
// The printer a front end hands to the output layer: the Qt printer object aimed at the printer
// chosen at start-up, its failures sent to the error reporter.

#include <memory>

#include "platform/printer_device.hpp"
#include "platform/qt/print_target.hpp"
#include "platform/services.hpp"

namespace kv::platform::qt {

std::unique_ptr<PrinterDevice> MakeSystemPrinter(Services& services, PrintTargetSource target);

}  // namespace kv::platform::qt
