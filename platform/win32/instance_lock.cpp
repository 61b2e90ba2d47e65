#include "platform/instance_lock.hpp"

#include <windows.h>

#include "platform/text_encoding.hpp"

namespace kv::platform {

std::filesystem::path InstanceLockPath(const char* kvvelmLock, const char*) {
    if (kvvelmLock != nullptr && *kvvelmLock != '\0') return std::filesystem::path(Cp1252ToWide(kvvelmLock));
    return L"KVVELM";
}

// A mutex of the user's session named after the path text ("\" is not allowed in the name).
InstanceLock::InstanceLock(const std::filesystem::path& file) {
    std::wstring name = L"Local\\kvvelm-" + file.wstring();
    for (size_t i = 6; i < name.size(); ++i)
        if (name[i] == L'\\') name[i] = L'/';
    ::SetLastError(ERROR_SUCCESS);
    HANDLE mutex = ::CreateMutexW(nullptr, TRUE, name.c_str());
    if (mutex == nullptr) return;
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
    state_ = ::GetLastError() == ERROR_ALREADY_EXISTS ? State::OtherRunning : State::Held;
}

InstanceLock::~InstanceLock() {
    if (handle_ == -1) return;
    HANDLE mutex = reinterpret_cast<HANDLE>(handle_);
    if (state_ == State::Held) ::ReleaseMutex(mutex);
    ::CloseHandle(mutex);
}

}  // namespace kv::platform
