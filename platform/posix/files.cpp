#include "platform/files.hpp"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/posix/errno_error.hpp"

namespace kv::platform {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool Present(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The entry of folder whose name equals part without regard to case, or folder/part when none does.
fs::path MatchEntry(const fs::path& folder, const std::string& part) {
    fs::path exact = folder / part;
    if (Present(exact)) return exact;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    std::string wanted = Lower(part);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec))
        if (Lower(it->path().filename().string()) == wanted) return folder / it->path().filename();
    return exact;
}

struct stat StatOf(const fs::path& path, bool& found) {
    struct stat info {};
    found = ::stat(path.c_str(), &info) == 0;
    return info;
}

}  // namespace

std::string NarrowHostPath(const fs::path& host) { return host.string(); }

fs::path HostPathOfNarrow(const std::string& narrow) { return fs::path(narrow); }

fs::path Files::Resolve(std::string_view path) const {
    fs::path host = drives_.HostPath(path);
    if (Present(host)) return host;  // the usual case: one look-up instead of one a component
    fs::path resolved = host.root_path();
    for (const fs::path& part : host.relative_path()) {
        if (part.empty() || part == "." || part == "..") {
            resolved /= part;
            continue;
        }
        resolved = MatchEntry(resolved, part.string());
    }
    return resolved;
}

SharedFile Files::Open(std::string_view path, OpenMode mode) const {
    return SharedFile::Open(Resolve(path), mode);
}

bool Files::Exists(std::string_view path) const {
    bool found = false;
    struct stat info = StatOf(Resolve(path), found);
    return found && S_ISREG(info.st_mode);
}

bool Files::FolderExists(std::string_view path) const {
    bool found = false;
    struct stat info = StatOf(Resolve(path), found);
    return found && S_ISDIR(info.st_mode);
}

uint64_t Files::Length(std::string_view path) const {
    fs::path host = Resolve(path);
    bool found = false;
    struct stat info = StatOf(host, found);
    if (!found) throw posix::ErrorFromErrno(errno, host);
    if (!S_ISREG(info.st_mode)) throw RuntimeError(err::kFileNotFound);
    return static_cast<uint64_t>(info.st_size);
}

void Files::Delete(std::string_view path) const {
    fs::path host = Resolve(path);
    if (!Exists(path)) throw RuntimeError(err::kFileNotFound);
    if (::unlink(host.c_str()) != 0) throw posix::ErrorFromErrno(errno, host);
}

void Files::CreateFolder(std::string_view path) const {
    fs::path host = Resolve(path);
    if (::mkdir(host.c_str(), 0777) != 0) throw posix::ErrorFromErrno(errno == EEXIST ? EISDIR : errno, host);
}

}  // namespace kv::platform
