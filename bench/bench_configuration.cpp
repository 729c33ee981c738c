#include "bench_configuration.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "stores/install_dirs.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kelvd::bench {

namespace {

constexpr int kCategories = 50;
constexpr int kEventsPerCategory = 1020;

std::string Numbered(const char* format, int a, int b = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

template <size_t Capacity>
void Fill(DriverTable<Capacity>& table, const char* format, uint32_t state) {
    table.Clear();
    for (int i = 0; !table.IsFull(); ++i) {
        DriverEntry row;
        row.path = Numbered(format, i, i);
        row.checkState = static_cast<uint32_t>(i) % 2 ? state : 0;
        table.Append(row);
    }
}

} // namespace

BenchConfiguration::BenchConfiguration() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvd-bench.XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch directory");
    dir_ = pattern;
    platform::KeyHandle suite;
    suite.Create(platform::kLocalMachine, kSuiteKey, platform::reg::kAllAccess);
    suite.SetString(kInstallDirValue, dir_);
    FillModel();
}

BenchConfiguration::~BenchConfiguration() {
    ConfigModel& model = configModel();
    ReleaseCategories(model.apiCategories);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string BenchConfiguration::hookStatePath() const {
    return dir_ + "/hookstate.dat";
}

std::string BenchConfiguration::configPath() const {
    return dir_ + "/settings.kwt";
}

std::string BenchConfiguration::exportPath() const {
    return dir_ + "/KVConfig.Reg";
}

void BenchConfiguration::FillModel() {
    ConfigModel& model = configModel();
    Fill(model.drivers, "\\SystemRoot\\System32\\DRIVERS\\kdriver%03d.sys", 1);
    Fill(model.displayDrivers, "display%03d.dll", 2);
    Fill(model.userDrivers, "C:\\Projects\\Driver%03d\\objchk\\i386\\driver%03d.sys", 1);
    ReleaseCategories(model.apiCategories);
    for (int c = 0; c < kCategories; ++c) {
        ApiCategory* category = model.apiCategories.AppendSlot();
        category->name = Numbered("Kernel API Category %02d", c);
        category->AllocateEvents(kEventsPerCategory);
        for (int e = 0; e < kEventsPerCategory; ++e) {
            category->eventNames[e] = Numbered("KeCategory%02dRoutine%04d", c, e);
            category->eventFlags[e] = e % 3 == 0;
            eventNames_.push_back(category->eventNames[e]);
        }
        category->checkState = category->StateFromFlags();
    }
}

std::vector<std::string> FileLines(const std::string& path) {
    std::string bytes = FileBytes(path);
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find('\n', start);
        end = end == std::string::npos ? bytes.size() : end + 1;
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &bytes);
    return bytes;
}

} // namespace kelvd::bench
