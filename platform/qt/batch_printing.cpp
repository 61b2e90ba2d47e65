#include "platform/batch_printing.hpp"

#include "platform/qt/cups_queue.hpp"
#include "platform/qt/qt_printers.hpp"
#include "platform/qt/qt_session.hpp"
#include "platform/qt/system_printer.hpp"

namespace kv::platform {

namespace {

class QtBatchPrinting : public BatchPrinting {
public:
    explicit QtBatchPrinting(const char* printerList)
        : printers_(printerList != nullptr ? MakePrinters(printerList) : std::make_unique<qt::QtPrinters>()) {}

    const Printers& printers() const override { return *printers_; }

    std::unique_ptr<PrinterDevice> MakePrinter(Services& services,
                                               std::function<std::string()> printerName) override {
        return qt::MakeSystemPrinter(services, [name = std::move(printerName)] {
            return qt::PrintTarget{name(), ""};
        });
    }

    std::string Refusal(const std::string& printer) const override { return qt::PrinterRefusal(printer); }

private:
    qt::QtSession session_;  // Qt on the offscreen platform: printers and fonts without a display
    std::unique_ptr<Printers> printers_;
};

}  // namespace

std::unique_ptr<BatchPrinting> OpenBatchPrinting(const char* printerList) {
    return std::make_unique<QtBatchPrinting>(printerList);
}

}  // namespace kv::platform
