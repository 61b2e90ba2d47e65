#include "app/installation.hpp"

#include <filesystem>
#include <fstream>

#include "app/text.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "platform/paths.hpp"
#include "platform/registry.hpp"
#include "platform/text_encoding.hpp"

namespace kv::app {

namespace {

// The first line of a text file through the file port (empty text for an empty file). Read
// errors are run-time errors for the error reporter.
std::string FirstLine(Program& program, const std::string& path) {
    auto file = program.services.files.Open(path, platform::OpenMode::Read);
    return file.AtEnd() ? std::string() : file.ReadLine();
}

// A path text with the host file it stands for, when they differ: what the details show.
std::string Where(const Program& program, const std::string& path) {
    const std::string host = platform::Utf8ToCp1252(program.services.files.Resolve(path).string());
    return host == path ? path : path + " (" + host + ")";
}

// The installation code: the first two characters of the launch file's first line, trimmed. Without
// it archive names keep their "$$" placeholders, so nothing may be opened.
void ReadInstallationCode(Program& program) {
    if (!program.services.files.Exists(kLaunchFile))
        ConfigurationError(program, "File di avvio mancante: " + Where(program, kLaunchFile));
    program.archive.installationCode = Trim(FirstLine(program, kLaunchFile).substr(0, 2));
    if (program.archive.installationCode.empty())
        ConfigurationError(program, "Codice di installazione vuoto nella prima riga di " + Where(program, kLaunchFile));
}

// Why the registry stand-in gives no usable folders; empty when it gives both.
std::string RegistryProblem(const Program& program, const std::string& archives, const std::string& programs) {
    const std::filesystem::path& file = program.environment.registryFile;
    const std::string name = "registro " + platform::Utf8ToCp1252(file.string()) + " (KVVELM_REGISTRY)";
    std::error_code failure;
    if (!std::filesystem::is_regular_file(file, failure)) return name + ": file mancante";
    if (!std::ifstream(file, std::ios::binary)) return name + ": file non leggibile";
    if (!platform::Registry::FromFile(file).HasKey(std::string(kCurrentUser) + "\\" + kSuiteKey))
        return name + ": chiave " + kCurrentUser + "\\" + kSuiteKey + " assente o illeggibile";
    const platform::Files& files = program.services.files;
    for (const auto& [value, folder] : {std::pair{"PERCORSOARCHIVI", archives}, std::pair{"PERCORSOPROGRAMMI", programs}}) {
        if (folder.empty()) return name + ": valore " + value + " assente o vuoto";
        if (!files.FolderExists(folder))
            return name + ": " + value + " = " + folder + ": cartella inesistente (" +
                   platform::Utf8ToCp1252(files.Resolve(folder).string()) + ")";
    }
    return "";
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
    if (folder.empty()) ConfigurationError(program, "Prima riga vuota in " + Where(program, pathFile));
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
        platform::ShowMessage(program.services, platform::OkBox("KVVELM", kOtherInstanceText, platform::Icon::Stop));
        throw platform::ProgramEnd(platform::exit_status::kOtherInstance, kOtherInstanceText);
    }
}

void CARICAINST_Registro(Program& program) {
    program.services.trail.TRACCIA("CARICAINST");
    TestSingleInstance(program);
    std::string archives = LEGGIREGISTRO(program, kCurrentUser, kSuiteKey, "PERCORSOARCHIVI");
    std::string programs = LEGGIREGISTRO(program, kCurrentUser, kSuiteKey, "PERCORSOPROGRAMMI");
    program.start.registryProblem = RegistryProblem(program, archives, programs);
    if (!program.start.registryProblem.empty()) return;
    TakeFolders(program, archives, programs);
    ReadInstallationCode(program);
    ReadHolder(program);
}

void CARICAINST_Legacy(Program& program) {
    program.services.trail.TRACCIA("CARICAINST");
    TestSingleInstance(program);
    const platform::Files& files = program.services.files;
    for (const char* pathFile : {kLegacyArchivePathFile, kLegacyProgramPathFile}) {
        if (!files.Exists(pathFile)) ConfigurationError(program, "File mancante: " + Where(program, pathFile));
    }
    std::string archives = LegacyFolder(program, kLegacyArchivePathFile);
    std::string programs = LegacyFolder(program, kLegacyProgramPathFile);
    TakeFolders(program, archives, programs);
    ReadInstallationCode(program);
    ReadHolder(program);
}

void ConfigurationError(Program& program, const std::string& details) {
    platform::MessageBox box = platform::OkBox(
        "Lumeo", "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Lumeo CON IL PROGRAMMA TRAMEX",
        platform::Icon::Stop);
    box.details = details;
    if (!program.start.registryProblem.empty()) box.details += "\r" + program.start.registryProblem;
    platform::ShowMessage(program.services, box);
    throw platform::ProgramEnd(platform::exit_status::kFatal, "configuration error");
}

}  // namespace kv::app
