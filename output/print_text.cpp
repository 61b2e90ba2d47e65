#include "output/print_text.hpp"

#include <cmath>

#include "output/numeric_text.hpp"
#include "output/pdf_document.hpp"

namespace kv::output {

namespace {

constexpr double kTwipsPerCentimetre = 567;
constexpr int32_t kScaleCentimetres = 3;
constexpr int32_t kDrawTextOptions = 1;

bool IsBlankText(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

void DrawOnPdf(OutputState& state, double row, double column, const std::string& text, bool printZero) {
    PdfWriter& writer = Writer(state);
    writer.SetScale(kScaleCentimetres, 1.0f);
    if (IsTextWritten(text, printZero, state.decimalSeparator))
        writer.DrawText(static_cast<float>(column), static_cast<float>(row), text, kDrawTextOptions);
}

void PrintOnPrinter(OutputState& state, double row, double column, const std::string& text, bool printZero) {
    platform::PrinterDevice& printer = Printer(state);
    printer.SetCurrentX(PrinterTwips(column, kPrinterColumnMargin));
    printer.SetCurrentY(PrinterTwips(row, kPrinterRowMargin));
    if (IsTextWritten(text, printZero, state.decimalSeparator)) printer.Print(text);
}

}  // namespace

bool IsTextWritten(const std::string& text, bool printZero, char decimalSeparator) {
    if (!IsNumericText(text, decimalSeparator)) return !IsBlankText(text);
    return printZero || LeadingValue(text) != 0;
}

int32_t PrinterTwips(double centimetres, double margin) {
    return static_cast<int32_t>(std::floor((centimetres - margin) * kTwipsPerCentimetre));
}

void STAMPATESTO(OutputState& state, double Row, double Column, std::string& Text, bool PrintZero,
                 double RowShift, double ColumnShift) {
    const std::string text = std::move(Text);
    Text.clear();
    if (!state.MODOPDF) {
        PrintOnPrinter(state, Row, Column, text, PrintZero);
        return;
    }
    if (RowShift != 0) Row += RowShift;
    if (ColumnShift != 0) Column += ColumnShift;
    WithDocument(state, [&] { DrawOnPdf(state, Row, Column, text, PrintZero); });
}

}  // namespace kv::output
