#pragma once
// Opening, testing and deleting archive files named by logical file number.

#include <string>

#include "archive/archive_state.hpp"

namespace kv::archive {

// Opens the file for record access, shared with other programs, created empty when missing; a file
// that may only be read is opened for reading, so reports still run. Sets the row's record buffer to
// blanks of the record length and returns the record length (0 for a number not above 0).
double FAIOPEN(ArchiveState& state, double NUMEROBASE);

// Opens the file as text, shared: mode 0 for reading lines, mode 1 for writing lines (an existing
// file is deleted first).
void FAIOPENIO(ArchiveState& state, double NUMEROBASE, int mode);

// 1 when the file exists and is not empty, else 0.
double VERBASE(ArchiveState& state, double NUMEROBASE);

// Closes the file if open and deletes it when it exists and is not empty.
void ELIMINA(ArchiveState& state, double NUMEROBASE);

// ELIMINA then FAIOPEN with the same substitution values: the file is reopened empty.
void RICREA(ArchiveState& state, double NUMEROBASE);

// True when the file can be opened for shared reading; never fails.
bool ESISTEFILE(ArchiveState& state, const std::string& path);

}  // namespace kv::archive
