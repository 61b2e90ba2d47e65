#include "tools/demo/fee_note_writer.hpp"

#include <stdexcept>

#include "archive/file_table.hpp"
#include "archive/isam.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/demo_payees.hpp"

namespace kv::demo {

int DemoCurrentYear() { return std::stoi(std::string(kDemoPeriodRecord).substr(4, 4)); }

void WriteFeeNotePart(DemoWriter& writer, const FeeNoteOptions& options) {
    WritePayees(writer);
    const int year = DemoCurrentYear();
    WriteFeeNotes(writer, kCurrentNotes, kCurrentIndex, DemoFeeNotes(year, options));
    WriteFeeNotes(writer, kPreviousNotes, kPreviousIndex, DemoFeeNotes(year - 1, options));
}

void WritePayees(DemoWriter& writer) {
    std::vector<std::string> records;
    for (const DemoPayee& payee : DemoPayees()) {
        records.push_back(PayeeRecord(payee, static_cast<std::size_t>(DemoRecordLength(kPayeeFile))));
    }
    writer.WriteRecords(kPayeeFile, records);
}

void WriteFeeNotes(DemoWriter& writer, int dataFile, int indexFile, const std::vector<DemoFeeNote>& notes) {
    const auto length = static_cast<std::size_t>(DemoRecordLength(dataFile));
    std::vector<std::string> records;
    records.reserve(notes.size());
    for (const DemoFeeNote& note : notes) records.push_back(FeeNoteRecord(note, length));
    writer.WriteRecords(dataFile, records);

    archive::ArchiveState& state = writer.archive();
    archive::ISAM(state, indexFile, "", archive::isam::kCreate);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string key = FeeNoteKey(notes[i]);
        if (archive::ISAM(state, indexFile, key, archive::isam::kInsert, static_cast<double>(i + 1)) != 0) {
            throw std::runtime_error("fee note " + key + " could not be indexed");
        }
    }
    archive::CHIUDI(state, indexFile);
}

}  // namespace kv::demo
