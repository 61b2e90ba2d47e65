#pragma once
// Unpredictable bytes from the system's random source, for keys, salts and initialisation vectors.

#include <cstddef>
#include <string>

namespace folivo::security {

std::string RandomBytes(size_t count);

}  // namespace folivo::security
