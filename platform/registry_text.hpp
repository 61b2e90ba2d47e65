#pragma once
// Turns the bytes of a registry export into the program's text (Windows-1252 bytes).

#include <string>

namespace kv::platform {

// UTF-16LE after a byte-order mark FF FE, or UTF-8 after EF BB BF, is converted to Windows-1252
// (characters it cannot hold become "?"); any other file is 8-bit text and kept as it is.
std::string DecodeRegistryText(const std::string& bytes);

}  // namespace kv::platform
