// Not a test of its own: the wine tests start this program as "another program" of the suite that
// holds the single-instance mutex and an archive file open for writing (shared for reading and
// writing, as the suite's programs share it) until a stop file appears. It writes a ready file once
// it holds both. KV_HOLD_LOCK, KV_HOLD_FILE, KV_HOLD_READY and KV_HOLD_STOP name them.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/instance_lock.hpp"
#include "platform/text_encoding.hpp"
#include "tests/support/test_support.hpp"

namespace kv::platform {
namespace {

std::filesystem::path FromVariable(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::filesystem::path() : std::filesystem::path(Cp1252ToWide(value));
}

TEST(DISABLED_OtherProgram, HoldsTheInstanceAndAnArchiveFile) {
    InstanceLock lock(InstanceLockPath(std::getenv("KV_HOLD_LOCK"), nullptr));
    ASSERT_EQ(lock.state(), InstanceLock::State::Held);
    HANDLE file = ::CreateFileW(FromVariable("KV_HOLD_FILE").c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    test::WriteFile(FromVariable("KV_HOLD_READY"), "ready\n");
    const std::filesystem::path stop = FromVariable("KV_HOLD_STOP");
    for (int tenth = 0; tenth < 1200 && !std::filesystem::exists(stop); ++tenth)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ::CloseHandle(file);
}

}  // namespace
}  // namespace kv::platform
