// Register totals and certificate sums over hundreds of demo notes, against sums computed here in
// integer cents from the demo's own note list, read back from the files kvvelm-batch writes.

#include <cstdio>
#include <map>

#include "tests/e2e_reports/e2e_fixture.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_payees.hpp"

namespace kv::e2e {
namespace {

constexpr int kScale = 4;

struct Expected {
    int64_t gross = 0, withholding = 0, net = 0, notSubject = 0, advance = 0, vat = 0, total = 0;  // register
    int64_t certificateNet = 0;  // 14: gross - withholding - separate - stamp - advance
    int notes = 0;
};

std::string Euro(int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld,%02lld", cents < 0 ? "-" : "", static_cast<long long>(std::llabs(cents) / 100),
                  static_cast<long long>(std::llabs(cents) % 100));
    std::string value = text;
    return std::string(value.size() < 10 ? 10 - value.size() : 0, ' ') + value;
}

// A lone amount text as the register writes it: not at all when its value before the comma is 0.
std::string Shown(int64_t cents) { return cents >= 100 || cents <= -100 ? Euro(cents) : ""; }

// The notes of 2024 of a company, by payee, as the reports must sum them in the whole year.
std::map<int, Expected> ExpectedByPayee(int company) {
    std::map<int, Expected> sums;
    for (const demo::DemoFeeNote& note : demo::DemoFeeNotes(2024, demo::FeeNoteOptions{kScale})) {
        if (note.company != company || note.month.size() != 6 || note.month.substr(2) != "2024") continue;
        if (demo::DemoPayees()[static_cast<size_t>(note.payee - 1)].status != "00") continue;
        Expected& e = sums[note.payee];
        ++e.notes;
        const bool fee = note.fee != 0;
        const int64_t gross = fee ? note.fee : note.commission;
        const int64_t withholding = fee ? note.withholding : note.commissionWithholding;
        const int64_t advance = fee ? 0 : note.advanceExpenses;
        const int64_t net = gross - withholding - advance;
        e.gross += gross;
        e.withholding += withholding;
        e.net += net;
        e.notSubject += fee ? note.notSubject : note.commissionNotSubject;
        e.advance += advance;
        e.vat += note.vat;
        e.total += net + note.vat;
        e.certificateNet += gross - withholding - (fee ? note.separateWithholding + note.stampDuty : advance);
    }
    return sums;
}

class TotalsBatchTest : public BatchReportTest {
protected:
    TotalsBatchTest() : BatchReportTest(kScale) {}
};

TEST_F(TotalsBatchTest, RegisterTotalsAreExactToTheCentForEveryPayee) {
    const auto texts =
        BatchTexts("--report registro --ditte 001", CompanyFolder("001") / "PARR_AP_001_ROSSI COSTRUZIONI S.R.L..pdf");
    const auto expected = ExpectedByPayee(1);
    int notes = 0;
    for (const auto& [payee, sums] : expected) notes += sums.notes;
    ASSERT_GE(notes, 200);

    std::map<int, std::map<double, std::string>> totals;  // payee -> X -> text
    int payee = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].text.rfind("PERCETTORE : ", 0) == 0) payee = std::stoi(texts[i].text.substr(13, 4));
        if (texts[i].text != "PERIODO") continue;
        for (size_t j = i + 1; j < texts.size() && texts[j].y == texts[i].y; ++j) totals[payee][texts[j].x] = texts[j].text;
    }
    ASSERT_EQ(totals.size(), expected.size());
    for (const auto& [code, sums] : expected) {
        SCOPED_TRACE("payee " + std::to_string(code));
        auto& row = totals[code];
        EXPECT_EQ(row[4.3], Shown(sums.gross));
        EXPECT_EQ(row[6.6], Shown(sums.withholding));
        EXPECT_EQ(row[8.8], Shown(sums.net));
        EXPECT_EQ(row[11.3], Shown(sums.notSubject));
        EXPECT_EQ(row[13.2], Shown(sums.advance));
        EXPECT_EQ(row[15.2], Shown(sums.vat));
        EXPECT_EQ(row[18.3], Shown(sums.total));
    }
}

TEST_F(TotalsBatchTest, CertificateSumsAreExactToTheCentForEveryPayee) {
    // The date as typed in UTF-8 reaches each certificate as it was typed.
    const auto texts = BatchTexts("--report certificazioni --ditte 001 --data '28/02/2025 citt\xC3\xA0'",
                                  CompanyFolder("001") / "PARC_AP_001_ROSSI COSTRUZIONI S.R.L..pdf");
    const auto expected = ExpectedByPayee(1);
    ASSERT_EQ(PageCount(texts), static_cast<int>(expected.size()));
    int page = 0;
    for (const auto& [code, sums] : expected) {
        const auto certificate = OnPage(texts, ++page);
        SCOPED_TRACE("payee " + std::to_string(code));
        const demo::DemoPayee& payee = demo::DemoPayees()[static_cast<size_t>(code - 1)];
        EXPECT_EQ(Find(certificate, "01. NOMINATIVO").text, "01. NOMINATIVO          : " + payee.surname + " " + payee.name);
        const std::string gross = Find(certificate, "07.").text;
        EXPECT_EQ(gross.substr(gross.size() - 10), Euro(sums.gross));
        const std::string net = Find(certificate, "14.").text;
        EXPECT_EQ(net.substr(net.size() - 10), Euro(sums.certificateNet));
        EXPECT_EQ(Find(certificate, "28/02/2025").x, 1.8);
        EXPECT_EQ(Find(certificate, "28/02/2025").text, "28/02/2025 citt\xC3\xA0");
    }
}

}  // namespace
}  // namespace kv::e2e
