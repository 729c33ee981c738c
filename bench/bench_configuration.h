// The machine the benchmarks run on: the full-capacity data set (full_capacity.h) installed on the
// substitute, with the suite's install directory and the system directory in a scratch
// directory, and the model loaded from it as the sheet loads it: 256 drivers, 256 display and
// printer drivers, 128 user drivers, 50 categories of 1020 events.
#pragma once

#include "model/scalar_settings.h"
#include "platform/substitute/memory_registry.h"
#include "platform/system_info.h"

#include <string>
#include <vector>

namespace kelvd::bench {

class BenchConfiguration {
public:
    BenchConfiguration();
    ~BenchConfiguration();
    BenchConfiguration(const BenchConfiguration&) = delete;
    BenchConfiguration& operator=(const BenchConfiguration&) = delete;

    // The scalar settings the stores' operations write: the initial ones.
    const ScalarSettings& settings() const { return settings_; }
    // Puts back what the constructor set up and other benchmarks of the program may change
    // process-wide (the suite's install directory, the platform and run mode, the loaded model).
    void Restore() const;
    // The registry the data set is in.
    const platform::MemoryRegistry& registry() const { return registry_; }
    // The files the operations write and read, as the library spells them.
    std::string hookStatePath() const;
    std::string cataloguePath() const;
    std::string configPath() const;
    std::string exportPath() const;
    // Every driver file the model was loaded from, in table order.
    const std::vector<std::string>& driverFiles() const { return driverFiles_; }
    // Every event name of the catalogue, in catalogue order.
    const std::vector<std::string>& eventNames() const { return eventNames_; }

private:
    void NameSuiteDirectory() const;

    std::string dir_;
    platform::MemoryRegistry registry_;
    platform::ScopedRegistry scopedRegistry_{registry_};
    platform::FixedSystemInfo system_;
    platform::ScopedSystemInfo scopedSystem_{system_};
    ScalarSettings settings_;
    std::vector<std::string> driverFiles_;
    std::vector<std::string> eventNames_;
};

// The model load as the settings sheet does it: the inventory and the catalogue, the stored
// configuration, the hook-state file. The model stays loaded.
void LoadModelAsTheSheetDoes();

} // namespace kelvd::bench
