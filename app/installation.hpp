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
// installation code and the holder; otherwise returns without effect but for the reason, kept in
// StartUpState::registryProblem for the legacy form's details. A missing launch file, or a blank
// installation code, is a configuration error raised before any archive file is opened.
void CARICAINST_Registro(Program& program);

// Legacy form: the folders from the first lines of the two path files; a missing file or an
// empty line shows the configuration error and ends the program. Its details say why the registry
// gave no folders too.
void CARICAINST_Legacy(Program& program);

// The single-instance test: when another instance runs, a box says so (before any file is opened)
// and the program ends with status 3.
void TestSingleInstance(Program& program);

// The configuration error box, its details (the file or variable and the reason, Windows-1252) below
// it, then the end of the program.
[[noreturn]] void ConfigurationError(Program& program, const std::string& details);

// What the single-instance test says when another KVVELM is open.
inline constexpr const char* kOtherInstanceText = "Un altro KVVELM \xE8 gi\xE0 aperto su questo computer.";

}  // namespace kv::app
