#include "platform/qt/qt_printer_device.hpp"

#include <QFont>

#include "platform/qt/print_job.hpp"
#include "platform/qt/qt_text.hpp"

namespace kv::platform::qt {

QtPrinterDevice::QtPrinterDevice(PrintTargetSource target) : target_(std::move(target)) {}

QtPrinterDevice::~QtPrinterDevice() = default;

PrintJob& QtPrinterDevice::Job() {
    if (!job_) job_ = std::make_unique<PrintJob>(target_());
    return *job_;
}

void QtPrinterDevice::Print(const std::string& text) {
    PrintJob& job = Job();
    while (pendingPages_ > 0) {
        job.NewPage();
        --pendingPages_;  // only once the page exists, so a retry does not lose or add one
    }
    QFont font(ToQString(fontName_));
    font.setPointSizeF(fontSize_);
    font.setBold(fontBold_);
    const double lineHeight = job.DrawText(x_, y_, font, ToQString(text));
    x_ = 0;
    y_ += lineHeight;
}

void QtPrinterDevice::NewPage() {
    if (job_) ++pendingPages_;
    x_ = 0;
    y_ = 0;
}

void QtPrinterDevice::EndDoc() {
    pendingPages_ = 0;
    x_ = 0;
    y_ = 0;
    if (!job_) return;
    std::unique_ptr<PrintJob> job = std::move(job_);
    job->End();
    ++jobsEnded_;
}

}  // namespace kv::platform::qt
