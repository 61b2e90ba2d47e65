#include "platform/instance_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace kv::platform {

std::filesystem::path InstanceLockPath(const char* kvvelmLock, const char* xdgRuntimeDir) {
    if (kvvelmLock != nullptr && *kvvelmLock != '\0') return kvvelmLock;
    if (xdgRuntimeDir != nullptr && *xdgRuntimeDir != '\0') {
        return std::filesystem::path(xdgRuntimeDir) / "kvvelm.lock";
    }
    return "/tmp/kvvelm-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::InstanceLock(const std::filesystem::path& file) {
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return;
    handle_ = fd;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
    } else {
        state_ = errno == EWOULDBLOCK ? State::OtherRunning : State::Unavailable;
    }
}

InstanceLock::~InstanceLock() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));  // closing releases the lock
}

}  // namespace kv::platform
