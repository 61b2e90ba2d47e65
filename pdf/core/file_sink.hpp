#pragma once
// The output file: takes bytes, counts every byte it has taken (cross-reference offsets come from
// the count) and can overwrite the header line in place before closing.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace folivo {

class FileSink {
public:
    // Creates (or truncates) the file for writing; throws folivo::Error with the platform's
    // number (70 permission denied, 75 path/file access error, 76 path not found).
    void Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    // Throws folivo::Error 52 when no file is open.
    void Write(std::string_view bytes);
    // Throws folivo::Error 52 when no file is open.
    void RequireOpen() const;
    // Bytes written so far, which is the 0-based position of the next byte.
    int64_t Position() const { return count_; }
    // Overwrites bytes at a position already written; the write position stays at the end.
    void OverwriteAt(int64_t position, std::string_view bytes);
    // Flushes and closes; returns the file's length. Closing a closed sink returns 0.
    int64_t Close();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<char[]> buffer_;  // the stream's buffer: declared first, so it outlives the stream
    std::unique_ptr<std::FILE, Closer> file_;
    int64_t count_ = 0;
};

}  // namespace folivo
