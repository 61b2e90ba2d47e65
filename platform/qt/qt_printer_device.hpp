#pragma once
// The printer object over Qt PrintSupport: the job printer (platform/job_printer.hpp) whose jobs
// go to the target asked for at the start of each.

#include "platform/job_printer.hpp"
#include "platform/qt/print_target.hpp"

namespace kv::platform::qt {

class QtPrinterDevice : public JobPrinter {
public:
    explicit QtPrinterDevice(PrintTargetSource target);
};

}  // namespace kv::platform::qt
