#include "platform/shell.hpp"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_error.hpp"

namespace kv::platform {

std::optional<std::string> OpenWithSystem(const std::filesystem::path& host) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The failure comes back to the caller, which names it, instead of a box of the system's own.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = host.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (::ShellExecuteExW(&info)) return std::nullopt;
    return win32::SystemMessage(::GetLastError());
}

}  // namespace kv::platform
