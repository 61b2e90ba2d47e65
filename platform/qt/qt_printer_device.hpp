#pragma once
// The printer object over Qt PrintSupport. Positions are twips from the top-left corner of the
// printable area; Print writes with the top of the text's line at CurrentY and moves to the start
// of the next line. A job starts at the first Print, so an EndDoc with nothing printed makes no job;
// a NewPage takes effect when something is printed after it, so a NewPage just before EndDoc adds no
// blank page. Failures are RuntimeError 482 (see ReportedPrinter for the error reporter's answers).

#include <memory>

#include "platform/printer_device.hpp"
#include "platform/qt/print_target.hpp"

namespace kv::platform::qt {

class PrintJob;

class QtPrinterDevice : public PrinterDevice {
public:
    explicit QtPrinterDevice(PrintTargetSource target);
    ~QtPrinterDevice() override;

    void SetFontName(const std::string& name) override { fontName_ = name; }
    void SetFontSize(double points) override { fontSize_ = points; }
    void SetFontBold(bool bold) override { fontBold_ = bold; }
    std::string FontName() const override { return fontName_; }
    double FontSize() const override { return fontSize_; }
    bool FontBold() const override { return fontBold_; }

    void SetCurrentX(double twips) override { x_ = twips; }
    void SetCurrentY(double twips) override { y_ = twips; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }

    void Print(const std::string& text) override;
    void NewPage() override;
    void EndDoc() override;

    // Jobs ended so far, and whether one is under way.
    int JobsEnded() const { return jobsEnded_; }
    bool JobOpen() const { return job_ != nullptr; }

private:
    PrintJob& Job();

    PrintTargetSource target_;
    std::unique_ptr<PrintJob> job_;
    int pendingPages_ = 0;
    int jobsEnded_ = 0;

    std::string fontName_ = "Courier New";
    double fontSize_ = 10;
    bool fontBold_ = false;
    double x_ = 0;
    double y_ = 0;
};

}  // namespace kv::platform::qt
