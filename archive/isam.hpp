#pragma once
// ISAM: the three-level index that maps a fixed-length key to a record of a data file.
// One entry point serves every operation through its code.

#include <cstdint>
#include <string_view>

namespace kv::archive {

struct ArchiveState;

namespace isam {
inline constexpr double kInsert = 1;
inline constexpr double kFind = 2;
inline constexpr double kDelete = 3;
inline constexpr double kReadNext = 4;
inline constexpr double kCreate = 9;
inline constexpr double kEnd = 999999;  // read-next result past the last key
inline constexpr double kAbsent = -1;
}  // namespace isam

// Runs one index operation on logical file `indexFile` (see the isam:: codes):
//   create (9) -> 0; insert (1) -> 0, or -1 when the key is present or recordNumber is 0;
//   find (2) -> the data record number or -1; delete (3) -> 0 or -1 when absent;
//   read-next (4) -> the record of the first key greater than `key`, or 999999 at the end;
//   state.CHIAVETROVATA gets that key (the sentinel at the end).
// A failed check shows its message and returns 0. A damaged index file raises
// platform::RuntimeError (321) naming the file and node.
double ISAM(ArchiveState& state, double indexFile, std::string_view key, double code,
            double recordNumber = 0);

}  // namespace kv::archive
