// The substitute's service manager finds its services in the substitute registry.
#include "platform/substitute/registry_service_manager.h"

namespace platform {

ServiceManager& nativeServiceManager() {
    static RegistryServiceManager instance;
    return instance;
}

} // namespace platform
