#include "platform/shell.hpp"

#include <windows.h>
#include <shellapi.h>

namespace kv::platform {

bool OpenWithSystem(const std::filesystem::path& host) {
    HINSTANCE result = ::ShellExecuteW(nullptr, L"open", host.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;  // ShellExecute's way of saying it started
}

}  // namespace kv::platform
