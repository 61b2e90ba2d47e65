#include "reports/report_table.hpp"

#include "platform/errors.hpp"
#include "reports/report_text.hpp"

namespace kv::reports {

namespace {

size_t IndexOf(int row, int column) {
    if (row < 0 || row > kTableRows || column < 0 || column > kTableColumns) {
        throw platform::RuntimeError(platform::err::kSubscriptOutOfRange);
    }
    return static_cast<size_t>(row) * (kTableColumns + 1) + static_cast<size_t>(column);
}

}  // namespace

void ReportTable::Clear() {
    for (int row = 1; row <= kTableRows; ++row) {
        for (int column = 1; column <= kTableColumns; ++column) cells_[IndexOf(row, column)].clear();
    }
}

std::string& ReportTable::Cell(int row, int column) { return cells_[IndexOf(row, column)]; }

const std::string& ReportTable::Cell(int row, int column) const { return cells_[IndexOf(row, column)]; }

bool ReportTable::EndsAt(int row) const { return row > kTableRows || Trim(Cell(row, 1)).empty(); }

}  // namespace kv::reports
