#pragma once
// Growing text for content streams: appending a line is amortised constant time because the
// capacity grows by at least the current size whenever it is exceeded.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace folivo {

class TextBuffer {
public:
    void Append(std::string_view text);
    void AppendByte(uint8_t byte);
    // The text, with room made for `extra` more bytes, for a caller that formats into it in place.
    std::string& Extend(size_t extra);
    // Empties the buffer; position back to the start, capacity to 0.
    void Reset();
    // Everything written so far.
    std::string_view Text() const { return text_; }

private:
    void MakeRoom(size_t end);

    std::string text_;
    size_t capacity_ = 0;
};

}  // namespace folivo
