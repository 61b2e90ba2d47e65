#pragma once
// The state one report run works on: the archives it reads, the output layer it writes through, the
// request of the confirm, the report table, the collection's fields and the report cursor. A driver
// makes one per run; nothing of it outlives the run but what the outcome carries back.

#include <cstdint>
#include <string>

#include "archive/archive_state.hpp"
#include "output/output_state.hpp"
#include "reports/report_progress.hpp"
#include "reports/report_request.hpp"
#include "reports/report_table.hpp"

namespace kv::reports {

// Logical files the reports read.
inline constexpr int kCompanyFile = 1;
inline constexpr int kPayeeFile = 63;
inline constexpr int kCurrentNotes = 65, kCurrentIndex = 66;
inline constexpr int kPreviousNotes = 67, kPreviousIndex = 68;
inline constexpr int kLastRecordWalked = 1000;  // payee records 1 to 1000

// The collection's fields.
struct CollectionState {
    std::string CHIAVE;         // the fee-note key being searched
    bool TROVATA = false;       // a note of the payee was found
    bool MESEOK = false;        // the note found falls in a selected month
    int16_t RIGA = 0;           // last row used of the table
    int16_t NUMPARC = 0;        // notes found for the current payee
    bool DATIMANCANTI = false;  // a note was skipped for lack of N016; kept over all companies
    bool DOCTROVATI = false;    // a note of the company was stored
    bool wholeYear = true;      // the walk under way: whole year, or chosen months
};

// Report cursor: current row in centimetres, page number, items on the page, the text line.
struct ReportCursor {
    double row = 0;
    int16_t page = 0;
    int16_t items = 0;
    std::string line;
};

// What a run needs from the program: the archives, the output state and the current period (YYYYMM).
struct ReportContext {
    archive::ArchiveState& archive;
    output::OutputState& output;
    std::string currentPeriod;
};

// A driver makes one per run; making it starts the run's outcome afresh (target, start time).
struct ReportForm {
    ReportForm(const ReportContext& context, const ReportRequest& r);

    archive::ArchiveState& archive;
    output::OutputState& output;
    std::string currentPeriod;
    const ReportRequest& request;

    ReportTable table;
    CollectionState collection;
    ReportCursor cursor;
    std::string companyCode;  // T001 of the company being reported
    ProgressReporter progress;
};

// Reads a record of a logical file into the named buffer given; true unless the read reached the end.
bool ReadInto(ReportForm& form, int file, double record, std::string& buffer);

// The company in DITX as the run's outcome names it: code T001 and trimmed name T002.
output::CompanyLabel CompanyOf(ReportForm& form);

// The fee-note data file and index of the chosen year.
int NotesFile(const ReportForm& form);
int NotesIndex(const ReportForm& form);

}  // namespace kv::reports
