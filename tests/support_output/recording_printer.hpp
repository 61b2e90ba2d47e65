#pragma once
// A PrinterDevice that records what the reports do to the printer, for the tests of the output layer
// and of the reports: every property set and method called, in order, and each printed text with the
// position and font it was printed with.

#include <string>
#include <vector>

#include "platform/printer_device.hpp"

namespace kv::test {

struct PrintedText {
    double x = 0;  // twips
    double y = 0;
    std::string text;
    std::string fontName;
    double fontSize = 0;
    bool bold = false;
    int page = 1;  // 1-based within the job
    int job = 1;   // 1-based: EndDoc ends a job
};

class RecordingPrinter : public platform::PrinterDevice {
public:
    void SetFontName(const std::string& name) override { fontName_ = name; Log("FontName=" + name); }
    void SetFontSize(double points) override { fontSize_ = points; Log("FontSize=" + Number(points)); }
    void SetFontBold(bool bold) override { bold_ = bold; Log(bold ? "FontBold=True" : "FontBold=False"); }
    std::string FontName() const override { return fontName_; }
    double FontSize() const override { return fontSize_; }
    bool FontBold() const override { return bold_; }

    void SetCurrentX(double twips) override { x_ = twips; Log("CurrentX=" + Number(twips)); }
    void SetCurrentY(double twips) override { y_ = twips; Log("CurrentY=" + Number(twips)); }
    double CurrentX() const override { return x_; }
    double CurrentY() const override { return y_; }

    void Print(const std::string& text) override {
        printed.push_back({x_, y_, text, fontName_, fontSize_, bold_, page_, job_});
        Log("Print " + text);
    }
    void NewPage() override { ++page_; Log("NewPage"); }
    void EndDoc() override {
        ++job_;
        page_ = 1;
        Log("EndDoc");
    }

    std::vector<std::string> calls;   // "FontSize=9", "CurrentX=113", "Print text", "NewPage" ...
    std::vector<PrintedText> printed;

private:
    static std::string Number(double value) {
        std::string text = std::to_string(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    }
    void Log(std::string call) { calls.push_back(std::move(call)); }

    std::string fontName_;
    double fontSize_ = 0;
    bool bold_ = false;
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
    int job_ = 1;
};

}  // namespace kv::test
