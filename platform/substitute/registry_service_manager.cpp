#include "platform/substitute/registry_service_manager.h"

#include "platform/multibyte.h"
#include "platform/registry.h"

#include <cstring>

namespace platform {

namespace {

constexpr uint32_t kNameSize = 256;
constexpr uint32_t kTextSize = 32768;

std::string KeyPath(const std::string& name) {
    return std::string(kServicesKey) + "\\" + name;
}

bool StateMatches(uint32_t state, uint32_t wanted) {
    return state == svc::kStopped ? (wanted & svc::kStateInactive) != 0
                                  : (wanted & svc::kStateActive) != 0;
}

// Lays texts into the end of a caller's buffer, as the service manager packs its answers.
class StringPacker {
public:
    StringPacker(void* buffer, uint32_t size) : base_(static_cast<char*>(buffer)), end_(size) {}
    // Room for fixed bytes at the front plus the texts packed so far and still to come.
    bool Fits(size_t front, size_t more) const { return front + used_ + more <= end_; }
    const char* Put(const std::string& text) {
        used_ += text.size() + 1;
        char* place = base_ + end_ - used_;
        std::memcpy(place, text.c_str(), text.size() + 1);
        return place;
    }

private:
    char* base_;
    size_t end_;
    size_t used_ = 0;
};

} // namespace

bool RegistryServiceManager::NameLess::operator()(const std::string& a,
                                                  const std::string& b) const {
    return MbsICmp(a.c_str(), b.c_str()) < 0;
}

std::optional<RegistryServiceManager::Service>
RegistryServiceManager::Read(const std::string& name) {
    KeyHandle key;
    Service service;
    if (!key.Open(kLocalMachine, KeyPath(name).c_str(), reg::kRead) ||
        !key.QueryDword("Type", &service.type) || !key.QueryDword("Start", &service.start))
        return std::nullopt;
    service.name = name;
    key.QueryDword("ErrorControl", &service.errorControl);
    key.QueryString("ImagePath", kTextSize, &service.imagePath);
    key.QueryString("Group", kTextSize, &service.group);
    if (!key.QueryString("DisplayName", kTextSize, &service.displayName))
        service.displayName = name;
    return service;
}

std::vector<RegistryServiceManager::Service> RegistryServiceManager::ReadAll() {
    std::vector<Service> services;
    KeyHandle key;
    if (!key.Open(kLocalMachine, kServicesKey, reg::kRead))
        return services;
    char name[kNameSize];
    uint32_t length = kNameSize;
    for (uint32_t i = 0; registry().EnumKey(key.get(), i, name, &length) == reg::kSuccess;
         ++i, length = kNameSize) {
        if (std::optional<Service> service = Read(name))
            services.push_back(*service);
    }
    return services;
}

uint32_t RegistryServiceManager::StateOf(const std::string& name) const {
    auto it = states_.find(name);
    return it == states_.end() ? svc::kStopped : it->second;
}

void RegistryServiceManager::SetCurrentState(const std::string& name, uint32_t state) {
    states_[name] = state;
}

bool RegistryServiceManager::Fail(uint32_t error) {
    lastError_ = error;
    return false;
}

ScHandle RegistryServiceManager::Issue(const std::string& name) {
    ScHandle handle = nextHandle_++;
    handles_[handle] = name;
    return handle;
}

bool RegistryServiceManager::IsManager(ScHandle handle) const {
    auto it = handles_.find(handle);
    return it != handles_.end() && it->second.empty();
}

std::optional<RegistryServiceManager::Service> RegistryServiceManager::ServiceOf(ScHandle handle) {
    auto it = handles_.find(handle);
    if (it == handles_.end() || it->second.empty()) {
        Fail(svc::kErrorInvalidHandle);
        return std::nullopt;
    }
    std::optional<Service> service = Read(it->second);
    if (!service)
        Fail(svc::kErrorNoSuchService);
    return service;
}

ScHandle RegistryServiceManager::OpenManager(const char*, const char*, uint32_t) {
    if (!available_)
        return Fail(svc::kErrorCallNotImplemented);
    return Issue(std::string());
}

ScHandle RegistryServiceManager::Create(ScHandle manager, const NewService& service) {
    if (!IsManager(manager))
        return Fail(svc::kErrorInvalidHandle);
    if (Read(service.name))
        return Fail(svc::kErrorServiceExists);
    KeyHandle key;
    if (!key.Create(kLocalMachine, KeyPath(service.name).c_str(), reg::kAllAccess))
        return Fail(reg::kAccessDenied);
    key.SetDword("Type", service.serviceType);
    key.SetDword("Start", service.startType);
    key.SetDword("ErrorControl", service.errorControl);
    const std::string imagePath = service.binaryPathName ? service.binaryPathName : "";
    registry().SetValue(key.get(), "ImagePath", reg::kExpandSz,
                        reinterpret_cast<const uint8_t*>(imagePath.c_str()),
                        static_cast<uint32_t>(imagePath.size() + 1));
    key.SetString("DisplayName", service.displayName ? service.displayName : service.name);
    states_.erase(service.name);
    return Issue(service.name);
}

ScHandle RegistryServiceManager::Open(ScHandle manager, const char* name, uint32_t) {
    if (!IsManager(manager))
        return Fail(svc::kErrorInvalidHandle);
    std::optional<Service> service = Read(name ? name : "");
    if (!service)
        return Fail(svc::kErrorNoSuchService);
    return Issue(service->name);
}

bool RegistryServiceManager::Start(ScHandle handle) {
    std::optional<Service> service = ServiceOf(handle);
    if (!service)
        return false;
    if (service->start == svc::kDisabled)
        return Fail(svc::kErrorServiceDisabled);
    if (StateOf(service->name) != svc::kStopped)
        return Fail(svc::kErrorAlreadyRunning);
    states_[service->name] = svc::kRunning;
    return true;
}

bool RegistryServiceManager::Delete(ScHandle handle) {
    std::optional<Service> service = ServiceOf(handle);
    if (!service)
        return false;
    states_.erase(service->name);
    return DeleteKeyTree(kLocalMachine, KeyPath(service->name).c_str()) == reg::kSuccess;
}

bool RegistryServiceManager::EnumStatus(ScHandle manager, uint32_t serviceType,
                                        uint32_t serviceState, EnumServiceStatus* services,
                                        uint32_t bufferSize, uint32_t* bytesNeeded,
                                        uint32_t* servicesReturned, uint32_t* resumeHandle) {
    *bytesNeeded = 0;
    *servicesReturned = 0;
    if (!IsManager(manager))
        return Fail(svc::kErrorInvalidHandle);
    // An enumeration goes on through the services it found at its start, as the real service
    // manager goes through its database; the registry is read again when one starts.
    std::vector<Service>& matching = enumerations_[manager];
    if (*resumeHandle == 0 || matching.empty()) {
        matching.clear();
        for (Service& service : ReadAll())
            if ((service.type & serviceType) && StateMatches(StateOf(service.name), serviceState))
                matching.push_back(std::move(service));
    }

    StringPacker strings(services, bufferSize);
    size_t index = *resumeHandle;
    for (; index < matching.size(); ++index) {
        const Service& service = matching[index];
        size_t front = (*servicesReturned + 1) * sizeof(EnumServiceStatus);
        if (!strings.Fits(front, service.name.size() + service.displayName.size() + 2))
            break;
        EnumServiceStatus& entry = services[(*servicesReturned)++];
        entry = EnumServiceStatus{};
        entry.serviceName = strings.Put(service.name);
        entry.displayName = strings.Put(service.displayName);
        entry.status.serviceType = service.type;
        entry.status.currentState = StateOf(service.name);
    }
    if (index >= matching.size()) {
        *resumeHandle = 0;
        return true;
    }
    *resumeHandle = static_cast<uint32_t>(index);
    for (; index < matching.size(); ++index)
        *bytesNeeded +=
            static_cast<uint32_t>(sizeof(EnumServiceStatus) + matching[index].name.size() +
                                  matching[index].displayName.size() + 2);
    return Fail(svc::kErrorMoreData);
}

bool RegistryServiceManager::QueryConfig(ScHandle handle, ServiceConfig* config,
                                         uint32_t bufferSize, uint32_t* bytesNeeded) {
    std::optional<Service> service = ServiceOf(handle);
    if (!service)
        return false;
    // The strings: image path, group, dependencies (an empty list, so two zero bytes), account
    // (none for drivers) and display name.
    const std::string texts[] = {service->imagePath, service->group, std::string(1, '\0'),
                                 std::string(), service->displayName};
    size_t needed = sizeof(ServiceConfig);
    for (const std::string& text : texts)
        needed += text.size() + 1;
    *bytesNeeded = static_cast<uint32_t>(needed);
    if (!config || bufferSize < needed)
        return Fail(svc::kErrorInsufficientBuffer);
    StringPacker strings(config, bufferSize);
    *config = ServiceConfig{};
    config->serviceType = service->type;
    config->startType = service->start;
    config->errorControl = service->errorControl;
    config->binaryPathName = strings.Put(texts[0]);
    config->loadOrderGroup = strings.Put(texts[1]);
    config->dependencies = strings.Put(texts[2]);
    config->serviceStartName = strings.Put(texts[3]);
    config->displayName = strings.Put(texts[4]);
    return true;
}

bool RegistryServiceManager::Close(ScHandle handle) {
    enumerations_.erase(handle);
    return handles_.erase(handle) ? true : Fail(svc::kErrorInvalidHandle);
}

} // namespace platform
