#pragma once
// Writes a demo installation of the suite under a root folder: the registry file, the drive
// folders with the launch file and the legacy path files, the archive and program folders, the
// base file and the archives the program reads. Records go through the archive library's own
// SCRIVIREC. One function per archive, so writers of further archives can build on the same
// object (its archive state has the base file and archive folder in place).

#include <filesystem>
#include <string>
#include <vector>

#include "archive/archive_state.hpp"
#include "platform/services.hpp"
#include "platform/terminal_dialogs.hpp"
#include "tools/demo/demo_companies.hpp"

namespace kv::demo {

struct DemoPaths {
    std::filesystem::path root;
    std::filesystem::path registryFile;   // root/registry.reg
    std::filesystem::path drivesRoot;     // root/drives
    std::filesystem::path archiveFolder;  // root/archivi
    std::filesystem::path programFolder;  // root/programmi

    explicit DemoPaths(const std::filesystem::path& rootFolder);
};

inline constexpr const char* kDemoInstallationCode = "01";
inline constexpr const char* kDemoPeriodRecord = "31122025";  // day, month, year
inline constexpr const char* kDemoHolder = "Studio Marini & Associati";
inline constexpr const char* kDemoPrinter = "KVVELM_Laser";

class DemoWriter {
public:
    explicit DemoWriter(const std::filesystem::path& root);
    DemoWriter(const DemoWriter&) = delete;
    DemoWriter& operator=(const DemoWriter&) = delete;
    ~DemoWriter();

    // Everything below, in order.
    void WriteStartUpPart();

    void WriteFolders();
    void WriteRegistry();
    void WriteDriveFiles();  // launch file C:\CORVIN\CORVIN.INI and the legacy path files
    void WriteBaseFile();
    // Every record archive of the base file, empty: an installation in use has them all, so a
    // report run creates none (the later steps fill those that hold records).
    void WriteEmptyArchives();
    void WriteCompanies();
    // The company archive holding these companies, each at the record number of its code.
    void WriteCompanies(const std::vector<DemoCompany>& companies);
    void WritePeriod();
    void WriteHolder();
    void WritePrinterSettings();

    const DemoPaths& paths() const { return paths_; }
    archive::ArchiveState& archive() { return archive_; }

    // Writes a whole archive file of logical number `file` record by record (record 1 first),
    // replacing what was there.
    void WriteRecords(int file, const std::vector<std::string>& records);

private:
    DemoPaths paths_;
    platform::TerminalDialogs dialogs_;  // an archive message goes to standard error
    platform::Services services_;
    archive::ArchiveState archive_;
};

}  // namespace kv::demo
