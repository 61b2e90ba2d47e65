#pragma once
// The report table the collection fills and the printing operations read: rows from 1, columns 1 to
// 20 of texts (row and column 0 exist but are not used). The first row whose column 1 is blank ends
// the table. It starts with 1000 rows and grows when a company has more notes, so none is lost.

#include <array>
#include <string>
#include <vector>

namespace kv::reports {

inline constexpr int kTableRows = 1000;
inline constexpr int kTableColumns = 20;
// Every report's table keeps the payee code in column 1, a payee's rows together.
inline constexpr int kPayeeCodeColumn = 1;

class ReportTable {
public:
    ReportTable() : rows_(kTableRows + 1) {}

    // Back to 1000 empty rows.
    void Clear();

    // A cell; a row past the table adds rows up to it. A negative row or a column outside 0 to 20 is
    // a RuntimeError 9 (subscript out of range).
    std::string& Cell(int row, int column);
    // Read-only: a row past the table reads as empty.
    const std::string& Cell(int row, int column) const;

    // True when the row is past the table or its trimmed column 1 is blank.
    bool EndsAt(int row) const;

    // True when the row begins another payee than the row before it; the number of payees in the table.
    bool BeginsPayee(int row) const;
    int Payees() const;

private:
    using Row = std::array<std::string, kTableColumns + 1>;
    std::vector<Row> rows_;
};

}  // namespace kv::reports
