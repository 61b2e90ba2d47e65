#pragma once
// The run-time error of a failed POSIX call.

#include <filesystem>

#include "platform/errors.hpp"

namespace kv::platform::posix {

// The run-time error for an errno value from a call on path.
RuntimeError ErrorFromErrno(int error, const std::filesystem::path& path);

}  // namespace kv::platform::posix
