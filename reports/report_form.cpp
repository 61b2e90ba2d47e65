#include "reports/report_form.hpp"

#include "archive/file_table.hpp"
#include "archive/records.hpp"

namespace kv::reports {

ReportForm::ReportForm(const ReportContext& context, const ReportRequest& r)
    : archive(context.archive), output(context.output), currentPeriod(context.currentPeriod), request(r),
      progress(r.progress) {
    const bool switchedToPdf = output.run.switchedToPdf;  // the confirm's printer question, just before
    output.run = output::RunOutcome{};
    output.run.switchedToPdf = switchedToPdf;
    output.run.pdf = output.MODOPDF;
    output.printJobLost = false;
    output.keepExistingFiles = request.keepExistingPdfs;
    output.archivalPdf = request.archivalPdf;
    output.run.started = output::Now(output);
}

bool ReadInto(ReportForm& form, int file, double record, std::string& buffer) {
    form.archive.FINE = archive::LEGGIREC(form.archive, file, record);
    if (form.archive.FINE == 1) return false;
    buffer = archive::Entry(form.archive, file).buffer;
    return true;
}

output::CompanyLabel CompanyOf(ReportForm& form) { return output::CurrentCompany(form.output); }

int NotesFile(const ReportForm& form) { return form.request.currentYear ? kCurrentNotes : kPreviousNotes; }

int NotesIndex(const ReportForm& form) { return form.request.currentYear ? kCurrentIndex : kPreviousIndex; }

}  // namespace kv::reports
