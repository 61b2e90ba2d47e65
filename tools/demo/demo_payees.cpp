#include "tools/demo/demo_payees.hpp"

#include <array>
#include <cstdio>

#include "archive/descriptors.hpp"
#include "tools/demo/fiscal_code.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::demo {
namespace {

struct Person {
    const char* surname;
    const char* name;
    bool female;
};

struct Town {
    const char* name;
    const char* province;
    const char* code;  // cadastral code, for birthplaces
};

constexpr std::array<Person, 42> kPeople{{
    {"ROSSI", "MARIO", false},       {"RUSSO", "GIULIA", true},          {"FERRARI", "LUCA", false},
    {"ESPOSITO", "FRANCESCA", true}, {"BIANCHI", "MARCO", false},        {"ROMANO", "CHIARA", true},
    {"COLOMBO", "ALESSANDRO", false}, {"RICCI", "SARA", true},           {"MARINO", "ANDREA", false},
    {"GRECO", "ELENA", true},        {"BRUNO", "GIUSEPPE", false},       {"GALLO", "ANNA", true},
    {"CONTI", "ROBERTO", false},     {"DE LUCA", "LAURA", true},         {"MANCINI", "STEFANO", false},
    {"COSTA", "PAOLA", true},        {"GIORDANO", "FRANCESCO", false},   {"RIZZO", "VALENTINA", true},
    {"LOMBARDI", "ANTONIO", false},  {"MORETTI", "SILVIA", true},        {"BARBIERI", "MATTEO", false},
    {"FONTANA", "FEDERICA", true},   {"SANTORO", "DAVIDE", false},       {"MARIANI", "MARTINA", true},
    {"RINALDI", "GIOVANNI", false},  {"CARUSO", "ROBERTA", true},        {"FERRARA", "PAOLO", false},
    {"GALLI", "CRISTINA", true},     {"MARTINI", "SIMONE", false},       {"LEONE", "MONICA", true},
    {"LONGO", "LORENZO", false},     {"GENTILE", "ILARIA", true},        {"MARTINELLI", "FABIO", false},
    {"VITALE", "BARBARA", true},     {"LOMBARDO", "RICCARDO", false},    {"SERRA", "ELISA", true},
    {"COPPOLA", "NICOLA", false},    {"DE SANTIS", "ALESSIA", true},     {"D'ANGELO", "MASSIMO", false},
    {"MARCHETTI", "GIORGIA", true},  {"PARISI", "CARLO", false},         {"VILLA", "CATERINA", true},
}};

constexpr std::array<Town, 20> kBirthplaces{{
    {"ROMA", "RM", "H501"},    {"MILANO", "MI", "F205"},  {"NAPOLI", "NA", "F839"},  {"TORINO", "TO", "L219"},
    {"FIRENZE", "FI", "D612"}, {"BOLOGNA", "BO", "A944"}, {"VENEZIA", "VE", "L736"}, {"GENOVA", "GE", "D969"},
    {"PALERMO", "PA", "G273"}, {"BARI", "BA", "A662"},    {"CATANIA", "CT", "C351"}, {"VERONA", "VR", "L781"},
    {"PADOVA", "PD", "G224"},  {"TRIESTE", "TS", "L424"}, {"BRESCIA", "BS", "B157"}, {"PARMA", "PR", "G337"},
    {"MODENA", "MO", "F257"},  {"PERUGIA", "PG", "G478"}, {"CAGLIARI", "CA", "B354"}, {"ANCONA", "AN", "A271"},
}};

// Towns of residence, some longer than the town field's first part.
constexpr std::array<Town, 12> kResidences{{
    {"SAN GIOVANNI IN PERSICETO", "BO", ""}, {"MILANO", "MI", ""},      {"CASTELNUOVO BERARDENGA", "SI", ""},
    {"ROMA", "RM", ""},                      {"REGGIO NELL'EMILIA", "RE", ""}, {"TORINO", "TO", ""},
    {"SESTO SAN GIOVANNI", "MI", ""},        {"NAPOLI", "NA", ""},      {"CIVITAVECCHIA", "RM", ""},
    {"BERGAMO", "BG", ""},                   {"MONTEPULCIANO", "SI", ""}, {"PESCARA", "PE", ""},
}};

constexpr std::array<const char*, 10> kStreets{{
    "VIA ROMA", "CORSO VITTORIO EMANUELE II", "VIA GIUSEPPE GARIBALDI", "PIAZZA DELLA REPUBBLICA",
    "VIALE DEI MILLE", "VIA DELLE BELLE ARTI", "VIA ALESSANDRO MANZONI", "LARGO AUGUSTO",
    "VIA SAN FRANCESCO D'ASSISI", "STRADA PROVINCIALE PER CASALECCHIO",
}};

PayeeKind KindOf(int code) {
    if (code % 7 == 5) return PayeeKind::Agent;
    if (code % 9 == 4) return PayeeKind::FlatRate;
    return PayeeKind::Professional;
}

DemoPayee MakePayee(int code) {
    const Person& person = kPeople[static_cast<size_t>(code - 1)];
    const Town& birthplace = kBirthplaces[static_cast<size_t>(code * 3) % kBirthplaces.size()];
    const Town& home = kResidences[static_cast<size_t>(code * 5) % kResidences.size()];
    BirthData birth{1 + (code * 11) % 28, 1 + (code * 5) % 12, 1948 + (code * 13) % 50, person.female,
                    birthplace.code};
    char date[9];
    std::snprintf(date, sizeof date, "%02d%02d%04d", birth.day, birth.month, birth.year);
    char address[64];
    std::snprintf(address, sizeof address, "%s %d", kStreets[static_cast<size_t>(code) % kStreets.size()],
                  1 + (code * 17) % 140);
    const PayeeKind kind = KindOf(code);
    const bool agent = kind == PayeeKind::Agent;
    return DemoPayee{code,
                     code == kRemovedPayee ? "99" : "00",
                     kind,
                     person.surname,
                     person.name,
                     FiscalCode(person.surname, person.name, birth),
                     birthplace.name,
                     birthplace.province,
                     date,
                     address,
                     home.name,
                     home.province,
                     agent ? "R" : "A",
                     agent ? "PROVVIGIONI AGENTI" : "PRESTAZIONI PROFESSIONALI",
                     kind == PayeeKind::FlatRate ? "0" : agent ? "1150" : "2000",
                     code != kPayeeWithoutNotes};
}

}  // namespace

const std::vector<DemoPayee>& DemoPayees() {
    static const std::vector<DemoPayee> payees = [] {
        std::vector<DemoPayee> list;
        for (int code = 1; code <= static_cast<int>(kPeople.size()); ++code) list.push_back(MakePayee(code));
        return list;
    }();
    return payees;
}

std::string PayeeRecord(const DemoPayee& payee, std::size_t recordLength) {
    namespace d = kv::archive;
    std::string record = RecordOf(recordLength, {
        {d::M099, payee.status},
        {d::M001, std::to_string(payee.code)},
        {d::M002, payee.surname},
        {d::M003, payee.name},
        {d::M004, payee.fiscalCode},
        {d::M006, payee.birthplace},
        {d::M007, payee.birthProvince},
        {d::M005, payee.birthDate},
        {d::M011, payee.province},
        {d::M017, payee.reasonCode},
        {d::M028, payee.reason},
        {d::M018, payee.withholdingRate}});
    PutSplit(record, d::M010, 23, d::M027, payee.address);
    PutSplit(record, d::M009, 20, d::M026, payee.town);
    return record;
}

}  // namespace kv::demo
