#include "platform/qt/print_job.hpp"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPrinterInfo>

#include "platform/qt/cups_queue.hpp"
#include "platform/device_units.hpp"
#include "platform/qt/qt_text.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform::qt {

namespace {

void AimAtFile(QPrinter& printer, const std::string& pdfFile) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfFile));
    printer.setFullPage(true);
}

// Qt falls back to writing a PDF file when a name is unknown: refuse that instead.
void AimAtPrinter(QPrinter& printer, const std::string& printerName) {
    QString name = ToQString(printerName);
    if (name.isEmpty()) name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) PrinterFailure("no printer chosen and no default printer");
    if (QPrinterInfo::printerInfo(name).isNull()) PrinterFailure("no printer named " + printerName);
    std::string refusal = QueueRefusal(name.toStdString());
    if (!refusal.empty()) PrinterFailure(Utf8ToCp1252(refusal));
    printer.setPrinterName(name);
    if (printer.outputFormat() != QPrinter::NativeFormat) PrinterFailure("cannot print to " + printerName);
    printer.setFullPage(false);
}

}  // namespace

PrintJob::PrintJob(const PrintTarget& target) {
    if (target.pdfFile.empty()) {
        AimAtPrinter(printer_, target.printerName);
    } else {
        AimAtFile(printer_, target.pdfFile);
    }
    printer_.setDocName(QStringLiteral("KVVELM"));
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    if (!painter_.begin(&printer_)) PrinterFailure("the job cannot start");
    CheckPrinter();
}

PrintJob::~PrintJob() {
    if (painter_.isActive()) painter_.end();
}

double PrintJob::DrawText(double xTwips, double yTwips, const PrintFont& printFont, const std::string& text) {
    QFont font(ToQString(printFont.name));
    font.setPointSizeF(printFont.points);
    font.setBold(printFont.bold);
    const int dpi = printer_.resolution();
    QFontMetricsF metrics(font, &printer_);
    painter_.setFont(font);
    QPointF baseline(TwipsToDevice(xTwips, dpi), TwipsToDevice(yTwips, dpi) + metrics.ascent());
    painter_.drawText(baseline, ToQString(text));
    CheckPrinter();
    return DeviceToTwips(metrics.height(), dpi);
}

void PrintJob::NewPage() {
    if (!printer_.newPage()) PrinterFailure("no new page");
    CheckPrinter();
}

void PrintJob::End() {
    if (!painter_.end()) PrinterFailure("the job cannot end");
    CheckPrinter();
}

void PrintJob::CheckPrinter() const {
    if (printer_.printerState() == QPrinter::Error) PrinterFailure("the printer reports an error");
}

}  // namespace kv::platform::qt
