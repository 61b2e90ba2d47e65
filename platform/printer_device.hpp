#pragma once
// The printer-object port the output layer prints through: font, position in twips (567 to the
// centimetre, from the top-left corner of the page), text, page breaks and the end of the job.

#include <string>

namespace kv::platform {

class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual void SetFontName(const std::string& name) = 0;
    virtual void SetFontSize(double points) = 0;
    virtual void SetFontBold(bool bold) = 0;
    virtual std::string FontName() const = 0;
    virtual double FontSize() const = 0;
    virtual bool FontBold() const = 0;

    virtual void SetCurrentX(double twips) = 0;
    virtual void SetCurrentY(double twips) = 0;
    virtual double CurrentX() const = 0;
    virtual double CurrentY() const = 0;

    // Prints Windows-1252 text at the current position, which then moves to the next line.
    virtual void Print(const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Ends the job: the pages go to the printer.
    virtual void EndDoc() = 0;
};

}  // namespace kv::platform
