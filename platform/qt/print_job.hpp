#pragma once
// One print job on a QPrinter, A4 portrait: begun when made, ended by End. Every failure of the
// printer (none installed, an unknown name, a file or queue that cannot take the job) is a
// RuntimeError 482.

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include "platform/job_printer.hpp"
#include "platform/qt/print_target.hpp"

namespace kv::platform::qt {

class PrintJob : public PageJob {
public:
    explicit PrintJob(const PrintTarget& target);
    // A job that was not ended is ended here, so what was printed still reaches the printer.
    ~PrintJob() override;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    double DrawText(double xTwips, double yTwips, const PrintFont& font, const std::string& text) override;
    void NewPage() override;
    void End() override;

private:
    void CheckPrinter() const;

    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
};

}  // namespace kv::platform::qt
