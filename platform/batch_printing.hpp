#pragma once
// What a front end prints with: the printer list and the printer object of every job. Linux: Qt
// PrintSupport on the offscreen platform (platform/qt); Windows: the spooler and GDI.

#include <functional>
#include <memory>
#include <string>

#include "platform/printer_device.hpp"
#include "platform/printers.hpp"
#include "platform/services.hpp"

namespace kv::platform {

class BatchPrinting {
public:
    virtual ~BatchPrinting() = default;
    virtual const Printers& printers() const = 0;
    // The printer of every job; `printerName` is asked at the start of each job (empty: the
    // system's default printer). Its failures go to the error reporter.
    virtual std::unique_ptr<PrinterDevice> MakePrinter(Services& services,
                                                       std::function<std::string()> printerName) = 0;
    // Why the print service refuses jobs for `printer` (Windows-1252 name, reason in Windows-1252);
    // empty when it takes them.
    virtual std::string Refusal(const std::string& printer) const = 0;
};

// `printerList` is KVVELM_PRINTERS's value (see MakePrinters); null for the system's printers.
std::unique_ptr<BatchPrinting> OpenBatchPrinting(const char* printerList);

}  // namespace kv::platform
