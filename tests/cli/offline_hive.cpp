#include "offline_hive.h"

#include "cli/hive.h"
#include "cli/hive_target.h"
#include "doubles/system_hive.h"
#include "host/demo_target.h"
#include "model/config_model.h"
#include "pages/general_settings_page.h"
#include "platform/file_system.h"
#include "sheet/model_loader.h"
#include "sheet/stored_configuration.h"
#include "stores/install_dirs.h"
#include "support/test_drivers.h"
#include "target/target_key.h"
#include "target/target_text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvcfg::test {

namespace {

constexpr const char* kCatalogue = "1A2B\n"
                                   "2\n"
                                   "Memory\n2\n0\n7\nExAllocatePool\nExFreePool\n"
                                   "Io\n3\n0\n9\nIoCreateDevice\nIoDeleteDevice\nIoCallDriver\n";
constexpr const char* kHookState = "ExAllocatePool=1\nExFreePool=0\nIoCallDriver=1\n";

void AddService(const TargetRegistry& target, const std::string& name, uint32_t type,
                const std::string& imagePath) {
    kelvd::TargetKey key(target);
    if (!key.Create(KELVD_TARGET_ROOT, kelvd::Widen("System\\ControlSet001\\Services\\" + name)))
        return;
    key.SetDword("Type", type);
    key.SetDword("Start", 3);
    const kelvd::TargetString wide = kelvd::Widen(imagePath);
    key.Set("ImagePath", 2, wide.c_str(),
            static_cast<uint32_t>((wide.size() + 1) * sizeof(KelvdTargetChar)));
}

// The demonstration host's driver services, one whose image is a driver file of the tests (with
// a version resource), one service that is no driver and one whose image is the checker's own
// (both never listed).
void FillServices(const TargetRegistry& target) {
    kwhost::FillDemoTarget(target);
    AddService(target, "Described", 1, kelvd::test::TestDriver("DESCRIBED.SYS"));
    AddService(target, "Spooler", 0x10, "System32\\spoolsv.exe");
    AddService(target, "Probe", 1, "System32\\DRIVERS\\KELVD.SYS");
}

} // namespace

void OfflineHive::SetUp() {
    StoreFixture::SetUp();
    ASSERT_TRUE(platform::WriteSystemHive(HivePath()));
    {
        std::unique_ptr<Hive> hive = Hive::Open(HivePath(), Hive::Mode::Change);
        HiveTarget table(*hive, nullptr);
        FillServices(*table.table());
        hive->Commit();
    }
    FillServices(*target_.table());
    std::filesystem::create_directory(Native("reference"));
    for (const std::string dir : {"", "reference\\"}) {
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File(dir + "KELVD.API"), kCatalogue));
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File(dir + "hookstate.dat"), kHookState));
    }
}

std::string OfflineHive::Native(const std::string& name) const {
    std::string path = dir_.File(name);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

int OfflineHive::Kelvcfg(std::vector<std::string> args, bool suite) {
    if (suite)
        args.insert(args.begin(),
                    {"--catalogue", Native("KELVD.API"), "--hook-state", Native("hookstate.dat")});
    std::ostringstream out, err;
    const int code = Main(args, out, err);
    out_ = out.str();
    err_ = err.str();
    return code;
}

std::vector<Value> OfflineHive::HiveValues() const {
    std::vector<Value> values;
    const std::unique_ptr<Hive> hive = Hive::Open(HivePath(), Hive::Mode::Read);
    hive_node_h key = hive->root();
    for (const char* name : {"ControlSet001", "Services", "Kelvd"})
        key = key ? hivex_node_get_child(hive->handle(), key, name) : 0;
    const HivexPtr<hive_value_h> list(key ? hivex_node_values(hive->handle(), key) : nullptr);
    for (size_t at = 0; list && list.get()[at]; ++at) {
        uint32_t type = 0;
        size_t length = 0;
        const HivexPtr<char> name(hivex_value_key(hive->handle(), list.get()[at]));
        const HivexPtr<char> data = HiveValueData(hive->handle(), list.get()[at], &type, &length);
        values.emplace_back(name.get(), type, std::string(data.get(), length));
    }
    std::sort(values.begin(), values.end());
    return values;
}

std::vector<Value> OfflineHive::TargetValues() {
    platform::MemoryRegistry& registry = target_.registry();
    std::vector<Value> values;
    platform::RegKey key = 0;
    if (registry.OpenKey(platform::kLocalMachine, kelvd::kTargetServiceKey, platform::reg::kRead,
                         &key) != platform::reg::kSuccess)
        return values;
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t index = 0; registry.EnumValue(key, index, &name, &type, &data) == 0; ++index)
        values.emplace_back(name, type, std::string(data.begin(), data.end()));
    registry.CloseKey(key);
    std::sort(values.begin(), values.end());
    return values;
}

void OfflineHive::StoreReference(const std::function<void(kelvd::ScalarSettings&)>& edit,
                                 bool selection) {
    PutString(kelvd::kSuiteKey, kelvd::kInstallDirValue, dir_.File("reference"));
    kelvd::ModelLoader loader;
    kelvd::ScalarSettings settings;
    loader.LoadModel(0, target_.table());
    if (!selection) {
        settings = kelvd::LoadStoredConfiguration(target_.table()).value_or(settings);
        settings.start = kelvd::StartAsShown(settings.start);
    }
    edit(settings);
    kelvd::StoreConfiguration(kelvd::kEmbeddedTarget, target_.table(), settings, 0);
    kelvd::ReleaseModel();
}

std::string OfflineHive::Bytes(const std::string& path) const {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

} // namespace kelvcfg::test
