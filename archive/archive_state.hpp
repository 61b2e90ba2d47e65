#pragma once
// The archive's program-wide state: the file table, the substitution values consumed by file naming,
// the archive folder and FINE. Program owns one; tests make a fresh one each.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/isam_path.hpp"
#include "archive/named_buffers.hpp"
#include "platform/services.hpp"
#include "platform/shared_file.hpp"

namespace kv::archive {

inline constexpr int kLastLogicalFile = 600;

// One row of the file table.
struct FileEntry {
    int16_t handle = 0;        // 0 = not open
    std::string buffer;        // the record buffer
    double recordLength = 0;   // from the base file
    double lastRecord = 0;     // record last read or written
    std::optional<platform::SharedFile> file;
    IsamCursor isam;           // what an index walk keeps between calls
};

struct ArchiveState {
    explicit ArchiveState(platform::Services& s) : services(s), files(kLastLogicalFile + 1) {}

    platform::Services& services;
    std::vector<FileEntry> files;  // logical files 0 to 600; 0 is not a file

    // Substitution values, each cleared once a file name has used it.
    std::string DITTA;      // company code, "###"
    std::string ANNO;       // year, "**"
    std::string REGIONE;    // region code, "@@"
    std::string PROVINCIA;  // province code, "%%"
    std::string UNITA;      // drive letter or folder for "!:\"
    std::string installationCode;  // "$$", never cleared

    std::string archiveFolder;     // without a trailing separator
    double lastRecordLength = 0;   // found by the last DAMMIFILE
    double FINE = 0;               // result of the last record read (1 = end of file)
    NamedBuffers buffers;          // DITX, PERX, PARX ... read by RepoR
    std::string CHIAVETROVATA;     // key found by the last ISAM read-next (sentinel at the end)
};

}  // namespace kv::archive
