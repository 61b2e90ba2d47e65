#include "platform/command_line.hpp"

namespace kv::platform {

std::optional<std::vector<std::string>> UnicodeArguments() { return std::nullopt; }

}  // namespace kv::platform
