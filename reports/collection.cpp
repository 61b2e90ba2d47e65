#include "reports/collection.hpp"

#include <limits>

#include "archive/descriptors.hpp"
#include "archive/isam.hpp"
#include "archive/number_text.hpp"
#include "archive/repository.hpp"
#include "reports/payee_columns.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

constexpr int kSearchesPerPayee = 1000;

enum class Verdict { Store, Skip, NextPayee, EndCollection };
using Judge = Verdict (*)(ReportForm&);

std::string_view Part(std::string_view key, size_t from, size_t count) {
    return from < key.size() ? key.substr(from, count) : std::string_view{};
}
std::string_view CompanyPart(std::string_view key) { return Part(key, 0, 3); }
std::string_view PayeePart(std::string_view key) { return Part(key, 3, 4); }

bool MonthTicked(const ReportForm& form, bool byN016) {
    const std::string field = byN016 ? archive::RepoR(form.archive, archive::N016)
                                     : archive::RepoR(form.archive, archive::N021);
    const std::string digits = byN016 ? field.substr(0, 2) : std::string(Part(field, 2, 2));
    const double month = archive::NumericValue(digits);
    for (size_t m = 0; m < form.request.months.size(); ++m) {
        if (form.request.months[m] && month == static_cast<double>(m + 1)) return true;
    }
    return false;
}

// The note in PARX, of the payee in PERX, lacks its dates: the run's outcome names it.
void RecordSkippedNote(ReportForm& form) {
    const std::string payee = Trim(archive::RepoR(form.archive, archive::M001)) + " " + PayeeName(form);
    form.output.run.skippedNotes.push_back(output::SkippedNote{CompanyOf(form), payee, DocumentNumber(form)});
}

// Whole year: the note's N016 year against the year chosen; a note without N016 is missing data.
Verdict JudgeWholeYear(ReportForm& form) {
    CollectionState& c = form.collection;
    const std::string month = Trim(archive::RepoR(form.archive, archive::N016));
    const std::string_view year = month.size() > 4 ? std::string_view(month).substr(month.size() - 4) : month;
    if (archive::NumericValue(year) != archive::NumericValue(form.request.yearText)) {
        if (archive::NumericValue(month) == 0) {
            c.DATIMANCANTI = true;
            RecordSkippedNote(form);
        }
        return Verdict::Skip;
    }
    const std::string key = archive::RepoR(form.archive, archive::N001);
    if (PayeePart(key) != PayeePart(c.CHIAVE)) return Verdict::NextPayee;
    if (CompanyPart(key) != CompanyPart(c.CHIAVE)) return Verdict::EndCollection;
    return Verdict::Store;
}

Verdict JudgeChosenMonths(ReportForm& form) {
    return form.collection.MESEOK ? Verdict::Store : Verdict::Skip;
}

// The notes of the payee in PERX; true when the collection must end.
bool WalkPayee(ReportForm& form, bool byN016, NoteSink& sink, Judge judge) {
    CollectionState& c = form.collection;
    for (int search = 0; search < kSearchesPerPayee; ++search) {
        Cerca_Parcella(form, byN016);
        if (!c.TROVATA) return false;
        switch (judge(form)) {
            case Verdict::Store:
                c.DOCTROVATI = true;
                sink.Store(form);
                break;
            case Verdict::Skip: break;
            case Verdict::NextPayee: return false;
            case Verdict::EndCollection: return true;
        }
        c.CHIAVE = archive::RepoR(form.archive, archive::N001);
    }
    return false;
}

void Walk(ReportForm& form, bool byN016, NoteSink& sink, Judge judge) {
    CollectionState& c = form.collection;
    c.wholeYear = judge == JudgeWholeYear;
    c.DOCTROVATI = false;
    form.table.Clear();
    c.RIGA = 0;
    const std::string company = archive::RepoR(form.archive, archive::T001);
    for (int record = 1; record <= kLastRecordWalked; ++record) {
        form.progress.Tick();
        c.NUMPARC = 0;
        if (!ReadInto(form, kPayeeFile, record, form.archive.buffers.PERX)) continue;
        if (archive::RepoN(form.archive, archive::M099) == 99) continue;
        c.CHIAVE = company + archive::RepoR(form.archive, archive::M001) + "000000";
        sink.BeginPayee(form);
        const bool end = WalkPayee(form, byN016, sink, judge);
        sink.EndPayee(form);
        if (end) return;
    }
}

}  // namespace

void Cerca_Parcella(ReportForm& form, bool ByN016) {
    CollectionState& c = form.collection;
    c.TROVATA = false;
    const double record = archive::ISAM(form.archive, NotesIndex(form), c.CHIAVE, archive::isam::kReadNext);
    if (record == archive::isam::kEnd || record < 1) return;
    if (!ReadInto(form, NotesFile(form), record, form.archive.buffers.PARX)) return;
    const std::string key = archive::RepoR(form.archive, archive::N001);
    if (PayeePart(key) != PayeePart(c.CHIAVE)) return;
    if (c.wholeYear) {
        c.TROVATA = true;
        ++c.NUMPARC;
        return;
    }
    // Chosen months: a note of another company is not the payee's, whatever its payee code.
    if (CompanyPart(key) != CompanyPart(c.CHIAVE)) return;
    c.TROVATA = true;
    c.MESEOK = false;
    if (MonthTicked(form, ByN016)) {
        c.MESEOK = true;
        ++c.NUMPARC;
    }
}

void CollectWholeYear(ReportForm& form, bool ByN016, NoteSink& sink) {
    Walk(form, ByN016, sink, JudgeWholeYear);
}

void CollectChosenMonths(ReportForm& form, bool ByN016, NoteSink& sink) {
    Walk(form, ByN016, sink, JudgeChosenMonths);
}

void Collect(ReportForm& form, bool ByN016, NoteSink& sink) {
    if (form.request.allMonths) {
        CollectWholeYear(form, ByN016, sink);
    } else {
        CollectChosenMonths(form, ByN016, sink);
    }
}

int NextRow(ReportForm& form) {
    if (form.collection.RIGA == std::numeric_limits<int16_t>::max()) return 0;
    return ++form.collection.RIGA;
}

}  // namespace kv::reports
