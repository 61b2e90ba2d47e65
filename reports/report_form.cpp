#include "reports/report_form.hpp"

#include "archive/descriptors.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "archive/repository.hpp"
#include "platform/text_trim.hpp"

namespace kv::reports {

ReportForm::ReportForm(const ReportContext& context, const ReportRequest& r)
    : archive(context.archive), output(context.output), currentPeriod(context.currentPeriod), request(r) {
    output.run = output::RunOutcome{};
    output.run.pdf = output.MODOPDF;
    output.run.started = output::Now(output);
}

bool ReadInto(ReportForm& form, int file, double record, std::string& buffer) {
    form.archive.FINE = archive::LEGGIREC(form.archive, file, record);
    if (form.archive.FINE == 1) return false;
    buffer = archive::Entry(form.archive, file).buffer;
    return true;
}

output::CompanyLabel CompanyOf(ReportForm& form) {
    return output::CompanyLabel{platform::Trim(archive::RepoR(form.archive, archive::T001), " "),
                                platform::Trim(archive::RepoR(form.archive, archive::T002), " ")};
}

int NotesFile(const ReportForm& form) { return form.request.currentYear ? kCurrentNotes : kPreviousNotes; }

int NotesIndex(const ReportForm& form) { return form.request.currentYear ? kCurrentIndex : kPreviousIndex; }

}  // namespace kv::reports
