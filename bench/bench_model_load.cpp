#include "bench_model_load.h"

#include "bench_support.h"
#include "plain_io.h"

#include "include/kelvdcfg.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "stores/registry_store.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvd::bench {

namespace {

struct StoredValue {
    std::string name;
    uint32_t type;
    std::vector<uint8_t> data;
};

// Every value of the checker's key, as the last store left them.
std::vector<StoredValue> CheckerValues(const platform::MemoryRegistry& registry) {
    platform::KeyHandle key;
    key.Open(platform::kLocalMachine, kServiceKey, platform::reg::kRead);
    std::vector<StoredValue> values;
    StoredValue value;
    while (registry.EnumValue(key.get(), static_cast<uint32_t>(values.size()), &value.name,
                              &value.type, &value.data) == platform::reg::kSuccess)
        values.push_back(value);
    return values;
}

void WriteValues(const std::vector<StoredValue>& values) {
    platform::KeyHandle key;
    key.Create(platform::kLocalMachine, kServiceKey, platform::reg::kAllAccess);
    for (const StoredValue& value : values)
        platform::registry().SetValue(key.get(), value.name.c_str(), value.type, value.data.data(),
                                      static_cast<uint32_t>(value.data.size()));
}

void ReadDriverFiles(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        std::string bytes;
        platform::ReadWholeFile(file, platform::OpenMode::ReadBinary, &bytes);
        benchmark::DoNotOptimize(bytes);
    }
}

} // namespace

void RegisterModelLoad(const BenchConfiguration& config) {
    Register(
        "LoadModel", [] { LoadModelAsTheSheetDoes(); }, "floor",
        [&config] {
            ReadDriverFiles(config.driverFiles());
            ReadLines(config.cataloguePath());
            ReadLines(config.hookStatePath());
        });

    // The floor writes the values SelectAll stores, taken once it has run.
    auto values = std::make_shared<std::vector<StoredValue>>();
    Register(
        "SelectAll", [] { SelectAll(); }, "floor",
        [&config, values] {
            ReadDriverFiles(config.driverFiles());
            ReadLines(config.cataloguePath());
            WriteValues(*values);
        },
        [&config, values] {
            SelectAll();
            *values = CheckerValues(config.registry());
        });
}

} // namespace kelvd::bench
