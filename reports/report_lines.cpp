#include "reports/report_lines.hpp"

#include "output/print_text.hpp"

namespace kv::reports {

void Put(ReportForm& form, double column, std::string text) {
    form.cursor.line = std::move(text);
    output::STAMPATESTO(form.output, form.cursor.row, column, form.cursor.line);
}

void Line(ReportForm& form, double column, std::string text, double advance) {
    Put(form, column, std::move(text));
    form.cursor.row += advance;
}

}  // namespace kv::reports
