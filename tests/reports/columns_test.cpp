// Each report's table is written by its collection and read by its printing: one note whose every field
// differs shows each value beside its own label, so a cell written to a neighbouring column is seen;
// the certificate adds the payee's other notes of both kinds.

#include <gmock/gmock.h>

#include "reports/certificates_report.hpp"
#include "reports/documents_report.hpp"
#include "reports/register_report.hpp"
#include "tests/reports/report_fixture.hpp"

namespace kv::reports {
namespace {

struct Labelled {
    std::string label, value;
};

// What follows the label's first occurrence among the recorded calls ("DrawText(x,y,TEXT,align)"), past
// dots, colons, spaces and "Euro".
std::string After(const std::vector<std::string>& calls, const std::string& label) {
    for (const std::string& text : calls) {
        const size_t at = text.find(label);
        if (at == std::string::npos) continue;
        std::string rest = text.substr(at + label.size());
        rest.erase(0, rest.find_first_not_of(" .:"));
        if (rest.rfind("Euro", 0) == 0) rest.erase(0, rest.find_first_not_of(' ', 4));
        return rest;
    }
    return "(no " + label + ")";
}

class ColumnsTest : public ReportTest {
protected:
    ColumnsTest() {
        WritePayees({payee_});
        demo::DemoFeeNote note = Note(1, 1, 7, "022024", 100000, 20000, 22000);
        note.notSubject = 1100;
        note.commission = 50000;
        note.commissionNotSubject = 2200;
        note.advanceExpenses = 3000;
        note.commissionWithholding = 5000;
        note.fund = 3300;
        note.separateWithholding = 4400;
        note.stampDuty = 200;
        note.rate = 12345;
        // The certificate sums a commission note and a later fee note in with it.
        demo::DemoFeeNote commission = Note(1, 1, 8, "022024", 0, 0, 1000);
        commission.commission = 30000;
        commission.commissionNotSubject = 500;
        commission.commissionWithholding = 6000;
        commission.advanceExpenses = 1000;
        WriteNotes({note, commission, Note(1, 1, 9, "022024", 10000, 2000, 0)});
        Start();
    }

    void Check(Report report, const std::vector<Labelled>& expected) {
        log_->calls.clear();
        report(Context(), Request({"001"}));
        for (const Labelled& row : expected) {
            EXPECT_THAT(After(log_->calls, row.label), ::testing::StartsWith(row.value)) << row.label;
        }
    }

    const demo::DemoPayee payee_ = Payee(1);
};

TEST_F(ColumnsTest, EveryValueIsPrintedBesideItsOwnLabel) {
    const std::string& p = payee_.fiscalCode;
    const std::string birth = payee_.birthDate.substr(0, 2) + "/" + payee_.birthDate.substr(2, 2) + "/" +
                              payee_.birthDate.substr(4);
    Check(Elenco_Documenti, {{"NATO A      : ", payee_.birthplace},
                             {"CODICE FISCALE ", p},
                             {"DOMICILIO   : ", payee_.address.substr(0, 10)},
                             {"NUMERO DOCUMENTO : ", "000007"},
                             {"TOT.AMM.L.AUTONOMO:", "1000,00"},
                             {"SOMME NO SOG.:", "11,00"},
                             {"RIT.OPER. :", "200,00"},
                             {"TOT.AMM.L.AUT.PROV:", "500,00"},
                             {"QUOTA ESENTE :", "22,00"},
                             {"SPESE ANT.:", "30,00"},
                             {"CODICE TRIBUTO  : ", "1040"},
                             {"DATA CORRESPONS.: ", "02/2024"},
                             {"DATA VERSAMENTO : ", "10/02/2024"},
                             {"IMPORTO VERSATO : ", "123,45"},
                             {"NUM. BOLLO / Q. : ", "BONIFICO"}});
    Check(Registro_Compensi_Terzi, {{" NATO A ", payee_.birthplace},
                                    {"IL GIORNO ", birth},
                                    {"DOMICILIO  : ", payee_.address.substr(0, 10)},
                                    {"COD.FISC.  : ", p}});
    Check(Elenco_Certificazioni, {{"01. NOMINATIVO", payee_.surname},
                                  {"02. DATA DI NASCITA", birth},
                                  {"03. COMUNE DI NASCITA", payee_.birthplace},
                                  {"04. INDIRIZZO RESIDENZA", payee_.address.substr(0, 10)},
                                  {"05. COMUNE DI RESIDENZA", payee_.town.substr(0, 10)},
                                  {"06. CODICE FISCALE", p},
                                  {"07. TOTALE LORDO", "1400,00"},
                                  {"08. NON SOGGETTO A RITENUTA", "16,00"},
                                  {"8B. IVA", "230,00"},
                                  {"8C. CASSA", "33,00"},
                                  {"09. IMPONIBILE IRPEF (07-08-8B-8C)", "1121,00"},
                                  {"10. RITENUTE OPERATE (IMPORTO)", "280,00"},
                                  {"11. RIT. PREV. SEPARATA I.N.P.S. (IMPORTO)", "44,00"},
                                  {"12. IMPOSTA DI BOLLO (IMPORTO)", "2,00"},
                                  {"13. SPESE ANTICIPATE (IMPORTO)", "10,00"},
                                  {"14. IMPORTO NETTO CORRISPOSTO (07-10-11-12-13)", "1064,00"},
                                  {"CAUSALE :", payee_.reasonCode}});
}

}  // namespace
}  // namespace kv::reports
