#include "reports/report_table.hpp"

#include "platform/errors.hpp"

namespace kv::reports {

namespace {

void CheckIndex(int row, int column) {
    if (row < 0 || column < 0 || column > kTableColumns) {
        throw platform::RuntimeError(platform::err::kSubscriptOutOfRange);
    }
}

}  // namespace

void ReportTable::Clear() { rows_.assign(kTableRows + 1, Row{}); }

void ReportTable::Set(int row, int column, std::string_view text) {
    CheckIndex(row, column);
    if (static_cast<size_t>(row) >= rows_.size()) rows_.resize(static_cast<size_t>(row) + 1);
    Row& r = rows_[static_cast<size_t>(row)];
    const auto c = static_cast<size_t>(column);
    const size_t start = c == 0 ? 0 : r.end[c - 1];
    const size_t length = r.end[c] - start;
    const size_t size = r.text.size() - length + text.size();
    if (size > UINT16_MAX) throw platform::RuntimeError(platform::err::kSubscriptOutOfRange);
    r.text.replace(start, length, text);
    for (size_t later = c; later < r.end.size(); ++later) {
        r.end[later] = static_cast<uint16_t>(r.end[later] - length + text.size());
    }
}

std::string_view ReportTable::Cell(int row, int column) const {
    CheckIndex(row, column);
    if (static_cast<size_t>(row) >= rows_.size()) return {};
    const Row& r = rows_[static_cast<size_t>(row)];
    const auto c = static_cast<size_t>(column);
    const size_t start = c == 0 ? 0 : r.end[c - 1];
    return std::string_view(r.text).substr(start, r.end[c] - start);
}

bool ReportTable::EndsAt(int row) const {
    return Cell(row, kPayeeCodeColumn).find_first_not_of(' ') == std::string_view::npos;
}

bool ReportTable::BeginsPayee(int row) const {
    return !EndsAt(row) && (row <= 1 || Cell(row, kPayeeCodeColumn) != Cell(row - 1, kPayeeCodeColumn));
}

int ReportTable::Payees() const {
    int payees = 0;
    for (int row = 1; !EndsAt(row); ++row) {
        if (BeginsPayee(row)) ++payees;
    }
    return payees;
}

}  // namespace kv::reports
