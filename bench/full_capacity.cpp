#include "full_capacity.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system_info.h"
#include "sheet/model_loader.h"
#include "stores/hook_state_file.h"
#include "stores/install_dirs.h"
#include "stores/registry_store.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <system_error>

namespace kelvd::fullset {

namespace {

namespace reg = platform::reg;

constexpr uint32_t kCatalogueVersion = 0x10A;
constexpr const char* kServicesKey = "System\\CurrentControlSet\\Services";
constexpr const char* kVideoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr const char* kPrinterDriverKey =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\"
    "Windows NT x86\\Drivers\\Version-3";
constexpr uint32_t kPathSize = 512;
constexpr uint32_t kKernelDriver = 1;
constexpr uint32_t kDemandStart = 3;
constexpr const char* kGroups[] = {"Base", "Filter", "NDIS", "SCSI miniport", "Extended base"};

std::string Numbered(const char* format, uint32_t a, uint32_t b = 0) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string SystemDirectory() {
    return platform::systemInfo().SystemDirectory(kPathSize);
}

std::string SuiteDirectory() {
    std::string dir;
    GetSuiteInstallDir(&dir);
    return dir;
}

// Creates a directory and its parents, named as the platform names paths.
bool MakeDirectories(std::string path) {
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error;
}

// A step of the installation: false, with the reason, when it failed.
bool Failed(std::string* error, const std::string& what) {
    *error = what;
    return false;
}

// True when every one of a key's writes succeeded.
bool AllWritten(std::initializer_list<int32_t> results) {
    return std::all_of(results.begin(), results.end(),
                       [](int32_t result) { return result == reg::kSuccess; });
}

bool PutText(const platform::KeyHandle& key, const char* name, uint32_t type,
             const std::string& text) {
    return platform::registry().SetValue(key.get(), name, type,
                                         reinterpret_cast<const uint8_t*>(text.c_str()),
                                         static_cast<uint32_t>(text.size() + 1)) == reg::kSuccess;
}

std::string CatalogueText() {
    std::string text = Numbered("%X\n", kCatalogueVersion) + Numbered("%u\n", kCategories);
    for (uint32_t c = 0; c < kCategories; ++c) {
        text += CategoryName(c) + "\n" + Numbered("%u\n0\n%u\n", kEventsPerCategory, c);
        for (uint32_t e = 0; e < kEventsPerCategory; ++e)
            text += EventName(c, e) + "\n";
    }
    return text;
}

// count copies of image in dir, the file names made by format with their number.
bool WriteImages(const std::string& dir, const char* format, uint32_t count,
                 const std::string& image, std::string* error) {
    if (!MakeDirectories(dir))
        return Failed(error, "cannot create " + dir);
    for (uint32_t i = 0; i < count; ++i)
        if (!platform::WriteWholeFile(dir + "\\" + Numbered(format, i), image))
            return Failed(error, "cannot write " + dir + "\\" + Numbered(format, i));
    return true;
}

bool CreateKey(const std::string& path, platform::KeyHandle* key, std::string* error) {
    return key->Create(platform::kLocalMachine, path.c_str(), reg::kAllAccess) ||
           Failed(error, "cannot create the key " + path);
}

// Kernel driver services that start on demand or are disabled, so that no service manager tries
// to load them.
bool RegisterServices(const std::string& image, std::string* error) {
    if (!WriteImages(SystemDirectory() + "\\drivers", "kwdrv%03u.sys", kServices, image, error))
        return false;
    for (uint32_t i = 0; i < kServices; ++i) {
        platform::KeyHandle key;
        if (!CreateKey(std::string(kServicesKey) + Numbered("\\Kwdrv%03u", i), &key, error))
            return false;
        if (!AllWritten(
                {key.SetDword("Type", kKernelDriver),
                 key.SetDword("Start", kDemandStart + i % 2), // demand start or disabled
                 key.SetDword("ErrorControl", 1),
                 key.SetString("Group", kGroups[i % std::size(kGroups)]),
                 key.SetString("DisplayName", Numbered("Kitwright test driver %03u", i)),
                 key.SetString("ImagePath", Numbered("System32\\drivers\\kwdrv%03u.sys", i))}))
            return Failed(error, Numbered("cannot register the service Kwdrv%03u", i));
    }
    return true;
}

// A display device, unless the machine has one already (Windows makes its own at every start).
bool RegisterDisplayDevice(std::string* error) {
    platform::KeyHandle map;
    if (!CreateKey(kVideoMap, &map, error))
        return false;
    uint32_t type = 0, size = 0;
    if (platform::registry().QueryValue(map.get(), "\\Device\\Video0", &type, nullptr, &size) ==
        reg::kSuccess)
        return true;
    const std::string device = std::string(kServicesKey) + "\\Kwvga\\Device0";
    platform::KeyHandle key;
    if (!CreateKey(device, &key, error))
        return false;
    if (!PutText(key, "InstalledDisplayDrivers", reg::kMultiSz, std::string("kwvga") + '\0') ||
        !AllWritten({key.SetString("Device Description", "Kitwright test display adapter"),
                     map.SetString("\\Device\\Video0", "\\Registry\\Machine\\" + device)}))
        return Failed(error, "cannot register the display device");
    return true;
}

bool RegisterPrinterDrivers(const std::string& image, std::string* error) {
    if (!WriteImages(SystemDirectory() + "\\spool\\drivers\\w32x86\\3", "kwprn%03u.dll",
                     kPrinterDrivers, image, error))
        return false;
    for (uint32_t i = 0; i < kPrinterDrivers; ++i) {
        platform::KeyHandle key;
        if (!CreateKey(std::string(kPrinterDriverKey) + Numbered("\\Kitwright Printer %03u", i),
                       &key, error))
            return false;
        if (key.SetString("Driver", Numbered("kwprn%03u.dll", i)) != reg::kSuccess)
            return Failed(error, Numbered("cannot register the printer driver %03u", i));
    }
    return true;
}

std::string UserDriverPath(uint32_t index) {
    return SuiteDirectory() + Numbered("\\Projects\\driver%03u.sys", index);
}

} // namespace

std::string CategoryName(uint32_t category) {
    return Numbered("Kernel API Category %02u", category);
}

std::string EventName(uint32_t category, uint32_t event) {
    return Numbered("KeCategory%02uRoutine%04u", category, event);
}

bool InstallFullCapacity(const std::string& imagePath, std::string* error) {
    std::string image;
    if (!platform::ReadWholeFile(imagePath, platform::OpenMode::ReadBinary, &image))
        return Failed(error, "cannot read the driver image " + imagePath);
    const std::string suite = SuiteDirectory();
    if (suite.empty())
        return Failed(error, "the suite has no install directory");
    if (!platform::WriteWholeFile(suite + "\\KELVD.API", CatalogueText()))
        return Failed(error, "cannot write " + suite + "\\KELVD.API");
    return RegisterServices(image, error) && RegisterDisplayDevice(error) &&
           RegisterPrinterDrivers(image, error) &&
           WriteImages(suite + "\\Projects", "driver%03u.sys", kUserDrivers, image, error);
}

bool StoreFullCapacitySettings(std::string* error) {
    ConfigModel& model = configModel();
    model.isWin9x = false;
    model.runMode = kLocal;
    ModelLoader loader;
    const bool loaded = loader.LoadModel(0, nullptr);
    const std::string counts = Numbered("%u drivers, %u display and printer drivers",
                                        model.drivers.Count(), model.displayDrivers.Count()) +
                               Numbered(", %u categories", model.apiCategories.Count());
    if (!loaded || !model.drivers.IsFull() || !model.displayDrivers.IsFull() ||
        model.apiCategories.Count() != kCategories) {
        ReleaseModel();
        return Failed(error, "the model is not full: " + counts);
    }
    for (uint32_t i = 0; i < kUserDrivers; ++i) {
        DriverEntry row;
        row.path = UserDriverPath(i);
        model.userDrivers.Append(row);
    }
    for (uint32_t i = 0; i < model.drivers.Count(); ++i)
        model.drivers[i].checkState = i % 2;
    for (uint32_t i = 0; i < model.displayDrivers.Count(); ++i)
        model.displayDrivers[i].checkState = i % 2 ? 2 : 0;
    for (uint32_t i = 0; i < model.userDrivers.Count(); ++i)
        model.userDrivers[i].checkState = i % 2;
    for (ApiCategory& category : model.apiCategories) {
        for (uint32_t e = 0; e < category.eventCount; ++e)
            category.eventFlags[e] = e % 3 == 0;
        category.checkState = category.StateFromFlags();
    }
    ScalarSettings settings;
    settings.start = 3;
    SaveToRegistry(settings);
    SaveHookState();
    ReleaseModel();
    return true;
}

} // namespace kelvd::fullset
