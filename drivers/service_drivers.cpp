#include "drivers/service_drivers.h"

#include "drivers/driver_description.h"
#include "drivers/excluded_drivers.h"
#include "drivers/image_path.h"
#include "model/config_model.h"
#include "platform/multibyte.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace kelvd {

namespace {

using platform::EnumServiceStatus;
using platform::ScHandle;
using platform::ServiceConfig;

constexpr uint32_t kEnumerationSize = 720;
constexpr size_t kDisplayNameFallbackSize = 38;
// The service manager's configurations are at most 8 KiB, so that much is asked for first; a size
// beyond 64 KiB is not believed.
constexpr uint32_t kConfigSize = 8 * 1024;
constexpr uint32_t kMaxConfigSize = 64 * 1024;

// What one enumeration call is given: 720 bytes, unless an answer delivered nothing usable. A
// service manager that converts a wide enumeration into narrow text may count entries whose
// strings it never wrote, when they did not fit; the call is then made again with room for what
// it said it needs. The storage behind the bytes given is twice their number and is zeroed
// before each call, because such a service manager may write as much as it fetched at twice the
// size, and the pointers of entries it never filled in stay null.
constexpr uint32_t kMaxEnumerationSize = 1 << 20;
using EnumerationBuffer = std::vector<EnumServiceStatus>;

EnumerationBuffer BufferFor(uint32_t size) {
    return EnumerationBuffer(2 * size / sizeof(EnumServiceStatus));
}

const char* OrEmpty(const char* text) {
    return text ? text : "";
}

// True when text is null or ends within the size bytes from begin.
bool LiesIn(const char* text, const void* begin, size_t size) {
    if (!text)
        return true;
    const auto at = reinterpret_cast<uintptr_t>(text);
    const auto first = reinterpret_cast<uintptr_t>(begin);
    return at >= first && at < first + size && strnlen(text, first + size - at) < first + size - at;
}

bool ConfigLiesIn(const ServiceConfig& config, size_t size) {
    return LiesIn(config.binaryPathName, &config, size) &&
           LiesIn(config.loadOrderGroup, &config, size) &&
           LiesIn(config.displayName, &config, size);
}

std::vector<ServiceConfig> ConfigStorage(uint32_t size) {
    return std::vector<ServiceConfig>((size + sizeof(ServiceConfig) - 1) / sizeof(ServiceConfig));
}

// Reads the configuration of the entry's service and offers the service. Each call is a trip to
// the service manager: a configuration that fits the first buffer takes one, any other the
// second with the size it needs.
void AddEnumeratedService(ScHandle manager, const EnumServiceStatus& entry) {
    platform::ServiceManager& services = platform::serviceManager();
    ScHandle service = services.Open(manager, entry.serviceName, platform::svc::kGenericRead);
    if (!service)
        return;
    std::vector<ServiceConfig> storage = ConfigStorage(kConfigSize);
    uint32_t needed = 0;
    bool read = services.QueryConfig(service, storage.data(), kConfigSize, &needed);
    if (!read && needed > kConfigSize && needed <= kMaxConfigSize) {
        storage = ConfigStorage(needed);
        read = services.QueryConfig(service, storage.data(), needed, &needed);
    }
    if (read && ConfigLiesIn(storage[0], storage.size() * sizeof(ServiceConfig)))
        AddServiceDriver(entry, storage[0]);
    services.Close(service);
}

// Offers the entries of one enumeration call, as long as they lie in the buffer and the table
// has room.
void AddEntries(ScHandle manager, const EnumerationBuffer& buffer, uint32_t count) {
    const size_t bytes = buffer.size() * sizeof(EnumServiceStatus);
    for (uint32_t i = 0; i < std::min<size_t>(count, buffer.size()); ++i) {
        const EnumServiceStatus& entry = buffer[i];
        if (configModel().drivers.IsFull() || !entry.serviceName ||
            !LiesIn(entry.serviceName, buffer.data(), bytes) ||
            !LiesIn(entry.displayName, buffer.data(), bytes))
            return;
        AddEnumeratedService(manager, entry);
    }
}

} // namespace

void EnumerateServiceDrivers() {
    platform::ServiceManager& services = platform::serviceManager();
    ScHandle manager = services.OpenManager(nullptr, nullptr, platform::svc::kGenericRead);
    if (!manager)
        return;
    // The resume handle says where the next call goes on; a call that returns nothing, leaves it
    // 0 or leaves it where it was ends the enumeration, as does a full table.
    uint32_t resume = 0, size = kEnumerationSize;
    for (;;) {
        EnumerationBuffer buffer = BufferFor(size);
        uint32_t needed = 0, returned = 0, previous = resume;
        services.EnumStatus(manager, platform::svc::kDriver, platform::svc::kStateAll,
                            buffer.data(), size, &needed, &returned, &resume);
        if (returned > 0 && !buffer[0].serviceName && size < kMaxEnumerationSize) {
            size = std::min(kMaxEnumerationSize, size + std::max(needed, size));
            resume = previous;
            continue;
        }
        AddEntries(manager, buffer, returned);
        if (returned == 0 || resume == 0 || resume == previous || configModel().drivers.IsFull())
            break;
    }
    services.Close(manager);
}

void AddServiceDriver(const EnumServiceStatus& service, const ServiceConfig& config) {
    const std::string keyName =
        platform::MbsUpr(std::string(OrEmpty(service.serviceName)) + ".SYS");
    if (IsExcludedDriver(keyName.c_str()))
        return;
    // A service without an image path has its file, named after it, in the driver directory.
    const std::string imagePath = OrEmpty(config.binaryPathName);
    DriverEntry row;
    row.path = imagePath.empty() ? keyName : NormalizeImagePath(imagePath);
    if (!GetDriverDescription(row.path, imagePath.empty(), &row.description))
        return;
    if (row.description.empty())
        row.description =
            std::string(OrEmpty(service.displayName)).substr(0, kDisplayNameFallbackSize);
    row.group = OrEmpty(config.loadOrderGroup);
    row.startType = static_cast<int32_t>(config.startType);
    row.serviceState = service.status.currentState;
    // A new row starts empty, so nothing of an earlier load shows through; a full table takes no
    // more.
    configModel().drivers.Append(row);
}

} // namespace kelvd
