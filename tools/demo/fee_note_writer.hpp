#pragma once
// Writes the payee archive (63) and the fee-note archives of the current year (65, index 66)
// and the previous year (67, index 68) of the demo installation, through SCRIVIREC and ISAM
// insert. The current year is the year of the demo's period record.

#include "tools/demo/demo_fee_notes.hpp"
#include "tools/demo/demo_writer.hpp"

namespace kv::demo {

inline constexpr int kPayeeFile = 63;
inline constexpr int kCurrentNotes = 65, kCurrentIndex = 66;
inline constexpr int kPreviousNotes = 67, kPreviousIndex = 68;

// The year of the demo's current period.
int DemoCurrentYear();

// Payees, then both years' notes with their indexes.
void WriteFeeNotePart(DemoWriter& writer, const FeeNoteOptions& options = {});

void WritePayees(DemoWriter& writer);
// Writes the notes as records 1, 2 ... of the data file and indexes each by its key.
void WriteFeeNotes(DemoWriter& writer, int dataFile, int indexFile, const std::vector<DemoFeeNote>& notes);

}  // namespace kv::demo
