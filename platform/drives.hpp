#pragma once
// Drive letters on Linux: one folder per letter, named by the lower-case letter, under a root folder
// ($KVVELM_DRIVES, default $XDG_DATA_HOME/kvvelm/drives). "C:\CORVIN\CORVIN.INI" is
// <root>/c/CORVIN/CORVIN.INI; a path without a drive letter is used in place. On Windows drive
// letters and UNC paths are the system's own: the map does not apply.

#include <filesystem>
#include <string_view>

namespace kv::platform {

class DriveMap {
public:
    explicit DriveMap(std::filesystem::path root) : root_(std::move(root)) {}

    // The root named by KVVELM_DRIVES, else $XDG_DATA_HOME/kvvelm/drives, else ~/.local/share/kvvelm/drives.
    static DriveMap FromEnvironment();

    const std::filesystem::path& root() const { return root_; }

    // The host path of a path text (Windows-1252) in either style. Linux: separators turned into "/",
    // and a path rooted by a backslash without a drive letter ("\PQTPAGHE\X") is on drive C, the
    // drive Windows would use. Windows: the text itself, "/" turned into "\", in UTF-16.
    std::filesystem::path HostPath(std::string_view path) const;

private:
    std::filesystem::path root_;
};

}  // namespace kv::platform
