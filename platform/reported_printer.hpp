#pragma once
// The printer of all printed output as the program uses it, over the system's printer object (Qt's
// or the Windows one): its failures go to the error reporter, which answers by ending the program,
// by trying the operation again, or by skipping it (the line is lost and the report goes on).

#include <memory>

#include "platform/printer_device.hpp"
#include "platform/services.hpp"

namespace kv::platform {

class ReportedPrinter : public PrinterDevice {
public:
    ReportedPrinter(Services& services, std::unique_ptr<PrinterDevice> device)
        : services_(services), device_(std::move(device)) {}

    void SetFontName(const std::string& name) override { device_->SetFontName(name); }
    void SetFontSize(double points) override { device_->SetFontSize(points); }
    void SetFontBold(bool bold) override { device_->SetFontBold(bold); }
    std::string FontName() const override { return device_->FontName(); }
    double FontSize() const override { return device_->FontSize(); }
    bool FontBold() const override { return device_->FontBold(); }

    void SetCurrentX(double twips) override { device_->SetCurrentX(twips); }
    void SetCurrentY(double twips) override { device_->SetCurrentY(twips); }
    double CurrentX() const override { return device_->CurrentX(); }
    double CurrentY() const override { return device_->CurrentY(); }

    void Print(const std::string& text) override;
    void NewPage() override;
    void EndDoc() override;

private:
    Services& services_;
    std::unique_ptr<PrinterDevice> device_;
};

}  // namespace kv::platform
