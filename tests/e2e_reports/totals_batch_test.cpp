// Certificate sums over hundreds of demo notes, against sums computed here in integer cents from the
// demo's own note list, read back from the file kvvelm-batch writes (the register's totals column by
// column: tests/reports/register_report_test.cpp).

#include <cstdio>
#include <map>

#include "tests/e2e_reports/e2e_fixture.hpp"
#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_payees.hpp"

namespace kv::e2e {
namespace {

constexpr int kScale = 4;

struct Expected {
    int64_t gross = 0;
    int64_t net = 0;  // 14: gross - withholding - separate - stamp - advance
};

std::string Euro(int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld,%02lld", cents < 0 ? "-" : "", static_cast<long long>(std::llabs(cents) / 100),
                  static_cast<long long>(std::llabs(cents) % 100));
    std::string value = text;
    return std::string(value.size() < 10 ? 10 - value.size() : 0, ' ') + value;
}

// The notes of 2024 of a company, by payee, as the certificates must sum them in the whole year.
std::map<int, Expected> ExpectedByPayee(int company) {
    std::map<int, Expected> sums;
    for (const demo::DemoFeeNote& note : demo::DemoFeeNotes(2024, demo::FeeNoteOptions{kScale})) {
        if (note.company != company || note.month.size() != 6 || note.month.substr(2) != "2024") continue;
        if (demo::DemoPayees()[static_cast<size_t>(note.payee - 1)].status != "00") continue;
        Expected& e = sums[note.payee];
        const bool fee = note.fee != 0;
        const int64_t gross = fee ? note.fee : note.commission;
        const int64_t withholding = fee ? note.withholding : note.commissionWithholding;
        e.gross += gross;
        e.net += gross - withholding - (fee ? note.separateWithholding + note.stampDuty : note.advanceExpenses);
    }
    return sums;
}

class TotalsBatchTest : public BatchReportTest {
protected:
    TotalsBatchTest() : BatchReportTest(kScale) {}
};

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
        EXPECT_EQ(net.substr(net.size() - 10), Euro(sums.net));
        EXPECT_EQ(Find(certificate, "28/02/2025").x, 1.8);
        EXPECT_EQ(Find(certificate, "28/02/2025").text, "28/02/2025 citt\xC3\xA0");
    }
}

}  // namespace
}  // namespace kv::e2e
