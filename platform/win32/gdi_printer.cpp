#include "platform/win32/gdi_printer.hpp"

#include <windows.h>
#include <winspool.h>

#include <cmath>
#include <vector>

#include "platform/device_units.hpp"
#include "platform/job_printer.hpp"
#include "platform/win32/default_printer.hpp"
#include "platform/reported_printer.hpp"
#include "platform/text_encoding.hpp"

namespace kv::platform::win32 {

namespace {

// The printer's own settings with A4 portrait paper; empty when the spooler does not know it.
std::vector<BYTE> A4Portrait(const std::wstring& printer) {
    HANDLE handle = nullptr;
    if (!::OpenPrinterW(const_cast<wchar_t*>(printer.c_str()), &handle, nullptr)) return {};
    std::vector<BYTE> settings;
    const LONG size = ::DocumentPropertiesW(nullptr, handle, const_cast<wchar_t*>(printer.c_str()), nullptr,
                                            nullptr, 0);
    if (size > 0) {
        settings.resize(static_cast<std::size_t>(size));
        auto* mode = reinterpret_cast<DEVMODEW*>(settings.data());
        if (::DocumentPropertiesW(nullptr, handle, const_cast<wchar_t*>(printer.c_str()), mode, nullptr,
                                  DM_OUT_BUFFER) == IDOK) {
            mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
            mode->dmPaperSize = DMPAPER_A4;
            mode->dmOrientation = DMORIENT_PORTRAIT;
        } else {
            settings.clear();
        }
    }
    ::ClosePrinter(handle);
    return settings;
}

// One job on a printer device context: begun when made, its first page open.
class GdiJob : public PageJob {
public:
    explicit GdiJob(const std::string& printerName);
    ~GdiJob() override;
    GdiJob(const GdiJob&) = delete;
    GdiJob& operator=(const GdiJob&) = delete;

    double DrawText(double xTwips, double yTwips, const PrintFont& font, const std::string& text) override;
    void NewPage() override;
    void End() override;

private:
    void UseFont(const PrintFont& font);

    HDC dc_ = nullptr;
    int dpiX_ = 0;
    int dpiY_ = 0;
    bool open_ = false;  // StartDoc done, EndDoc not yet
    HFONT font_ = nullptr;
    PrintFont fontKey_;
};

GdiJob::GdiJob(const std::string& printerName) {
    std::wstring name = Cp1252ToWide(printerName);
    if (name.empty()) name = DefaultPrinterName();
    if (name.empty()) PrinterFailure("no printer chosen and no default printer");
    std::vector<BYTE> settings = A4Portrait(name);
    if (settings.empty()) PrinterFailure("no printer named " + printerName);
    dc_ = ::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, reinterpret_cast<DEVMODEW*>(settings.data()));
    if (dc_ == nullptr) PrinterFailure("cannot print to " + WideToCp1252(name));
    dpiX_ = ::GetDeviceCaps(dc_, LOGPIXELSX);
    dpiY_ = ::GetDeviceCaps(dc_, LOGPIXELSY);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"KVVELM";
    if (::StartDocW(dc_, &document) <= 0) {
        ::DeleteDC(dc_);
        PrinterFailure("the job cannot start");
    }
    open_ = true;
    if (::StartPage(dc_) <= 0) {
        ::AbortDoc(dc_);
        ::DeleteDC(dc_);
        PrinterFailure("the page cannot start");
    }
    ::SetBkMode(dc_, TRANSPARENT);
    ::SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
}

GdiJob::~GdiJob() {
    // A job that was not ended is ended here, so what was printed still reaches the printer.
    if (open_) {
        ::EndPage(dc_);
        ::EndDoc(dc_);
    }
    if (font_ != nullptr) ::DeleteObject(font_);
    ::DeleteDC(dc_);
}

void GdiJob::UseFont(const PrintFont& font) {
    if (font_ != nullptr && font.name == fontKey_.name && font.points == fontKey_.points &&
        font.bold == fontKey_.bold)
        return;
    const int height = -static_cast<int>(std::lround(font.points * dpiY_ / 72.0));
    HFONT made = ::CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, Cp1252ToWide(font.name).c_str());
    if (made == nullptr) PrinterFailure("no font " + font.name);
    ::SelectObject(dc_, made);
    if (font_ != nullptr) ::DeleteObject(font_);
    font_ = made;
    fontKey_ = font;
}

double GdiJob::DrawText(double xTwips, double yTwips, const PrintFont& font, const std::string& text) {
    UseFont(font);
    const std::wstring wide = Cp1252ToWide(text);
    const int x = static_cast<int>(std::lround(TwipsToDevice(xTwips, dpiX_)));
    const int y = static_cast<int>(std::lround(TwipsToDevice(yTwips, dpiY_)));
    if (!::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size())))
        PrinterFailure("the printer reports an error");
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc_, &metrics);
    return DeviceToTwips(metrics.tmHeight, dpiY_);
}

void GdiJob::NewPage() {
    if (::EndPage(dc_) <= 0 || ::StartPage(dc_) <= 0) PrinterFailure("no new page");
    // A new page gets the device context's defaults back on some drivers.
    if (font_ != nullptr) ::SelectObject(dc_, font_);
    ::SetBkMode(dc_, TRANSPARENT);
}

void GdiJob::End() {
    open_ = false;
    if (::EndPage(dc_) <= 0 || ::EndDoc(dc_) <= 0) PrinterFailure("the job cannot end");
}

}  // namespace

std::unique_ptr<PrinterDevice> MakeGdiPrinter(Services& services, std::function<std::string()> printerName) {
    auto device = std::make_unique<JobPrinter>([name = std::move(printerName)]() -> std::unique_ptr<PageJob> {
        return std::make_unique<GdiJob>(name());
    });
    return std::make_unique<ReportedPrinter>(services, std::move(device));
}

}  // namespace kv::platform::win32
