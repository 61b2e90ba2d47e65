#pragma once
// Drive letters on Linux: one folder per letter, named by the lower-case letter, under a root folder
// ($KVVELM_DRIVES, default $XDG_DATA_HOME/kvvelm/drives). "C:\CORVIN\CORVIN.INI" is
// <root>/c/CORVIN/CORVIN.INI; a path without a drive letter is used in place.

#include <filesystem>
#include <string_view>

namespace kv::platform {

class DriveMap {
public:
    explicit DriveMap(std::filesystem::path root) : root_(std::move(root)) {}

    // The root named by KVVELM_DRIVES, else $XDG_DATA_HOME/kvvelm/drives, else ~/.local/share/kvvelm/drives.
    static DriveMap FromEnvironment();

    const std::filesystem::path& root() const { return root_; }

    // The host path of a path text in either style, separators turned into "/". A path rooted by a
    // backslash without a drive letter ("\PQTPAGHE\X") is on drive C, the drive Windows would use.
    std::filesystem::path HostPath(std::string_view path) const;

private:
    std::filesystem::path root_;
};

}  // namespace kv::platform
