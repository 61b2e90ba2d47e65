#include "platform/batch_printing.hpp"

#include "platform/win32/gdi_printer.hpp"
#include "platform/win32/spooler_refusal.hpp"

namespace kv::platform {

namespace {

// The spooler's printers (or KVVELM_PRINTERS's), and GDI print jobs.
class WindowsPrinting : public BatchPrinting {
public:
    explicit WindowsPrinting(const char* printerList) : printers_(MakePrinters(printerList)) {}

    const Printers& printers() const override { return *printers_; }

    std::unique_ptr<PrinterDevice> MakePrinter(Services& services,
                                               std::function<std::string()> printerName) override {
        return win32::MakeGdiPrinter(services, std::move(printerName));
    }

    std::string Refusal(const std::string& printer) const override { return win32::SpoolerRefusal(printer); }

private:
    std::unique_ptr<Printers> printers_;
};

}  // namespace

std::unique_ptr<BatchPrinting> OpenBatchPrinting(const char* printerList) {
    return std::make_unique<WindowsPrinting>(printerList);
}

}  // namespace kv::platform
