#include "tools/demo/fiscal_code.hpp"

#include <array>
#include <cstdio>

namespace kv::demo {
namespace {

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// The letters of a name, consonants and vowels apart, other characters dropped.
void SplitLetters(std::string_view text, std::string& consonants, std::string& vowels) {
    for (char c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z') continue;
        (IsVowel(c) ? vowels : consonants).push_back(c);
    }
}

std::string ThreeLetters(std::string letters) {
    letters += "XXX";
    return letters.substr(0, 3);
}

std::string SurnamePart(std::string_view surname) {
    std::string consonants, vowels;
    SplitLetters(surname, consonants, vowels);
    return ThreeLetters(consonants + vowels);
}

// A name with four or more consonants gives its first, third and fourth.
std::string NamePart(std::string_view name) {
    std::string consonants, vowels;
    SplitLetters(name, consonants, vowels);
    if (consonants.size() >= 4) return {consonants[0], consonants[2], consonants[3]};
    return ThreeLetters(consonants + vowels);
}

}  // namespace

char FiscalCheckLetter(std::string_view first15) {
    // Values of characters in odd positions (1st, 3rd ...), for 0-9 and A-Z alike.
    static constexpr std::array<int, 26> kOdd = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                                 20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    for (size_t i = 0; i < first15.size(); ++i) {
        char c = first15[i];
        int index = c >= '0' && c <= '9' ? c - '0' : c - 'A';
        sum += i % 2 == 0 ? kOdd[static_cast<size_t>(index)] : index;
    }
    return static_cast<char>('A' + sum % 26);
}

std::string FiscalCode(std::string_view surname, std::string_view name, const BirthData& birth) {
    static constexpr char kMonths[] = "ABCDEHLMPRST";
    char dates[8];
    std::snprintf(dates, sizeof dates, "%02d%c%02d", birth.year % 100, kMonths[(birth.month - 1) % 12],
                  birth.day + (birth.female ? 40 : 0));
    std::string code = SurnamePart(surname) + NamePart(name) + dates + std::string(birth.townCode);
    return code + FiscalCheckLetter(code);
}

}  // namespace kv::demo
