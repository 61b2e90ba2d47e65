#pragma once
// A printer that passes everything on to the real one and calls back when a job that printed
// something ends: the report drivers end one job per company.

#include <functional>

#include "platform/printer_device.hpp"

namespace kv::gui {

class ProgressPrinter : public platform::PrinterDevice {
public:
    ProgressPrinter(platform::PrinterDevice& printer, std::function<void()> jobEnded)
        : printer_(printer), jobEnded_(std::move(jobEnded)) {}

    void SetFontName(const std::string& name) override { printer_.SetFontName(name); }
    void SetFontSize(double points) override { printer_.SetFontSize(points); }
    void SetFontBold(bool bold) override { printer_.SetFontBold(bold); }
    std::string FontName() const override { return printer_.FontName(); }
    double FontSize() const override { return printer_.FontSize(); }
    bool FontBold() const override { return printer_.FontBold(); }
    void SetCurrentX(double twips) override { printer_.SetCurrentX(twips); }
    void SetCurrentY(double twips) override { printer_.SetCurrentY(twips); }
    double CurrentX() const override { return printer_.CurrentX(); }
    double CurrentY() const override { return printer_.CurrentY(); }
    void NewPage() override { printer_.NewPage(); }

    void Print(const std::string& text) override {
        printer_.Print(text);
        printed_ = true;
    }

    void EndDoc() override {
        printer_.EndDoc();
        if (!printed_) return;
        printed_ = false;
        jobEnded_();
    }

private:
    platform::PrinterDevice& printer_;
    std::function<void()> jobEnded_;
    bool printed_ = false;
};

}  // namespace kv::gui
