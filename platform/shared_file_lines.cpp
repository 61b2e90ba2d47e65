#include "platform/shared_file.hpp"

// What SharedFile does alike on every system: moving, and line access over positioned reads.

namespace kv::platform {

namespace {

constexpr size_t kLineChunk = 4096;
// The text files read by line hold a folder, a code or a printer name: a longer line is a damaged
// or foreign file, refused before it fills memory.
constexpr size_t kLongestLine = size_t{1} << 20;

}  // namespace

SharedFile::SharedFile(SharedFile&& other) noexcept
    : handle_(other.handle_), readOnly_(other.readOnly_), pending_(std::move(other.pending_)),
      streamPos_(other.streamPos_), streamEnd_(other.streamEnd_) {
    other.handle_ = -1;
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.handle_;
        readOnly_ = other.readOnly_;
        pending_ = std::move(other.pending_);
        streamPos_ = other.streamPos_;
        streamEnd_ = other.streamEnd_;
        other.handle_ = -1;
    }
    return *this;
}

SharedFile::~SharedFile() { Close(); }

bool SharedFile::FillLineBuffer() {
    if (streamEnd_) return false;
    char chunk[kLineChunk];
    size_t n = ReadAt(streamPos_, chunk, sizeof chunk);
    streamPos_ += n;
    if (n == 0) streamEnd_ = true;
    pending_.append(chunk, n);
    return n > 0;
}

bool SharedFile::AtEnd() {
    while (pending_.empty())
        if (!FillLineBuffer()) return true;
    return false;
}

std::string SharedFile::ReadLine() {
    if (AtEnd()) throw RuntimeError(err::kInputPastEnd);
    size_t cut = pending_.find_first_of("\r\n");
    // A CR at the end of what has been read may be the first half of CR LF. Each search starts
    // where the last one ended, so a long line costs its length once.
    while (cut == std::string::npos || (cut + 1 == pending_.size() && pending_[cut] == '\r')) {
        if (pending_.size() > kLongestLine) {
            throw RuntimeError(err::kInvalidFormat, ErrorDescription(err::kInvalidFormat) + ": a line longer than " +
                                                        std::to_string(kLongestLine) + " bytes");
        }
        const size_t searched = cut == std::string::npos ? pending_.size() : cut;
        if (!FillLineBuffer()) break;
        cut = pending_.find_first_of("\r\n", searched);
    }
    std::string line = pending_.substr(0, cut);
    size_t skip = cut == std::string::npos ? pending_.size() : cut + 1;
    if (cut != std::string::npos && pending_[cut] == '\r' && skip < pending_.size() && pending_[skip] == '\n') ++skip;
    pending_.erase(0, skip);
    return line;
}

void SharedFile::WriteLine(std::string_view line) {
    std::string bytes(line);
    bytes += "\r\n";
    WriteAt(streamPos_, bytes);
    streamPos_ += bytes.size();
}

}  // namespace kv::platform
