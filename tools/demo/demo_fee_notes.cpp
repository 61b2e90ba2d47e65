#include "tools/demo/demo_fee_notes.hpp"

#include <algorithm>
#include <cstdio>
#include <random>

#include "archive/descriptors.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/demo_payees.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::demo {
namespace {

constexpr const char* kReferences[] = {"BONIFICO SEPA", "BONIFICO", "ASSEGNO BANCARIO", "RI.BA."};

std::string Date(int day, int month, int year) {
    char text[9];
    std::snprintf(text, sizeof text, "%02d%02d%04d", day, month, year);
    return text;
}

int64_t Percent(int64_t cents, int64_t hundredthsOfPercent) { return (cents * hundredthsOfPercent + 5000) / 10000; }

// The amounts of a note by the payee's kind; `seed` varies them from note to note.
void FillAmounts(DemoFeeNote& note, PayeeKind kind, uint32_t seed) {
    const int64_t gross = (150 + seed % 7850) * 100 + (seed % 3 == 0 ? 50 : 0);
    if (kind == PayeeKind::Agent) {
        note.commission = gross;
        note.commissionWithholding = Percent(gross, 1150);  // 23% on half the commission
        note.commissionNotSubject = Percent(gross, 5000);
        note.advanceExpenses = seed % 2 == 0 ? 3000 + (seed % 17) * 100 : 0;
        note.vat = Percent(gross, 2200);
        note.rate = 1150;
        note.taxCode = "1038";
        return;
    }
    note.fee = gross;
    note.fund = Percent(gross, 400);
    note.notSubject = seed % 4 == 0 ? 2500 + (seed % 40) * 100 : 0;  // expenses refunded
    note.taxCode = "1040";
    if (kind == PayeeKind::FlatRate) {
        note.stampDuty = gross > 7747 ? 200 : 0;  // no VAT and no withholding
        return;
    }
    note.withholding = Percent(gross, 2000);
    note.vat = Percent(gross + note.fund, 2200);
    note.separateWithholding = note.payee % 10 == 2 ? Percent(gross, 900) : 0;
    note.rate = 2000;
}

DemoFeeNote MakeNote(int company, const DemoPayee& payee, int document, int year) {
    DemoFeeNote note;
    note.company = company;
    note.payee = payee.code;
    note.document = document;
    const uint32_t seed = static_cast<uint32_t>(payee.code * 7919 + company * 104729 + document * 31337 + year);
    const int month = 1 + static_cast<int>((static_cast<uint32_t>(document * 5 + payee.code + company)) % 12);
    const int day = 1 + static_cast<int>(seed % 28);
    note.documentDate = Date(day, month, year);
    // Paid a few days later: late in the month that is the next month, except in December.
    int paidDay = day + 3 + static_cast<int>(seed % 5), paidMonth = month;
    if (paidDay > 28) {
        paidDay = month < 12 ? paidDay - 28 : 28;
        paidMonth = month < 12 ? month + 1 : 12;
    }
    note.paymentDate = Date(paidDay, paidMonth, year);
    note.month = note.documentDate.substr(2, 6);
    note.reference = kReferences[seed % 4];
    FillAmounts(note, payee.kind, seed);
    return note;
}

// How many notes a payee has in a company: none when the payee does not work for it.
int NotesOf(int company, const DemoPayee& payee, int year, const FeeNoteOptions& options) {
    if (!payee.hasNotes) return 0;
    if (company == 1 && payee.code == kPayeeWithSeventyNotes) return 70;
    if (company == 1 && payee.code == kPayeeWithEightNotes) return 8;
    if ((payee.code + 2 * company) % 4 == 0 && payee.code != kRemovedPayee) return 0;
    return (1 + (payee.code * company + year) % 4) * std::max(options.scale, 1);
}

// The awkward notes: some lack their month, one belongs to the year before.
void MarkSpecialCases(std::vector<DemoFeeNote>& notes, int year) {
    for (DemoFeeNote& note : notes) {
        bool noMonth = (note.company == 1 && note.payee == kPayeeWithEightNotes && note.document == 3) ||
                       (note.company == 2 && note.payee == 6 && note.document == 1);
        if (noMonth) note.month.clear();
        if (note.company == 1 && note.payee == 4 && note.document == 1) {
            note.documentDate = Date(15, 12, year - 1);
            note.paymentDate = Date(20, 12, year - 1);
            note.month = "12" + std::to_string(year - 1);
        }
    }
}

}  // namespace

std::vector<DemoFeeNote> DemoFeeNotes(int year, const FeeNoteOptions& options) {
    std::vector<DemoFeeNote> notes;
    for (const DemoCompany& company : DemoCompanies()) {
        if (company.status != "00") continue;
        for (const DemoPayee& payee : DemoPayees()) {
            int count = NotesOf(company.code, payee, year, options);
            for (int document = 1; document <= count; ++document) {
                notes.push_back(MakeNote(company.code, payee, document, year));
            }
        }
    }
    MarkSpecialCases(notes, year);
    std::mt19937 random(static_cast<uint32_t>(year));
    std::shuffle(notes.begin(), notes.end(), random);  // records are not kept in key order
    return notes;
}

std::string FeeNoteKey(const DemoFeeNote& note) {
    char key[16];
    std::snprintf(key, sizeof key, "%03d%04d%06d", note.company, note.payee, note.document);
    return key;
}

std::string FeeNoteRecord(const DemoFeeNote& note, std::size_t recordLength) {
    namespace d = kv::archive;
    const DemoPayee& payee = DemoPayees()[static_cast<size_t>(note.payee - 1)];
    return RecordOf(recordLength, {
        {d::N099, "00"},
        {d::N001, FeeNoteKey(note)},
        {d::N003, payee.surname},
        {d::N004, payee.name},
        {d::N006, std::to_string(note.fee)},
        {d::N007, std::to_string(note.notSubject)},
        {d::N009, std::to_string(note.withholding)},
        {d::N010, std::to_string(note.commission)},
        {d::N011, std::to_string(note.commissionNotSubject)},
        {d::N012, std::to_string(note.advanceExpenses)},
        {d::N014, std::to_string(note.commissionWithholding)},
        {d::N020, std::to_string(note.rate)},
        {d::N029, std::to_string(note.separateWithholding)},
        {d::N032, std::to_string(note.vat)},
        {d::N033, std::to_string(note.fund)},
        {d::N034, std::to_string(note.stampDuty)},
        {d::N015, note.taxCode},
        {d::N019, note.reference},
        {d::N017, note.documentDate},
        {d::N021, note.paymentDate},
        {d::N016, note.month}});
}

}  // namespace kv::demo
