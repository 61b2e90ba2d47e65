#include "platform/batch_printing.hpp"

namespace kv::platform {

namespace {

// Until the batch prints through GDI, a print run ends at its first line with a clear message.
class WindowOnlyPrinter : public PrinterDevice {
public:
    explicit WindowOnlyPrinter(Services& services) : services_(services) {}

    void SetFontName(const std::string&) override { Refuse(); }
    void SetFontSize(double) override { Refuse(); }
    void SetFontBold(bool) override { Refuse(); }
    std::string FontName() const override { Refuse(); }
    double FontSize() const override { Refuse(); }
    bool FontBold() const override { Refuse(); }
    void SetCurrentX(double) override { Refuse(); }
    void SetCurrentY(double) override { Refuse(); }
    double CurrentX() const override { Refuse(); }
    double CurrentY() const override { Refuse(); }
    void Print(const std::string&) override { Refuse(); }
    void NewPage() override { Refuse(); }
    void EndDoc() override { Refuse(); }

private:
    [[noreturn]] void Refuse() const {
        MessageBox box;
        box.title = services_.projectName;
        box.text = "Su Windows la stampa richiede la finestra di KVVELM (kvvelm.exe).\r\n"
                   "kvvelm-batch crea i PDF: usare --uscita pdf.";
        box.icon = Icon::Stop;
        ShowMessage(services_, box);
        throw ProgramEnd(exit_status::kFatal, "printing needs the window");
    }

    Services& services_;
};

class WindowsBatchPrinting : public BatchPrinting {
public:
    explicit WindowsBatchPrinting(const char* printerList) : printers_(MakePrinters(printerList)) {}

    const Printers& printers() const override { return *printers_; }

    std::unique_ptr<PrinterDevice> MakePrinter(Services& services, std::function<std::string()>) override {
        return std::make_unique<WindowOnlyPrinter>(services);
    }

private:
    std::unique_ptr<Printers> printers_;
};

}  // namespace

std::unique_ptr<BatchPrinting> OpenBatchPrinting(const char* printerList) {
    return std::make_unique<WindowsBatchPrinting>(printerList);
}

}  // namespace kv::platform
