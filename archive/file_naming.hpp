#pragma once
// Logical file numbers to paths, through the base file QTBASE.DAT and the substitution values.

#include <string>

#include "archive/archive_state.hpp"

namespace kv::archive {

inline constexpr int kBaseRecordLength = 79;
// A record length is five digits in the base file: a longer or odd value is a damaged base file.
inline constexpr double kLargestRecordLength = 99999;
inline constexpr const char* kBaseFileName = "QTBASE.DAT";

// The path of a logical file. With prefix true on entry the archive folder is put in front, unless
// the template starts from a drive placeholder, which sets prefix to false. Consumes the
// substitution values it uses; a missing one shows its message and ends the program.
std::string DAMMIFILE(ArchiveState& state, double NUMEROBASE, bool& prefix);

// The same with the archive folder put in front.
std::string DAMMIFILE(ArchiveState& state, double NUMEROBASE);

// The substitution values that one path computation consumes, kept to compute it again.
struct SavedCodes {
    std::string DITTA, ANNO, REGIONE, PROVINCIA, UNITA;
};
SavedCodes SaveCodes(const ArchiveState& state);
void RestoreCodes(ArchiveState& state, const SavedCodes& codes);

}  // namespace kv::archive
