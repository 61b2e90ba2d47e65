#pragma once
// The demo installation's fee notes (parcelle, layout PARX$) of one year: professional fees,
// flat-rate fees and agents' commissions, with the cases the reports must handle: notes whose
// month field is empty, a note of another year, a payee with more than six documents and one
// with seventy in the same company, and notes of the payee marked removed.

#include <cstdint>
#include <string>
#include <vector>

namespace kv::demo {

struct FeeNoteOptions {
    int scale = 1;  // regular notes per company and payee are multiplied by this
};

struct DemoFeeNote {
    int company = 0, payee = 0, document = 0;
    std::string month;         // N016, MMYYYY, month of the document; empty for the notes that lack it
    std::string documentDate;  // N017, DDMMYYYY
    std::string paymentDate;   // N021, DDMMYYYY, sometimes in the month after the document
    // Amounts in cents.
    int64_t fee = 0, notSubject = 0, withholding = 0;                        // N006, N007, N009
    int64_t commission = 0, commissionNotSubject = 0, advanceExpenses = 0;  // N010, N011, N012
    int64_t commissionWithholding = 0, vat = 0, fund = 0;                   // N014, N032, N033
    int64_t separateWithholding = 0, stampDuty = 0, rate = 0;               // N029, N034, N020
    std::string taxCode;    // N015
    std::string reference;  // N019, how it was paid
};

inline constexpr int kPayeeWithSeventyNotes = 1;  // in company 1
inline constexpr int kPayeeWithEightNotes = 2;    // in company 1

// The notes of one year, in the order of their records in the data file (not key order).
std::vector<DemoFeeNote> DemoFeeNotes(int year, const FeeNoteOptions& options);

// N001: company (3 digits), payee (4) and document number (6).
std::string FeeNoteKey(const DemoFeeNote& note);

std::string FeeNoteRecord(const DemoFeeNote& note, std::size_t recordLength);

}  // namespace kv::demo
