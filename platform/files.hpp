#pragma once
// The file port: path texts of either style in, host files out. Drive letters go through the drive
// map, "\" becomes "/", and a name whose exact spelling does not exist is matched without regard to
// letter case (archives copied from Windows differ in case). Failures are RuntimeErrors.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/drives.hpp"
#include "platform/shared_file.hpp"

namespace kv::platform {

// A host path as the C library's narrow file functions take it (Folivo opens its files with them):
// UTF-8 on Linux, the ANSI code page on Windows.
std::string NarrowHostPath(const std::filesystem::path& host);
// The host path of such a narrow path.
std::filesystem::path HostPathOfNarrow(const std::string& narrow);

class Files {
public:
    explicit Files(DriveMap drives) : drives_(std::move(drives)) {}

    const DriveMap& drives() const { return drives_; }

    // The host path of a path text, each missing part matched case-insensitively when possible.
    std::filesystem::path Resolve(std::string_view path) const;

    SharedFile Open(std::string_view path, OpenMode mode) const;

    // A regular file is there.
    bool Exists(std::string_view path) const;
    bool FolderExists(std::string_view path) const;
    // Length in bytes; RuntimeError 53 when the file is missing.
    uint64_t Length(std::string_view path) const;
    // RuntimeError 53 when the file is missing.
    void Delete(std::string_view path) const;
    // Creates one folder level; RuntimeError 75 when it exists, 76 when its parent is missing.
    void CreateFolder(std::string_view path) const;

private:
    DriveMap drives_;
};

}  // namespace kv::platform
