#include "tools/demo/demo_companies.hpp"

#include "archive/descriptors.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::demo {

const std::vector<DemoCompany>& DemoCompanies() {
    static const std::vector<DemoCompany> companies = {
        {1, "00", "ROSSI COSTRUZIONI S.R.L.", "01234560151", "VIA GARIBALDI 12", "20121",
         "MILANO", "MI", "01234560151", ""},
        {2, "00", "IMPORT/EXPORT ADRIATICA S.P.A.", "02345670427", "VIA FLAMINIA 88", "60121",
         "ANCONA", "AN", "02345670427", "ADRIA24"},
        {3, "00", "L'ARTIGIANA DEL LEGNO S.A.S.", "03456780483", "VIA DEI MILLE 5", "50123",
         "FIRENZE", "FI", "03456780483", ""},
        {4, "99", "TESSITURA BIELLESE CESSATA SRL", "04567890027", "CORSO EUROPA 3", "13900",
         "BIELLA", "BI", "04567890027", ""},
        {5, "00", "CENTRO ELABORAZIONE DATI CONTABILI SRL", "05678900581",
         "VIALE MAZZINI 140", "00195", "ROMA", "RM", "05678900581", ""},
        {6, "00", "", "06789010636", "VIA TOLEDO 256", "80134", "NAPOLI", "NA", "06789010636",
         ""},
        {7, "00", "FARMACIA SAN MARCO DR. ESPOSITO", "SPSGPP65C12F205X", "CALLE LARGA 21",
         "30124", "VENEZIA", "VE", "07890120274", ""},
        {8, "00", "AGRITURISMO IL GELSO SOC. AGR.", "08901230525", "LOC. PODERE NUOVO 1",
         "53024", "MONTALCINO", "SI", "08901230525", ""},
    };
    return companies;
}

std::string CompanyRecord(const DemoCompany& company, std::size_t recordLength) {
    namespace d = kv::archive;
    std::string record = RecordOf(recordLength, {
        {d::T261, company.status},
        {d::T001, std::to_string(company.code)},
        {d::T012, company.fiscalCode},
        {d::T004, company.address},
        {d::T005, company.postcode},
        {d::T006, company.town},
        {d::T007, company.province},
        {d::T013, company.vatNumber},
        {d::T364, company.pdfPassword}});
    PutSplit(record, d::T002, 30, d::T003, company.name);
    return record;
}

}  // namespace kv::demo
