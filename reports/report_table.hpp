#pragma once
// The report table the collection fills and the printing operations read: rows 1 to 1000, columns 1
// to 20 of texts (row and column 0 exist but are not used). The first row whose column 1 is blank
// ends the table.

#include <string>
#include <vector>

namespace kv::reports {

inline constexpr int kTableRows = 1000;
inline constexpr int kTableColumns = 20;

class ReportTable {
public:
    ReportTable() : cells_((kTableRows + 1) * (kTableColumns + 1)) {}

    // Clears rows 1 to 1000, columns 1 to 20.
    void Clear();

    // A cell; a row or column outside the table is a RuntimeError 9 (subscript out of range).
    std::string& Cell(int row, int column);
    const std::string& Cell(int row, int column) const;

    // True when the row is past the table or its trimmed column 1 is blank.
    bool EndsAt(int row) const;

private:
    std::vector<std::string> cells_;
};

}  // namespace kv::reports
