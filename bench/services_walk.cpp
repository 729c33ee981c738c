#include "services_walk.h"

#include "model/config_model.h"
#include "platform/service_manager.h"

#include <benchmark/benchmark.h>
#include <hivex.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace kelvd::bench {

namespace {

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Owned = std::unique_ptr<T, Free>;

constexpr size_t kDriverRows = decltype(ConfigModel::drivers)::kCapacity;
constexpr uint32_t kSystemStart = 1;
constexpr char kVideo[] = "V\0i\0d\0e\0o\0\0"; // UTF-16, with its terminator

// The data of a value, as the inventory reads it.
std::string Data(hive_h* handle, hive_value_h value) {
    hive_type type;
    size_t length = 0;
    Owned<char> data(value ? hivex_value_value(handle, value, &type, &length) : nullptr);
    return data ? std::string(data.get(), length) : std::string();
}

std::string Data(hive_h* handle, hive_node_h node, const char* name) {
    return Data(handle, node ? hivex_node_get_value(handle, node, name) : 0);
}

uint32_t Dword(hive_h* handle, hive_node_h node, const char* name) {
    const std::string data = Data(handle, node, name);
    uint32_t number = 0;
    std::memcpy(&number, data.data(), std::min(data.size(), sizeof number));
    return number;
}

// True when the service is a driver.
bool ReadService(hive_h* handle, hive_node_h service) {
    if (!(Dword(handle, service, "Type") & platform::svc::kDriver))
        return false;
    benchmark::DoNotOptimize(Data(handle, service, "ImagePath"));
    const std::string group = Data(handle, service, "Group");
    benchmark::DoNotOptimize(Data(handle, service, "DisplayName"));
    if (Dword(handle, service, "Start") == kSystemStart && group == std::string(kVideo, 12))
        benchmark::DoNotOptimize(Data(handle, hivex_node_get_child(handle, service, "Device0"),
                                      "InstalledDisplayDrivers"));
    return true;
}

void ReadCheckerKey(hive_h* handle, hive_node_h services) {
    const hive_node_h key = hivex_node_get_child(handle, services, "Kelvd");
    Owned<hive_value_h> values(key ? hivex_node_values(handle, key) : nullptr);
    for (size_t i = 0; values && values.get()[i]; ++i)
        benchmark::DoNotOptimize(Data(handle, values.get()[i]));
}

void Walk(hive_h* handle) {
    const hive_node_h set = hivex_node_get_child(handle, hivex_root(handle), "ControlSet001");
    const hive_node_h services = set ? hivex_node_get_child(handle, set, "Services") : 0;
    Owned<hive_node_h> children(services ? hivex_node_children(handle, services) : nullptr);
    for (size_t i = 0; children && children.get()[i]; ++i)
        Owned<char>(hivex_node_name(handle, children.get()[i]));
    size_t drivers = 0;
    for (size_t i = 0; children && children.get()[i] && drivers < kDriverRows; ++i)
        drivers += ReadService(handle, children.get()[i]);
    if (services)
        ReadCheckerKey(handle, services);
}

} // namespace

void WalkServices(const std::string& hive) {
    hive_h* handle = hivex_open(hive.c_str(), 0);
    if (!handle)
        return;
    Walk(handle);
    hivex_close(handle);
}

} // namespace kelvd::bench
