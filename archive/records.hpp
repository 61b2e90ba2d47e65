#pragma once
// Fixed-length records addressed by number (from 1) through the row's record buffer, and the lines
// of files opened as text.

#include <string>

#include "archive/archive_state.hpp"

namespace kv::archive {

// Reads record RECORD into the row's buffer; 1 when the read reached the end of the file, else 0.
double LEGGIREC(ArchiveState& state, double NUMEROBASE, double RECORD);

// Writes record RECORD: the given text when not empty (it must be the record length), else the
// row's buffer unchanged. Writing past the end extends the file.
void SCRIVIREC(ArchiveState& state, double NUMEROBASE, double RECORD, const std::string& text = {});

// The next line of a file opened with FAIOPENIO mode 0.
std::string ReadTextLine(ArchiveState& state, double NUMEROBASE);
// True when a file opened for reading lines has no line left.
bool TextAtEnd(ArchiveState& state, double NUMEROBASE);
// Writes a line (CR LF after it) to a file opened with FAIOPENIO mode 1.
void WriteTextLine(ArchiveState& state, double NUMEROBASE, const std::string& line);

}  // namespace kv::archive
