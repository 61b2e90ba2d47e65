#pragma once
// The shell port: a finished file or a folder opened with the application the system has for it
// (the PDF viewer, the file manager): xdg-open on Linux, ShellExecute on Windows.

#include <filesystem>

namespace kv::platform {

// Starts the application without waiting for it; false when nothing could be started.
bool OpenWithSystem(const std::filesystem::path& host);

}  // namespace kv::platform
