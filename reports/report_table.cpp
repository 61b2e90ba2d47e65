#include "reports/report_table.hpp"

#include "platform/errors.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

void CheckIndex(int row, int column) {
    if (row < 0 || column < 0 || column > kTableColumns) {
        throw platform::RuntimeError(platform::err::kSubscriptOutOfRange);
    }
}

}  // namespace

void ReportTable::Clear() { rows_.assign(kTableRows + 1, Row{}); }

std::string& ReportTable::Cell(int row, int column) {
    CheckIndex(row, column);
    if (static_cast<size_t>(row) >= rows_.size()) rows_.resize(static_cast<size_t>(row) + 1);
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

const std::string& ReportTable::Cell(int row, int column) const {
    static const std::string kEmpty;
    CheckIndex(row, column);
    if (static_cast<size_t>(row) >= rows_.size()) return kEmpty;
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

bool ReportTable::EndsAt(int row) const { return Trim(Cell(row, kPayeeCodeColumn)).empty(); }

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
