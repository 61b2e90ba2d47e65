#pragma once
// The demo installation's base file: one row per logical file the program uses, with its file-name
// template and record length. Every other row of QTBASE.DAT is blank.

#include <string>
#include <vector>

namespace kv::demo {

struct BaseRow {
    int logicalFile;
    std::string nameTemplate;  // at most 29 characters
    int recordLength;
};

// Companies 1, period 6, the certification archives 62 to 68, printer settings 280, holder 395.
const std::vector<BaseRow>& DemoBaseRows();

// The record length the demo gives a logical file (0 for a file it does not name).
int DemoRecordLength(int logicalFile);

// The bytes of QTBASE.DAT: 79-byte records, row N at byte (N - 1) * 79; positions 4-32 hold the
// template and 33-37 the record length.
std::string BaseFileBytes(const std::vector<BaseRow>& rows);

}  // namespace kv::demo
