#pragma once
// The fee-note collection of one company: the payees are walked in record order and, for each, the
// notes of the chosen year's index from the payee's first key onwards. Whole year: notes whose N016
// is of the year chosen qualify; a note lacking N016 raises DATIMANCANTI. Chosen months: notes whose
// month (N016 or N021) is ticked qualify. What a qualifying note becomes is the sink's business:
// a row per note (list of documents, register) or a sum per payee (certificates).

#include "reports/report_form.hpp"

namespace kv::reports {

// Where the months of a note are read: N016 (MMYYYY) or N021 (DDMMYYYY).
inline constexpr bool kMonthsFromN016 = true;
inline constexpr bool kMonthsFromN021 = false;

class NoteSink {
public:
    virtual ~NoteSink() = default;
    // PERX holds the payee (called before its first search).
    virtual void BeginPayee(ReportForm&) {}
    // PERX and PARX hold the payee and the qualifying note.
    virtual void Store(ReportForm& form) = 0;
    // The payee's notes are done.
    virtual void EndPayee(ReportForm&) {}
};

// Looks up the first note after CHIAVE in the chosen year's index and loads it into PARX. TROVATA:
// the note is of the payee of CHIAVE (chosen months: of its company too); NUMPARC counts it. Chosen
// months: MESEOK when its month is ticked. Past the last key (999999) nothing is found.
void Cerca_Parcella(ReportForm& form, bool ByN016);

// The whole-year walk (the Array_Tutti operations). Clears the table, RIGA and DOCTROVATI first.
void CollectWholeYear(ReportForm& form, bool ByN016, NoteSink& sink);

// The chosen-months walk (the Array_Mesi operations). Clears the table, RIGA and DOCTROVATI first.
void CollectChosenMonths(ReportForm& form, bool ByN016, NoteSink& sink);

// The walk the request asks for: whole year when all months are ticked, else the chosen months.
void Collect(ReportForm& form, bool ByN016, NoteSink& sink);

// The next free row of the table for a note being stored (RIGA + 1, then RIGA moves on); 0 only when
// RIGA cannot count further (32767 rows).
int NextRow(ReportForm& form);

}  // namespace kv::reports
