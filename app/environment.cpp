#include "app/environment.hpp"

#include <cstdlib>

#include "platform/drives.hpp"
#include "platform/instance_lock.hpp"
#include "platform/registry.hpp"

namespace kv::app {

Environment Environment::FromProcess() {
    Environment environment;
    environment.registryFile = platform::RegistryFilePath(
        std::getenv("KVVELM_REGISTRY"), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    environment.drivesRoot = platform::DriveMap::FromEnvironment().root();
    environment.lockFile =
        platform::InstanceLockPath(std::getenv("KVVELM_LOCK"), std::getenv("XDG_RUNTIME_DIR"));
    environment.locale = platform::ReadUserLocale();
    return environment;
}

}  // namespace kv::app
