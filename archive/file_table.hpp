#pragma once
// File table rows by logical file number: lookup, free handles, closing.

#include "archive/archive_state.hpp"

namespace kv::archive {

// The row of a logical file number; RuntimeError 9 outside 0 to 600.
FileEntry& Entry(ArchiveState& state, double NUMEROBASE);

// Closes the row's file if open and gives it a free handle.
void ASSEGNANUMERO(ArchiveState& state, double NUMEROBASE);

// Closes the row's file and clears its handle; 0 closes every file of the program.
void CHIUDI(ArchiveState& state, double NUMEROBASE);

}  // namespace kv::archive
