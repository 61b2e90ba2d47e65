#pragma once
// An open binary file that other processes may read and write at the same time (no locks are taken;
// on Windows it is shared for reading and writing, as the suite's own programs share it).
// Record access is positioned and unbuffered; line access reads and writes CR LF lines.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/errors.hpp"

namespace kv::platform {

enum class OpenMode {
    ReadWrite,          // created when missing
    ReadWriteOrRead,    // as ReadWrite, but a file that may only be read is opened for reading
    Read,
    WriteNew,           // created, or emptied when it exists
};

class SharedFile {
public:
    // Throws RuntimeError (53 file not found, 70 permission denied, 75 path/file access ...).
    static SharedFile Open(const std::filesystem::path& path, OpenMode mode);

    SharedFile(SharedFile&& other) noexcept;
    SharedFile& operator=(SharedFile&& other) noexcept;
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;
    ~SharedFile();

    bool readOnly() const { return readOnly_; }

    // Reads up to size bytes at a 0-based offset; returns how many were read (fewer at the end).
    size_t ReadAt(uint64_t offset, char* data, size_t size) const;
    // Writes at a 0-based offset; writing past the end extends the file.
    void WriteAt(uint64_t offset, std::string_view data) const;
    uint64_t Length() const;

    // Next line without its CR LF, CR or LF; RuntimeError 62 past the last line.
    std::string ReadLine();
    // True when no line is left to read.
    bool AtEnd();
    // Writes the text and CR LF at the end of what this handle has written.
    void WriteLine(std::string_view line);

private:
    // The system's handle: a file descriptor on Linux, a HANDLE on Windows; -1 for none.
    SharedFile(std::intptr_t handle, bool readOnly) : handle_(handle), readOnly_(readOnly) {}
    bool FillLineBuffer();
    void Close() noexcept;

    std::intptr_t handle_ = -1;
    bool readOnly_ = false;
    std::string pending_;      // bytes read ahead for ReadLine
    uint64_t streamPos_ = 0;   // where the next line read or write happens
    bool streamEnd_ = false;
};

}  // namespace kv::platform
