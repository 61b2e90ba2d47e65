#include "output/page_forms.hpp"

#include "output/pdf_folders.hpp"

namespace kv::output {

namespace {

constexpr int32_t kStyleRegular = 0;
constexpr int32_t kStyleBold = 1;

void SetPdfFont(OutputState& state, float size, bool bold) {
    WithDocument(state, [&] { Writer(state).SetFont(kReportFont, size, bold ? kStyleBold : kStyleRegular, 0); });
}

// The job just ended lost lines: it is named once among those not printed.
void NoteLostJob(OutputState& state, const CompanyLabel& job) {
    state.printJobLost = false;
    for (const CompanyLabel& noted : state.run.notPrinted)
        if (noted.code == job.code && noted.name == job.name && noted.document == job.document) return;
    state.run.notPrinted.push_back(job);
}

}  // namespace

void HeadingFont(OutputState& state, float size) {
    if (state.MODOPDF) {
        SetPdfFont(state, size, true);
        return;
    }
    platform::PrinterDevice& printer = Printer(state);
    printer.SetFontSize(size);
    printer.SetFontBold(true);
    printer.SetFontName(kReportFont);
}

void BodyFont(OutputState& state, float size, bool bold) {
    if (state.MODOPDF) {
        SetPdfFont(state, size, bold);
        return;
    }
    platform::PrinterDevice& printer = Printer(state);
    if (printer.FontSize() != size) printer.SetFontSize(size);
    printer.SetFontBold(bold);
}

void OpenHeadingPage(OutputState& state, const ReportDocument& document, bool firstPage) {
    if (!state.MODOPDF) return;
    // A later page of an open document goes into the folder its first page made: the folder is
    // checked once a document, not on every page.
    if (firstPage || !state.PDFAPERTO) CREACARTELLEPDF(state, document.company, document.kind, document.period);
    if (firstPage) {
        CREAPDF(state, document.prefix, document.options);
        return;
    }
    WithDocument(state, [&] { Writer(state).BeginPage(); });
}

void BreakPrinterPage(OutputState& state) {
    if (!state.MODOPDF) Printer(state).NewPage();
}

void EndCompanyOutput(OutputState& state) { EndCompanyOutput(state, CurrentCompany(state)); }

void EndCompanyOutput(OutputState& state, const CompanyLabel& job) {
    if (!state.MODOPDF) {
        Printer(state).EndDoc();
        if (state.printJobLost) NoteLostJob(state, job);
        return;
    }
    if (state.PDFAPERTO) CHIUDIPDF(state);
}

}  // namespace kv::output
