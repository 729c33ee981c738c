// The service control manager calls of advapi32, one for one.
#include "platform/service_manager.h"

#include "platform/win32/windows_support.h"
#include <cstddef>

namespace platform {

static_assert(sizeof(EnumServiceStatus) == sizeof(ENUM_SERVICE_STATUSA) &&
              offsetof(EnumServiceStatus, displayName) ==
                  offsetof(ENUM_SERVICE_STATUSA, lpDisplayName) &&
              offsetof(EnumServiceStatus, status) == offsetof(ENUM_SERVICE_STATUSA, ServiceStatus));
static_assert(sizeof(ServiceStatus) == sizeof(SERVICE_STATUS));
static_assert(sizeof(ServiceConfig) == sizeof(QUERY_SERVICE_CONFIGA) &&
              offsetof(ServiceConfig, binaryPathName) ==
                  offsetof(QUERY_SERVICE_CONFIGA, lpBinaryPathName) &&
              offsetof(ServiceConfig, tagId) == offsetof(QUERY_SERVICE_CONFIGA, dwTagId) &&
              offsetof(ServiceConfig, displayName) ==
                  offsetof(QUERY_SERVICE_CONFIGA, lpDisplayName));
static_assert(svc::kManagerAllAccess == SC_MANAGER_ALL_ACCESS &&
              svc::kAllAccess == SERVICE_ALL_ACCESS && svc::kDriver == SERVICE_DRIVER &&
              svc::kStateAll == SERVICE_STATE_ALL && svc::kRunning == SERVICE_RUNNING &&
              svc::kErrorAlreadyRunning == ERROR_SERVICE_ALREADY_RUNNING &&
              svc::kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER &&
              svc::kErrorNoSuchService == ERROR_SERVICE_DOES_NOT_EXIST &&
              svc::kErrorServiceExists == ERROR_SERVICE_EXISTS);

namespace {

SC_HANDLE ToSc(ScHandle handle) {
    return reinterpret_cast<SC_HANDLE>(handle);
}
ScHandle FromSc(SC_HANDLE handle) {
    return reinterpret_cast<ScHandle>(handle);
}

class Win32ServiceManager final : public ServiceManager {
public:
    ScHandle OpenManager(const char* machine, const char* database, uint32_t access) override {
        return FromSc(::OpenSCManagerA(machine, database, access));
    }

    ScHandle Create(ScHandle manager, const NewService& service) override {
        return FromSc(::CreateServiceA(ToSc(manager), service.name, service.displayName,
                                       service.access, service.serviceType, service.startType,
                                       service.errorControl, service.binaryPathName, nullptr,
                                       nullptr, nullptr, nullptr, nullptr));
    }

    ScHandle Open(ScHandle manager, const char* name, uint32_t access) override {
        return FromSc(::OpenServiceA(ToSc(manager), name, access));
    }

    bool Start(ScHandle service) override { return ::StartServiceA(ToSc(service), 0, nullptr); }

    bool Delete(ScHandle service) override { return ::DeleteService(ToSc(service)); }

    bool EnumStatus(ScHandle manager, uint32_t serviceType, uint32_t serviceState,
                    EnumServiceStatus* services, uint32_t bufferSize, uint32_t* bytesNeeded,
                    uint32_t* servicesReturned, uint32_t* resumeHandle) override {
        DWORD needed = 0, returned = 0, resume = *resumeHandle;
        BOOL result = ::EnumServicesStatusA(ToSc(manager), serviceType, serviceState,
                                            reinterpret_cast<ENUM_SERVICE_STATUSA*>(services),
                                            bufferSize, &needed, &returned, &resume);
        *bytesNeeded = needed;
        *servicesReturned = returned;
        *resumeHandle = resume;
        return result;
    }

    bool QueryConfig(ScHandle service, ServiceConfig* config, uint32_t bufferSize,
                     uint32_t* bytesNeeded) override {
        DWORD needed = 0;
        BOOL result = ::QueryServiceConfigA(
            ToSc(service), reinterpret_cast<QUERY_SERVICE_CONFIGA*>(config), bufferSize, &needed);
        *bytesNeeded = needed;
        return result;
    }

    bool Close(ScHandle handle) override { return ::CloseServiceHandle(ToSc(handle)); }

    uint32_t LastError() override { return ::GetLastError(); }
};

} // namespace

ServiceManager& nativeServiceManager() {
    static Win32ServiceManager instance;
    return instance;
}

} // namespace platform
