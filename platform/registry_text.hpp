#pragma once
// Turns the bytes of a registry export into the program's text (Windows-1252 bytes).

#include <string>

namespace kv::platform {

// The export's text as UTF-8: UTF-16LE after a byte-order mark FF FE, UTF-8 after EF BB BF; any
// other file is 8-bit text, read as UTF-8 when it is valid UTF-8, else as Windows-1252.
std::string RegistryTextAsUtf8(const std::string& bytes);

// The same text in Windows-1252 (characters it cannot hold become "?").
std::string DecodeRegistryText(const std::string& bytes);

}  // namespace kv::platform
