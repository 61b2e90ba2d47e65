#include "reports/report_form.hpp"

#include "archive/file_table.hpp"
#include "archive/records.hpp"

namespace kv::reports {

bool ReadInto(ReportForm& form, int file, double record, std::string& buffer) {
    form.archive.FINE = archive::LEGGIREC(form.archive, file, record);
    if (form.archive.FINE == 1) return false;
    buffer = archive::Entry(form.archive, file).buffer;
    return true;
}

int NotesFile(const ReportForm& form) { return form.request.currentYear ? kCurrentNotes : kPreviousNotes; }

int NotesIndex(const ReportForm& form) { return form.request.currentYear ? kCurrentIndex : kPreviousIndex; }

}  // namespace kv::reports
