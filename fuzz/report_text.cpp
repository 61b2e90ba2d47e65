// The archive's text fields of company, payee and note records through the reports' formatting:
// amounts, dates, column padding and the numeric test. Each line of the input is one field; the
// target also checks the properties the reports rely on.

#include <cstdlib>
#include <string_view>

#include "output/numeric_text.hpp"
#include "reports/money.hpp"
#include "reports/report_text.hpp"

namespace {

void Require(bool holds) {
    if (!holds) std::abort();
}

void FormatField(std::string_view field) {
    using namespace kv::reports;
    for (char mark : {'.', ','}) {
        const Cents cents = CentsOfText(field, mark);
        const std::string text = FormatAmount(cents, mark);
        Require(CentsOfText(text, mark) == cents);  // a written amount reads back to the cent
        Require(AmountColumn(cents, mark).size() == 10);
        kv::output::IsNumericText(field, mark);
    }
    kv::output::LeadingValue(field);
    DayMonthYear(field);
    MonthYear(field);
    Require(LeftIn10(field).size() == 10 && RightIn10(field).size() == 10);
    Require(PadOrCut(field, field.size() / 2).size() == field.size() / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    for (size_t end; !input.empty(); input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1)) {
        end = input.find('\n');
        FormatField(input.substr(0, end));
    }
    return 0;
}
