// The service control manager as the library uses it: the narrow calls of advapi32 with their
// arguments, buffers and size rules. A failing call returns false or a null handle and leaves
// its reason in LastError(), as GetLastError() does.
#pragma once

#include "platform/override.h"

#include <cstdint>

namespace platform {

// A service manager or service handle; 0 for none.
using ScHandle = std::uintptr_t;

namespace svc {
constexpr uint32_t kManagerAllAccess = 0xF003F; // SC_MANAGER_ALL_ACCESS
constexpr uint32_t kAllAccess = 0xF01FF;        // SERVICE_ALL_ACCESS
constexpr uint32_t kGenericRead = 0x80000000;

constexpr uint32_t kKernelDriver = 0x01;
constexpr uint32_t kFileSystemDriver = 0x02;
constexpr uint32_t kRecognizerDriver = 0x08;
constexpr uint32_t kDriver = 0x0B; // SERVICE_DRIVER: all three driver types

constexpr uint32_t kBootStart = 0;
constexpr uint32_t kDemandStart = 3;
constexpr uint32_t kDisabled = 4;
constexpr uint32_t kErrorIgnore = 0;

constexpr uint32_t kStateActive = 1;
constexpr uint32_t kStateInactive = 2;
constexpr uint32_t kStateAll = 3;

constexpr uint32_t kStopped = 1;
constexpr uint32_t kRunning = 4;

constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kErrorCallNotImplemented = 120;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorMoreData = 234;
constexpr uint32_t kErrorAlreadyRunning = 1056;
constexpr uint32_t kErrorServiceDisabled = 1058;
constexpr uint32_t kErrorNoSuchService = 1060;
constexpr uint32_t kErrorServiceExists = 1073;
} // namespace svc

// SERVICE_STATUS.
struct ServiceStatus {
    uint32_t serviceType;
    uint32_t currentState;
    uint32_t controlsAccepted;
    uint32_t win32ExitCode;
    uint32_t serviceSpecificExitCode;
    uint32_t checkPoint;
    uint32_t waitHint;
};

// ENUM_SERVICE_STATUSA: the strings lie in the buffer the entries were enumerated into.
struct EnumServiceStatus {
    const char* serviceName;
    const char* displayName;
    ServiceStatus status;
};

// QUERY_SERVICE_CONFIGA: the strings lie in the buffer the configuration was read into.
struct ServiceConfig {
    uint32_t serviceType;
    uint32_t startType;
    uint32_t errorControl;
    const char* binaryPathName;
    const char* loadOrderGroup;
    uint32_t tagId;
    const char* dependencies;
    const char* serviceStartName;
    const char* displayName;
};

// What CreateServiceA is given besides the manager; the load-order group, tag, dependencies,
// account and password are always none.
struct NewService {
    const char* name;
    const char* displayName;
    uint32_t access;
    uint32_t serviceType;
    uint32_t startType;
    uint32_t errorControl;
    const char* binaryPathName;
};

class ServiceManager {
public:
    virtual ~ServiceManager() = default;

    // OpenSCManagerA.
    virtual ScHandle OpenManager(const char* machine, const char* database, uint32_t access) = 0;
    // CreateServiceA: the new service's handle.
    virtual ScHandle Create(ScHandle manager, const NewService& service) = 0;
    // OpenServiceA.
    virtual ScHandle Open(ScHandle manager, const char* name, uint32_t access) = 0;
    // StartServiceA with no arguments.
    virtual bool Start(ScHandle service) = 0;
    // DeleteService.
    virtual bool Delete(ScHandle service) = 0;
    // EnumServicesStatusA: as many entries as fit in bufferSize bytes (entries and their strings
    // together), from *resumeHandle on. When more remain the call fails with kErrorMoreData,
    // *bytesNeeded tells what they need and *resumeHandle where to go on; otherwise
    // *resumeHandle becomes 0.
    virtual bool EnumStatus(ScHandle manager, uint32_t serviceType, uint32_t serviceState,
                            EnumServiceStatus* services, uint32_t bufferSize, uint32_t* bytesNeeded,
                            uint32_t* servicesReturned, uint32_t* resumeHandle) = 0;
    // QueryServiceConfigA: fails with kErrorInsufficientBuffer and the size needed in
    // *bytesNeeded when bufferSize is too small (config may then be null).
    virtual bool QueryConfig(ScHandle service, ServiceConfig* config, uint32_t bufferSize,
                             uint32_t* bytesNeeded) = 0;
    // CloseServiceHandle.
    virtual bool Close(ScHandle handle) = 0;
    // GetLastError after a failed call.
    virtual uint32_t LastError() = 0;
};

ServiceManager& serviceManager();
ServiceManager& nativeServiceManager();
using ScopedServiceManager = Override<ServiceManager>;

} // namespace platform
