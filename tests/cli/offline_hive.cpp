#include "offline_hive.h"

#include "cli/hive.h"
#include "cli/hive_target.h"
#include "doubles/memory_target.h"
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
#include <cstdio>
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

// A value as hivexget prints it.
std::string RegeditLine(const std::string& name, uint32_t type, const std::string& data) {
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(data[at]); };
    char text[64];
    if (type == 4 && data.size() == 4) {
        std::snprintf(text, sizeof text, "dword:%08x",
                      byte(0) | byte(1) << 8 | byte(2) << 16 | uint32_t(byte(3)) << 24);
        return "\"" + name + "\"=" + text;
    }
    if (type == 1) {
        std::string line = "\"" + name + "\"=\"";
        for (size_t at = 0; at + 1 < data.size() && (data[at] || data[at + 1]); at += 2)
            line += data[at];
        return line + "\"";
    }
    std::string line = "\"" + name + "\"=hex(" + std::to_string(type) + "):";
    for (size_t at = 0; at < data.size(); ++at) {
        std::snprintf(text, sizeof text, at ? ",%02x" : "%02x", byte(at));
        line += text;
    }
    return line;
}

} // namespace

void FillServices(const TargetRegistry& target) {
    kwhost::FillDemoTarget(target);
    AddService(target, "Described", 1, kelvd::test::TestDriver("DESCRIBED.SYS"));
    AddService(target, "Spooler", 0x10, "System32\\spoolsv.exe");
    AddService(target, "Probe", 1, "System32\\DRIVERS\\KELVD.SYS");
}

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

std::vector<std::string> OfflineHive::HiveValues() const {
    std::vector<std::string> lines;
    const std::string command =
        "hivexget '" + HivePath() + "' '\\ControlSet001\\Services\\Kelvd' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    char line[65536];
    while (pipe && std::fgets(line, sizeof line, pipe)) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        lines.push_back(text);
    }
    if (pipe)
        pclose(pipe);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<std::string> OfflineHive::TargetValues() {
    platform::MemoryRegistry& registry = target_.registry();
    std::vector<std::string> lines;
    platform::RegKey key = 0;
    if (registry.OpenKey(platform::kLocalMachine, kelvd::kTargetServiceKey, platform::reg::kRead,
                         &key) != platform::reg::kSuccess)
        return lines;
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t index = 0; registry.EnumValue(key, index, &name, &type, &data) == 0; ++index)
        lines.push_back(RegeditLine(name, type, std::string(data.begin(), data.end())));
    registry.CloseKey(key);
    std::sort(lines.begin(), lines.end());
    return lines;
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
