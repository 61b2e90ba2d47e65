#pragma once
// The single-instance test: an advisory lock on a file, held while the program runs.

#include <filesystem>

namespace kv::platform {

// Where the lock lives: $KVVELM_LOCK, else $XDG_RUNTIME_DIR/kvvelm.lock, else
// /tmp/kvvelm-<user id>.lock. Null arguments stand for unset variables.
std::filesystem::path InstanceLockPath(const char* kvvelmLock, const char* xdgRuntimeDir);

class InstanceLock {
public:
    enum class State {
        Held,          // this process is the only instance
        OtherRunning,  // another process holds the lock
        Unavailable,   // the lock file cannot be opened: no test is possible
    };

    // Opens (creating if needed) and tries to lock the file without waiting.
    explicit InstanceLock(const std::filesystem::path& file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool OtherInstanceRunning() const { return state_ == State::OtherRunning; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

}  // namespace kv::platform
