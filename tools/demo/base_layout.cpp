#include "tools/demo/base_layout.hpp"

#include <algorithm>

namespace kv::demo {

namespace {
constexpr std::size_t kBaseRecord = 79;
}

const std::vector<BaseRow>& DemoBaseRows() {
    // Indexes hold 128 entries of key + 7 characters: fee-note keys are 13 characters
    // (company, payee, document), payee keys 7 (company, payee).
    static const std::vector<BaseRow> rows = {
        {1, "DITTE$$.DAT", 3100},
        {6, "PERIODO.DAT", 100},
        {62, "CERTPA$$.DAT", 200},
        {63, "PERCIP$$.DAT", 400},
        {64, "PERCIP$$.IDX", 128 * (7 + 7)},
        {65, "PARCAC$$.DAT", 400},
        {66, "PARCAC$$.IDX", 128 * (13 + 7)},
        {67, "PARCAP$$.DAT", 400},
        {68, "PARCAP$$.IDX", 128 * (13 + 7)},
        {280, "STAMPSTD.TXT", 80},
        {395, "INTESTA.DAT", 100},
    };
    return rows;
}

int DemoRecordLength(int logicalFile) {
    for (const BaseRow& row : DemoBaseRows()) {
        if (row.logicalFile == logicalFile) return row.recordLength;
    }
    return 0;
}

std::string BaseFileBytes(const std::vector<BaseRow>& rows) {
    int last = 0;
    for (const BaseRow& row : rows) last = std::max(last, row.logicalFile);
    std::string bytes(static_cast<std::size_t>(last) * kBaseRecord, ' ');
    for (const BaseRow& row : rows) {
        std::string name = row.nameTemplate.substr(0, 29);
        std::string length = std::to_string(row.recordLength);
        std::string record = "   " + name + std::string(29 - name.size(), ' ') +
                             std::string(5 - std::min<std::size_t>(5, length.size()), '0') +
                             length.substr(0, 5);
        record.resize(kBaseRecord, ' ');
        bytes.replace(static_cast<std::size_t>(row.logicalFile - 1) * kBaseRecord, kBaseRecord,
                      record);
    }
    return bytes;
}

}  // namespace kv::demo
