#pragma once
// The single-instance test, held while the program runs: on Linux an advisory lock on a file, on
// Windows a named mutex (named after the same path text).

#include <cstdint>
#include <filesystem>

namespace kv::platform {

// Where the lock lives: $KVVELM_LOCK, else $XDG_RUNTIME_DIR/kvvelm.lock, else
// /tmp/kvvelm-<user id>.lock; on Windows $KVVELM_LOCK, else "KVVELM". Null arguments stand for unset
// variables.
std::filesystem::path InstanceLockPath(const char* kvvelmLock, const char* xdgRuntimeDir);

class InstanceLock {
public:
    enum class State {
        Held,          // this process is the only instance
        OtherRunning,  // another process holds the lock
        Unavailable,   // the lock file cannot be opened: no test is possible
    };

    // Opens (creating if needed) and tries to lock the file, or creates the mutex, without waiting.
    explicit InstanceLock(const std::filesystem::path& file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    bool OtherInstanceRunning() const { return state_ == State::OtherRunning; }

private:
    std::intptr_t handle_ = -1;  // Linux: the lock file's descriptor; Windows: the mutex
    State state_ = State::Unavailable;
};

}  // namespace kv::platform
