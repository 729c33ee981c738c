#include "platform/service_manager.h"

namespace platform {

ServiceManager& serviceManager() {
    ServiceManager* replacement = ScopedServiceManager::slot();
    return replacement ? *replacement : nativeServiceManager();
}

} // namespace platform
