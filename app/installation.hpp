#pragma once
// CARICAINST: finds the suite's archive and program folders (registry first, the legacy path files
// second), reads the installation code from the launch file and the installation holder.

#include <string>

#include "app/program.hpp"

namespace kv::app {

inline constexpr const char* kCurrentUser = "HKEY_CURRENT_USER";
inline constexpr const char* kSuiteKey = "SOFTWARE\\ORVANTA\\LUMEO";
inline constexpr const char* kLegacyArchivePathFile = "C:\\PQTPAGHE\\QTPERARK.QTP";
inline constexpr const char* kLegacyProgramPathFile = "C:\\PQTPAGHE\\QTPERPRO.QTP";
inline constexpr const char* kLaunchFile = "C:\\CORVIN\\CORVIN.INI";
inline constexpr int kHolderFile = 395;

// A string value of the registry stand-in; empty text when the key or value is missing, is not
// a string, or the file cannot be read.
std::string LEGGIREGISTRO(const Program& program, const std::string& hive, const std::string& key,
                          const std::string& valueName);

// Registry form: takes both folders when both values name existing folders, then reads the
// installation code and the holder; otherwise returns without effect.
void CARICAINST_Registro(Program& program);

// Legacy form: the folders from the first lines of the two path files; a missing file or an
// empty line shows the configuration error and ends the program.
void CARICAINST_Legacy(Program& program);

// The single-instance test: the silent end (ProgramEnd with status 3) when another instance runs.
void TestSingleInstance(Program& program);

// The configuration error box, then the end of the program.
[[noreturn]] void ConfigurationError(Program& program);

}  // namespace kv::app
