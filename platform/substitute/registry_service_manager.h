// A service manager whose services are the keys below "System\CurrentControlSet\Services" of the
// active registry, as the real one finds them: a key with a "Type" and a "Start" is a service,
// with its "ImagePath", "Group", "ErrorControl" and "DisplayName" (the key name when missing).
// The keys are read at every call, but for an enumeration, which goes on through the services
// read at its first call; a service opened by another spelling of its name goes by that
// spelling. Current states live here: every service is stopped until it is started or a test
// sets another state. It is the Linux substitute's service manager; it
// serves only the local machine's active database and does not check access rights.
#pragma once

#include "platform/service_manager.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

constexpr const char* kServicesKey = "System\\CurrentControlSet\\Services";

class RegistryServiceManager final : public ServiceManager {
public:
    ScHandle OpenManager(const char* machine, const char* database, uint32_t access) override;
    ScHandle Create(ScHandle manager, const NewService& service) override;
    ScHandle Open(ScHandle manager, const char* name, uint32_t access) override;
    bool Start(ScHandle service) override;
    bool Delete(ScHandle service) override;
    bool EnumStatus(ScHandle manager, uint32_t serviceType, uint32_t serviceState,
                    EnumServiceStatus* services, uint32_t bufferSize, uint32_t* bytesNeeded,
                    uint32_t* servicesReturned, uint32_t* resumeHandle) override;
    bool QueryConfig(ScHandle service, ServiceConfig* config, uint32_t bufferSize,
                     uint32_t* bytesNeeded) override;
    bool Close(ScHandle handle) override;
    uint32_t LastError() override { return lastError_; }

    // The state the service reports from now on.
    void SetCurrentState(const std::string& name, uint32_t state);
    // Without a service manager, as on Windows 9x, OpenManager fails with
    // kErrorCallNotImplemented.
    void SetAvailable(bool available) { available_ = available; }
    // Handles issued and not yet closed.
    size_t OpenHandleCount() const { return handles_.size(); }

private:
    struct Service {
        std::string name;
        std::string displayName;
        std::string imagePath;
        std::string group;
        uint32_t type = 0;
        uint32_t start = 0;
        uint32_t errorControl = 0;
    };
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };

    static std::optional<Service> Read(const std::string& name);
    static std::vector<Service> ReadAll();
    uint32_t StateOf(const std::string& name) const;
    bool Fail(uint32_t error);
    ScHandle Issue(const std::string& name);
    // The service a handle stands for; null (and kErrorInvalidHandle or kErrorNoSuchService)
    // when there is none.
    std::optional<Service> ServiceOf(ScHandle handle);
    bool IsManager(ScHandle handle) const;

    std::map<ScHandle, std::string> handles_;               // a manager handle names no service
    std::map<ScHandle, std::vector<Service>> enumerations_; // by manager: what its last one found
    std::map<std::string, uint32_t, NameLess> states_;
    ScHandle nextHandle_ = 0x100;
    uint32_t lastError_ = 0;
    bool available_ = true;
};

} // namespace platform
