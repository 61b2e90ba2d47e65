#pragma once
// Texts about the payee in PERX that several report tables share.

#include <optional>
#include <string>

#include "reports/report_form.hpp"

namespace kv::reports {

// Trimmed surname & " " & trimmed name (M002, M003).
std::string PayeeName(ReportForm& form);

// Trimmed birthplace & " (" & trimmed province & ")" (M006, M007).
std::string PayeeBirthplace(ReportForm& form);

// Birth date M005 as DD/MM/YYYY.
std::string PayeeBirthDate(ReportForm& form);

// Address in two parts joined without a space (M010, M027).
std::string PayeeAddress(ReportForm& form);

// Town in two parts joined without a space, then " (" & province & ")" (M009, M026, M011).
std::string PayeeTown(ReportForm& form);

// Address, " ", town with province: the "DOMICILIO" column.
std::string PayeeDomicile(ReportForm& form);

// The last 6 characters of the trimmed key N001 of the note in PARX: the document number.
std::string DocumentNumber(ReportForm& form);

// The payee columns of the documents and register tables. They are read once per payee and kept
// while its notes are walked, since PERX does not change meanwhile.
struct PayeeRowText {
    std::string code;        // M001
    std::string name;        // PayeeName
    std::string birth;       // PayeeBirthplace & " IL GIORNO " & PayeeBirthDate
    std::string domicile;    // PayeeDomicile
    std::string fiscalCode;  // M004
};

class PayeeRowCache {
public:
    // A new payee is in PERX.
    void Forget() { row_.reset(); }
    const PayeeRowText& Get(ReportForm& form);

private:
    std::optional<PayeeRowText> row_;
};

}  // namespace kv::reports
