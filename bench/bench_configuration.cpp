#include "bench_configuration.h"

#include "full_capacity.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "res/string_table.h"
#include "sheet/settings_sheet.h"
#include "stores/hook_state_file.h"
#include "stores/install_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kelvd::bench {

namespace {

// The rows' paths that name files (a display driver's names none).
template <size_t Capacity>
void AddFiles(const DriverTable<Capacity>& table, std::vector<std::string>* files) {
    for (const DriverEntry& row : table)
        if (platform::fileSystem().Open(row.path.c_str(), platform::OpenMode::ReadBinary))
            files->push_back(row.path);
}

} // namespace

BenchConfiguration::BenchConfiguration() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvd-bench.XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch directory");
    dir_ = pattern;
    system_.facts.systemDirectory = dir_ + "\\system32";
    NameSuiteDirectory();
    std::string error;
    if (!fullset::InstallFullCapacity(KELVD_FULLSET_IMAGE, &error) ||
        !fullset::StoreFullCapacitySettings(&error))
        throw std::runtime_error(error);
    LoadModelAsTheSheetDoes();
    const ConfigModel& model = configModel();
    AddFiles(model.drivers, &driverFiles_);
    AddFiles(model.displayDrivers, &driverFiles_);
    AddFiles(model.userDrivers, &driverFiles_);
    for (const ApiCategory& category : model.apiCategories)
        eventNames_.insert(eventNames_.end(), category.eventNames.begin(),
                           category.eventNames.end());
}

void BenchConfiguration::NameSuiteDirectory() const {
    platform::KeyHandle suite;
    suite.Create(platform::kLocalMachine, kSuiteKey, platform::reg::kAllAccess);
    suite.SetString(kInstallDirValue, dir_);
}

void BenchConfiguration::Restore() const {
    NameSuiteDirectory();
    ConfigModel& model = configModel();
    model.isWin9x = false;
    model.runMode = kLocal;
    LoadModelAsTheSheetDoes();
}

BenchConfiguration::~BenchConfiguration() {
    ReleaseCategories(configModel().apiCategories);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::string BenchConfiguration::hookStatePath() const {
    return dir_ + "/hookstate.dat";
}

std::string BenchConfiguration::cataloguePath() const {
    return dir_ + "/KELVD.API";
}

std::string BenchConfiguration::configPath() const {
    return dir_ + "/settings.kwt";
}

std::string BenchConfiguration::exportPath() const {
    return dir_ + "/KVConfig.Reg";
}

void LoadModelAsTheSheetDoes() {
    SettingsSheet sheet(kStrSheetTitle, kLocal);
    sheet.LoadModel();
    sheet.LoadFromRegistry();
    LoadHookState();
}

} // namespace kelvd::bench
