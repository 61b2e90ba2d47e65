#include "app/installation.hpp"

#include "app/text.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "platform/paths.hpp"
#include "platform/registry.hpp"

namespace kv::app {

namespace {

// The first line of a text file through the file port (empty text for an empty file). Read
// errors are run-time errors for the error reporter.
std::string FirstLine(Program& program, const std::string& path) {
    auto file = program.services.files.Open(path, platform::OpenMode::Read);
    return file.AtEnd() ? std::string() : file.ReadLine();
}

// The installation code: the first two characters of the launch file's first line, trimmed.
void ReadInstallationCode(Program& program) {
    if (!program.services.files.Exists(kLaunchFile)) return;
    program.archive.installationCode = Trim(FirstLine(program, kLaunchFile).substr(0, 2));
}

// Holder name: positions 1-30 of record 1 of logical file 395, upper case, trimmed.
void ReadHolder(Program& program) {
    archive::ArchiveState& archive = program.archive;
    archive::FAIOPEN(archive, kHolderFile);
    archive.FINE = archive::LEGGIREC(archive, kHolderFile, 1);
    const std::string& record = archive::Entry(archive, kHolderFile).buffer;
    program.start.holderName = Trim(UpperCase(record.substr(0, 30)));
    archive::CHIUDI(archive, kHolderFile);
}

void TakeFolders(Program& program, const std::string& archiveFolder,
                 const std::string& programFolder) {
    program.archive.archiveFolder = platform::TrimTrailingSeparators(archiveFolder);
    program.start.programFolder = platform::TrimTrailingSeparators(programFolder);
}

// The trimmed first line of a legacy path file; the configuration error when missing or empty.
std::string LegacyFolder(Program& program, const char* pathFile) {
    std::string folder = Trim(FirstLine(program, pathFile));
    if (folder.empty()) ConfigurationError(program);
    return folder;
}

}  // namespace

std::string LEGGIREGISTRO(const Program& program, const std::string& hive, const std::string& key,
                          const std::string& valueName) {
    return platform::ReadUserRegistryString(program.environment.registryFile, hive + "\\" + key, valueName)
        .value_or("");
}

void TestSingleInstance(Program& program) {
    if (!program.instanceLock) program.instanceLock.emplace(program.environment.lockFile);
    if (program.instanceLock->OtherInstanceRunning()) {
        throw platform::ProgramEnd(platform::exit_status::kOtherInstance,
                                   "another instance is running");
    }
}

void CARICAINST_Registro(Program& program) {
    program.services.trail.TRACCIA("CARICAINST");
    TestSingleInstance(program);
    std::string archives = LEGGIREGISTRO(program, kCurrentUser, kSuiteKey, "PERCORSOARCHIVI");
    std::string programs = LEGGIREGISTRO(program, kCurrentUser, kSuiteKey, "PERCORSOPROGRAMMI");
    const platform::Files& files = program.services.files;
    if (archives.empty() || programs.empty() || !files.FolderExists(archives) ||
        !files.FolderExists(programs)) {
        return;
    }
    TakeFolders(program, archives, programs);
    ReadInstallationCode(program);
    ReadHolder(program);
}

void CARICAINST_Legacy(Program& program) {
    program.services.trail.TRACCIA("CARICAINST");
    TestSingleInstance(program);
    const platform::Files& files = program.services.files;
    if (!files.Exists(kLegacyArchivePathFile) || !files.Exists(kLegacyProgramPathFile)) {
        ConfigurationError(program);
    }
    std::string archives = LegacyFolder(program, kLegacyArchivePathFile);
    std::string programs = LegacyFolder(program, kLegacyProgramPathFile);
    TakeFolders(program, archives, programs);
    ReadInstallationCode(program);
    ReadHolder(program);
}

void ConfigurationError(Program& program) {
    platform::MessageBox box;
    box.title = "Lumeo";
    box.text = "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX";
    box.icon = platform::Icon::Stop;
    platform::ShowMessage(program.services, box);
    throw platform::ProgramEnd(platform::exit_status::kFatal, "configuration error");
}

}  // namespace kv::app
