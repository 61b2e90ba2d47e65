#pragma once
// What the program's standard streams are connected to.

namespace kv::platform {

// True when standard error is a terminal (a person watches it), not a file or a pipe.
bool StandardErrorIsTerminal();

}  // namespace kv::platform
