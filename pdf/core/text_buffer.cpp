#include "pdf/core/text_buffer.hpp"

namespace folivo {

void TextBuffer::MakeRoom(size_t end) {
    if (end > capacity_) {
        capacity_ += end;
        text_.reserve(capacity_);
    }
}

void TextBuffer::Append(std::string_view text) {
    MakeRoom(text_.size() + text.size());
    text_.append(text);
}

void TextBuffer::AppendByte(uint8_t byte) {
    MakeRoom(text_.size() + 1);
    text_.push_back(static_cast<char>(byte));
}

std::string& TextBuffer::Extend(size_t extra) {
    MakeRoom(text_.size() + extra);
    return text_;
}

void TextBuffer::Reset() {
    text_.clear();
    capacity_ = 0;
}

}  // namespace folivo
