#pragma once
// The shell port: a finished file or a folder opened with the application the system has for it
// (the PDF viewer, the file manager): xdg-open on Linux, ShellExecute on Windows.

#include <filesystem>
#include <optional>
#include <string>

namespace kv::platform {

// Starts the application without waiting for it. Nothing when it started; otherwise the system's
// reason (Windows-1252).
std::optional<std::string> OpenWithSystem(const std::filesystem::path& host);

}  // namespace kv::platform
