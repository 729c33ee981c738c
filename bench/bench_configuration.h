// The configuration the benchmarks run on: every table at its capacity (256 drivers, 256 display
// drivers, 128 user drivers, 50 categories of 1020 events), the suite's install directory in a
// scratch directory, and the files the stores write there.
#pragma once

#include "model/scalar_settings.h"

#include <string>
#include <vector>

namespace kelvd::bench {

class BenchConfiguration {
public:
    BenchConfiguration();
    ~BenchConfiguration();
    BenchConfiguration(const BenchConfiguration&) = delete;
    BenchConfiguration& operator=(const BenchConfiguration&) = delete;

    const ScalarSettings& settings() const { return settings_; }
    // The files the operations write and read, as the library spells them.
    std::string hookStatePath() const;
    std::string configPath() const;
    std::string exportPath() const;
    // Every event name of the catalogue, in catalogue order.
    const std::vector<std::string>& eventNames() const { return eventNames_; }

private:
    void FillModel();

    std::string dir_;
    std::vector<std::string> eventNames_;
    ScalarSettings settings_;
};

// The lines of a text file, each with its LF.
std::vector<std::string> FileLines(const std::string& path);
// The bytes of a file.
std::string FileBytes(const std::string& path);

} // namespace kelvd::bench
