#pragma once
// The printer object over a system's print jobs. Positions are twips from the top-left corner of
// the printable area; Print writes with the top of the text's line at CurrentY and moves to the
// start of the next line. A job starts at the first Print, so an EndDoc with nothing printed makes
// no job; a NewPage takes effect when something is printed after it, so a NewPage just before
// EndDoc adds no blank page. Failures are RuntimeError 482 (see ReportedPrinter for the error
// reporter's answers). The system's part is the job: Qt PrintSupport on Linux, GDI on Windows.

#include <functional>
#include <memory>
#include <string>

#include "platform/printer_device.hpp"

namespace kv::platform {

struct PrintFont {
    std::string name;  // Windows-1252, as the reports name it ("Courier New")
    double points = 10;
    bool bold = false;
};

// One job on a system printer, begun when made.
class PageJob {
public:
    virtual ~PageJob() = default;
    // Draws Windows-1252 text with the top of its line at (x, y) twips; returns the line's height
    // in twips.
    virtual double DrawText(double xTwips, double yTwips, const PrintFont& font, const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Ends the job: the pages go to the printer.
    virtual void End() = 0;
};

// The printer error (482) of a job, with what went wrong.
[[noreturn]] void PrinterFailure(const std::string& detail);

// Begins a job on the printer of the moment.
using PageJobSource = std::function<std::unique_ptr<PageJob>()>;

class JobPrinter : public PrinterDevice {
public:
    explicit JobPrinter(PageJobSource begin);
    ~JobPrinter() override;

    void SetFontName(const std::string& name) override { font_.name = name; }
    void SetFontSize(double points) override { font_.points = points; }
    void SetFontBold(bool bold) override { font_.bold = bold; }
    std::string FontName() const override { return font_.name; }
    double FontSize() const override { return font_.points; }
    bool FontBold() const override { return font_.bold; }

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
    PageJob& Job();

    PageJobSource begin_;
    std::unique_ptr<PageJob> job_;
    int pendingPages_ = 0;
    int jobsEnded_ = 0;
    PrintFont font_{"Courier New", 10, false};
    double x_ = 0;
    double y_ = 0;
};

}  // namespace kv::platform
