#pragma once
// The Italian fiscal code (codice fiscale) of a person, computed by the published rules:
// surname and name letters, birth year, month letter, day (plus 40 for women), the birthplace's
// cadastral code and the check letter.

#include <string>
#include <string_view>

namespace kv::demo {

struct BirthData {
    int day;
    int month;
    int year;
    bool female;
    std::string_view townCode;  // cadastral code of the birthplace, "H501" for Rome
};

std::string FiscalCode(std::string_view surname, std::string_view name, const BirthData& birth);

// The check letter of the first 15 characters of a fiscal code.
char FiscalCheckLetter(std::string_view first15);

}  // namespace kv::demo
