// The registry stand-in's bytes (UTF-16LE with a byte-order mark, UTF-8 or Windows-1252 text).

#include <string>

#include "platform/registry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    kv::platform::Registry registry = kv::platform::Registry::FromBytes(bytes);
    registry.ReadString("HKEY_CURRENT_USER\\SOFTWARE\\ORVANTA\\LUMEO", "PERCORSOARCHIVI");
    registry.ReadString("HKCU\\Software\\Orvanta\\Lumeo", "percorsoprogrammi");
    return 0;
}
