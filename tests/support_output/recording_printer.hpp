#pragma once
// A PrinterDevice that records what the reports do to the printer, for the tests of the output layer
// and of the reports: each printed text with its position and job, and the page and job ends in order.

#include <string>
#include <vector>

#include "platform/printer_device.hpp"

namespace kv::test {

struct PrintedText {
    double x = 0;  // twips
    double y = 0;
    std::string text;
    int job = 1;  // 1-based: EndDoc ends a job
};

class RecordingPrinter : public platform::PrinterDevice {
public:
    void SetFontName(const std::string& name) override { fontName_ = name; }
    void SetFontSize(double points) override { fontSize_ = points; }
    void SetFontBold(bool bold) override { bold_ = bold; }
    std::string FontName() const override { return fontName_; }
    double FontSize() const override { return fontSize_; }
    bool FontBold() const override { return bold_; }

    void SetCurrentX(double twips) override { x_ = twips; }
    void SetCurrentY(double twips) override { y_ = twips; }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }

    void Print(const std::string& text) override {
        printed.push_back({x_, y_, text, job_});
    }
    void NewPage() override { calls.push_back("NewPage"); }
    void EndDoc() override { calls.push_back("EndDoc"); ++job_; }

    std::vector<std::string> calls;  // "NewPage" and "EndDoc", in order
    std::vector<PrintedText> printed;

private:
    std::string fontName_;
    double fontSize_ = 0;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
    int job_ = 1;
};

}  // namespace kv::test
