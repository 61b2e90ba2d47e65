#pragma once
// The font, page and end-of-job forms of the reports, one call each, carried out on the current
// target so that the reports stay the same for PDF and printer. All text is "Courier New".

#include <string>

#include "output/output_state.hpp"
#include "output/pdf_document.hpp"

namespace kv::output {

inline constexpr const char* kReportFont = "Courier New";

// Heading font: PDF SetFont(bold); printer FontSize, then FontBold = true, then FontName.
void HeadingFont(OutputState& state, float size);

// Bold on or off in the body: PDF SetFont with style 1 or 0; printer FontSize when it changes, then
// FontBold.
void BodyFont(OutputState& state, float size, bool bold);

// What a page heading's document needs: the folder (company, kind, period) and the file's prefix.
struct ReportDocument {
    std::string company;  // three digits
    std::string kind;     // "PARC" or "PERCIPIENTI"
    std::string period;   // YYYYMM
    std::string prefix;   // "PARD_AC_" ...
    PdfDocumentOptions options;
};

// The page a heading writes on. PDF: CREACARTELLEPDF (once a document: later pages of an open
// document skip it), then CREAPDF for the first page of a company, else BeginPage. Printer: nothing (the job starts with the first text; the body breaks pages).
void OpenHeadingPage(OutputState& state, const ReportDocument& document, bool firstPage);

// The body's break before a later heading: NewPage on the printer, nothing on PDF.
void BreakPrinterPage(OutputState& state);

// End of a company: PDF CHIUDIPDF when a document is open; printer EndDoc, and a job that lost
// lines is named among those not printed as the company in DITX.
void EndCompanyOutput(OutputState& state);

// The same for a print job that is not a company's whole output (the certificate of one payee, the
// list of payees): a job that lost lines is named as `job`.
void EndCompanyOutput(OutputState& state, const CompanyLabel& job);

}  // namespace kv::output
