#include "drivers/service_drivers.h"

#include "drivers/driver_description.h"
#include "drivers/excluded_drivers.h"
#include "drivers/image_path.h"
#include "model/config_model.h"
#include "platform/multibyte.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace kelvd {

namespace {

using platform::EnumServiceStatus;
using platform::ScHandle;
using platform::ServiceConfig;

constexpr uint32_t kEnumerationSize = 720;
// A service manager that asks for more than this in one answer is not given it.
constexpr uint32_t kMaxEnumerationSize = 1 << 20;
constexpr size_t kDisplayNameFallbackSize = 38;
// The service manager's configurations are at most 8 KiB, so that much is asked for first; a size
// beyond 64 KiB is not believed.
constexpr uint32_t kConfigSize = 8 * 1024;
constexpr uint32_t kMaxConfigSize = 64 * 1024;

// What one enumeration call is given: size bytes. The storage behind them is twice that and is
// zeroed before each call, because a service manager that converts a wide enumeration into
// narrow text may write as much as it fetched at twice the size, and may count entries it never
// filled in (their pointers stay null here).
class EnumerationBuffer {
public:
    void Reset(uint32_t size) {
        entries_.assign((2 * size_t{size} + sizeof(EnumServiceStatus) - 1) /
                            sizeof(EnumServiceStatus),
                        EnumServiceStatus{});
    }
    EnumServiceStatus* entries() { return entries_.data(); }
    const EnumServiceStatus& operator[](size_t i) const { return entries_[i]; }

    // How many of the first count entries, in order, lie in the storage with their strings.
    uint32_t Usable(uint32_t count) const;

private:
    std::vector<EnumServiceStatus> entries_;
};

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

uint32_t EnumerationBuffer::Usable(uint32_t count) const {
    const size_t bytes = entries_.size() * sizeof(EnumServiceStatus);
    uint32_t usable = 0;
    while (usable < std::min<size_t>(count, entries_.size()) && entries_[usable].serviceName &&
           LiesIn(entries_[usable].serviceName, entries_.data(), bytes) &&
           LiesIn(entries_[usable].displayName, entries_.data(), bytes))
        ++usable;
    return usable;
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

// Offers the first count entries of an enumeration call, as long as the table has room.
void AddEntries(ScHandle manager, const EnumerationBuffer& buffer, uint32_t count) {
    for (uint32_t i = 0; i < count && !configModel().drivers.IsFull(); ++i)
        AddEnumeratedService(manager, buffer[i]);
}

// One enumeration call from *resume on, into buffer; the number of usable entries. A service
// manager that reports more entries than it wrote whose strings lie in the buffer, or that
// reports more data without delivering an entry, is asked again from the same place with the
// size it said it needs (or twice the size, when it said no more), up to a bound; then what the
// last answer holds is taken. A service manager that answers well is called once, with 720 bytes.
uint32_t Enumerate(ScHandle manager, EnumerationBuffer& buffer, uint32_t* resume) {
    platform::ServiceManager& services = platform::serviceManager();
    const uint32_t from = *resume;
    for (uint32_t size = kEnumerationSize;;) {
        buffer.Reset(size);
        uint32_t needed = 0, returned = 0;
        *resume = from;
        const bool complete =
            services.EnumStatus(manager, platform::svc::kDriver, platform::svc::kStateAll,
                                buffer.entries(), size, &needed, &returned, resume);
        const bool moreData = !complete && services.LastError() == platform::svc::kErrorMoreData;
        const uint32_t usable = buffer.Usable(returned);
        if ((usable == returned && (usable != 0 || !moreData)) || size == kMaxEnumerationSize)
            return usable;
        size = std::min(kMaxEnumerationSize, needed > size ? needed : 2 * size);
    }
}

} // namespace

void EnumerateServiceDrivers() {
    platform::ServiceManager& services = platform::serviceManager();
    ScHandle manager = services.OpenManager(nullptr, nullptr, platform::svc::kGenericRead);
    if (!manager)
        return;
    EnumerationBuffer buffer;
    // The resume handle says where the next call goes on; a call that delivers nothing, leaves
    // it 0 or leaves it where it was ends the enumeration, as does a full table.
    uint32_t resume = 0;
    for (;;) {
        const uint32_t previous = resume;
        const uint32_t usable = Enumerate(manager, buffer, &resume);
        AddEntries(manager, buffer, usable);
        if (usable == 0 || resume == 0 || resume == previous || configModel().drivers.IsFull())
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
