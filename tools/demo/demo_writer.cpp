#include "tools/demo/demo_writer.hpp"

#include <fstream>
#include <iostream>
#include <stdexcept>

#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/records.hpp"
#include "platform/text_encoding.hpp"
#include "tools/demo/base_layout.hpp"
#include "tools/demo/demo_companies.hpp"
#include "tools/demo/record_fields.hpp"

namespace kv::demo {

namespace fs = std::filesystem;

namespace {

constexpr int kPrinterSettingsFile = 280;  // a text file, the rest are record archives

void WriteBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

// A registry string with the .reg escapes.
std::string RegString(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\' || c == '"') escaped += '\\';
        escaped += c;
    }
    return "\"" + escaped + "\"";
}

}  // namespace

DemoPaths::DemoPaths(const fs::path& rootFolder)
    : root(fs::absolute(rootFolder).lexically_normal()),
      registryFile(root / "registry.reg"),
      drivesRoot(root / "drives"),
      archiveFolder(root / "archivi"),
      programFolder(root / "programmi") {}

DemoWriter::DemoWriter(const fs::path& root)
    : paths_(root),
      dialogs_(std::cerr),
      services_(platform::Files(platform::DriveMap(paths_.drivesRoot))),
      archive_(services_) {
    services_.dialogs = &dialogs_;
    archive_.archiveFolder = platform::Utf8ToCp1252(paths_.archiveFolder.string());
    archive_.installationCode = kDemoInstallationCode;
}

DemoWriter::~DemoWriter() {
    try {
        archive::CHIUDI(archive_, 0);
    } catch (...) {
        // Closing at the end cannot report anywhere useful.
    }
}

void DemoWriter::WriteStartUpPart() {
    WriteFolders();
    WriteRegistry();
    WriteDriveFiles();
    WriteBaseFile();
    WriteEmptyArchives();
    WriteCompanies();
    WritePeriod();
    WriteHolder();
    WritePrinterSettings();
}

void DemoWriter::WriteFolders() {
    fs::create_directories(paths_.archiveFolder);
    fs::create_directories(paths_.programFolder);
    fs::create_directories(paths_.drivesRoot / "c");
}

void DemoWriter::WriteRegistry() {
    WriteBytes(paths_.registryFile,
               "Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO]\r\n"
               "\"PERCORSOARCHIVI\"=" + RegString(paths_.archiveFolder.string()) + "\r\n"
               "\"PERCORSOPROGRAMMI\"=" + RegString(paths_.programFolder.string()) + "\r\n");
}

void DemoWriter::WriteDriveFiles() {
    fs::path c = paths_.drivesRoot / "c";
    WriteBytes(c / "CORVIN" / "CORVIN.INI",
               std::string(kDemoInstallationCode) + "\r\n[LUMEO]\r\nPROGRAMMA=KVVELM\r\n");
    WriteBytes(c / "PQTPAGHE" / "QTPERARK.QTP", paths_.archiveFolder.string() + "\r\n");
    WriteBytes(c / "PQTPAGHE" / "QTPERPRO.QTP", paths_.programFolder.string() + "\r\n");
}

void DemoWriter::WriteBaseFile() {
    WriteBytes(paths_.archiveFolder / "QTBASE.DAT", BaseFileBytes(DemoBaseRows()));
}

void DemoWriter::WriteEmptyArchives() {
    for (const BaseRow& row : DemoBaseRows()) {
        if (row.logicalFile != kPrinterSettingsFile) WriteRecords(row.logicalFile, {});
    }
}

void DemoWriter::WriteRecords(int file, const std::vector<std::string>& records) {
    archive::RICREA(archive_, file);
    for (std::size_t i = 0; i < records.size(); ++i) {
        archive::SCRIVIREC(archive_, file, static_cast<double>(i + 1), records[i]);
    }
    archive::CHIUDI(archive_, file);
}

void DemoWriter::WriteCompanies() { WriteCompanies(DemoCompanies()); }

void DemoWriter::WriteCompanies(const std::vector<DemoCompany>& companies) {
    const auto length = static_cast<std::size_t>(DemoRecordLength(1));
    std::vector<std::string> records;
    for (const DemoCompany& company : companies) {
        const auto number = static_cast<std::size_t>(company.code);
        if (records.size() < number) records.resize(number, BlankRecord(length));
        records[number - 1] = CompanyRecord(company, length);
    }
    WriteRecords(1, records);
}

void DemoWriter::WritePeriod() {
    std::string record = BlankRecord(static_cast<std::size_t>(DemoRecordLength(6)));
    record.replace(0, 8, kDemoPeriodRecord);
    WriteRecords(6, {record});
}

void DemoWriter::WriteHolder() {
    std::string record = BlankRecord(static_cast<std::size_t>(DemoRecordLength(395)));
    std::string holder = kDemoHolder;
    record.replace(0, holder.size(), holder);
    WriteRecords(395, {record});
}

void DemoWriter::WritePrinterSettings() {
    archive::FAIOPENIO(archive_, kPrinterSettingsFile, 1);
    archive::WriteTextLine(archive_, kPrinterSettingsFile, "STAMPANTE STANDARD");
    archive::WriteTextLine(archive_, kPrinterSettingsFile, kDemoPrinter);
    archive::CHIUDI(archive_, kPrinterSettingsFile);
}

}  // namespace kv::demo
