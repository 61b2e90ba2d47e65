#pragma once
// The report table the collection fills and the printing operations read: rows from 1, columns 1 to
// 20 of texts (row and column 0 exist but are not used). The first row whose column 1 is blank ends
// the table. It starts with 1000 rows and grows when a company has more notes, so none is lost.
// A row keeps its cells in one text, so that a company's notes take one allocation each.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
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

    // Sets a cell; a row past the table adds rows up to it. A negative row or a column outside 0 to
    // 20 is a RuntimeError 9 (subscript out of range), and so is a row of more than 65,535 characters.
    void Set(int row, int column, std::string_view text);
    // A cell, valid until its row is set again; a row past the table reads as empty.
    std::string_view Cell(int row, int column) const;

    // True when the row is past the table or its trimmed column 1 is blank.
    bool EndsAt(int row) const;

    // True when the row begins another payee than the row before it; the number of payees in the table.
    bool BeginsPayee(int row) const;
    int Payees() const;

private:
    struct Row {
        std::string text;                                 // the cells one after the other
        std::array<uint16_t, kTableColumns + 1> end{};  // where each cell ends in `text`
    };
    std::vector<Row> rows_;
};

}  // namespace kv::reports
