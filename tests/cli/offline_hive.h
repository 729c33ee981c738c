// kelvcfg's hive tests: a SYSTEM hive file and an in-memory target holding the same services, the
// API catalogue, a hook-state file, and the library's own RunMode 3 store on that target.
#pragma once

#include "cli/hive.h"
#include "cli/hive_target.h"
#include "cli/program.h"
#include "doubles/memory_target.h"
#include "doubles/system_hive.h"
#include "host/demo_target.h"
#include "model/config_model.h"
#include "model/scalar_settings.h"
#include "pages/general_settings_page.h"
#include "platform/file_system.h"
#include "sheet/model_loader.h"
#include "sheet/stored_configuration.h"
#include "stores/install_dirs.h"
#include "support/store_fixture.h"
#include "support/test_drivers.h"
#include "target/target_key.h"
#include "target/target_text.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace kelvcfg::test {

// A value: its name, type and data.
using Value = std::tuple<std::string, uint32_t, std::string>;

struct OfflineHive : kelvd::test::StoreFixture {
    void SetUp() override {
        StoreFixture::SetUp();
        ASSERT_TRUE(platform::WriteSystemHive(HivePath(), controlSet_));
        {
            std::unique_ptr<Hive> hive = Hive::Open(HivePath(), Hive::Mode::Change);
            HiveTarget table(*hive, nullptr);
            FillServices(*table.table());
            hive->Commit();
        }
        FillServices(*target_.table());
        kelvd::test::TempDir::MakeDirectories(dir_.File("reference"));
        for (const std::string dir : {"", "reference\\"}) {
            ASSERT_TRUE(platform::WriteWholeFile(dir_.File(dir + "KELVD.API"),
                                                 "1A2B\n2\n"
                                                 "Memory\n2\n0\n7\nExAllocatePool\nExFreePool\n"
                                                 "Io\n3\n0\n9\nIoCreateDevice\nIoDeleteDevice\n"
                                                 "IoCallDriver\n"));
            ASSERT_TRUE(
                platform::WriteWholeFile(dir_.File(dir + "hookstate.dat"),
                                         "ExAllocatePool=1\nExFreePool=0\nIoCallDriver=1\n"));
        }
    }

    // A path of the test's directory as Linux spells it.
    std::string Native(const std::string& name) const {
        return kelvd::test::TempDir::NativePath(dir_.File(name));
    }
    std::string HivePath() const { return Native("SYSTEM"); }
    // The hive as kelvcfg names it, when Select names the set worked on as Current and Default.
    std::string HivePlace() const { return "hive " + HivePath() + ", " + SetName(controlSet_); }
    static std::string SetName(uint32_t number) { return "ControlSet00" + std::to_string(number); }

    // Changes the hive file through libhivex.
    void EditHive(const std::function<void(hive_h*, hive_node_h root)>& edit) {
        hive_h* handle = hivex_open(HivePath().c_str(), HIVEX_OPEN_WRITE);
        ASSERT_NE(nullptr, handle);
        edit(handle, hivex_root(handle));
        EXPECT_EQ(0, hivex_commit(handle, nullptr, 0));
        hivex_close(handle);
    }

    // The names of the hive's control sets.
    std::vector<std::string> ControlSets() const {
        std::vector<std::string> names;
        const std::unique_ptr<Hive> hive = Hive::Open(HivePath(), Hive::Mode::Read);
        const HivexPtr<hive_node_h> children(hivex_node_children(hive->handle(), hive->root()));
        for (size_t at = 0; children && children.get()[at]; ++at) {
            const HivexPtr<char> name(hivex_node_name(hive->handle(), children.get()[at]));
            if (std::string(name.get()).rfind("ControlSet", 0) == 0)
                names.push_back(name.get());
        }
        return names;
    }

    // kelvcfg with these arguments (--catalogue and --hook-state added when suite), in this
    // process; out_ and err_ get what it prints.
    int Kelvcfg(std::vector<std::string> args, bool suite = true) {
        if (suite)
            args.insert(args.begin(), {"--catalogue", Native("KELVD.API"), "--hook-state",
                                       Native("hookstate.dat")});
        std::ostringstream out, err;
        const int code = Main(args, out, err);
        out_ = out.str();
        err_ = err.str();
        return code;
    }

    // The checker's key in the hive file as libhivex reads it, sorted by name: in the control set
    // of number controlSet, the fixture's when 0.
    std::vector<Value> HiveValues(uint32_t controlSet = 0) const {
        std::vector<Value> values;
        const std::unique_ptr<Hive> hive = Hive::Open(HivePath(), Hive::Mode::Read);
        hive_node_h key = hive->root();
        for (const std::string& name : {SetName(controlSet ? controlSet : controlSet_),
                                        std::string("Services"), std::string("Kelvd")})
            key = key ? hivex_node_get_child(hive->handle(), key, name.c_str()) : 0;
        const HivexPtr<hive_value_h> list(key ? hivex_node_values(hive->handle(), key) : nullptr);
        for (size_t at = 0; list && list.get()[at]; ++at) {
            uint32_t type = 0;
            size_t length = 0;
            const HivexPtr<char> name(hivex_value_key(hive->handle(), list.get()[at]));
            const HivexPtr<char> data =
                HiveValueData(hive->handle(), list.get()[at], &type, &length);
            values.emplace_back(name.get(), type, std::string(data.get(), length));
        }
        std::sort(values.begin(), values.end());
        return values;
    }

    // The same of the in-memory target's key.
    std::vector<Value> TargetValues() {
        platform::MemoryRegistry& registry = target_.registry();
        std::vector<Value> values;
        platform::RegKey key = 0; // none when there is no such key: no values then
        registry.OpenKey(platform::kLocalMachine, kelvd::kTargetServiceKey, platform::reg::kRead,
                         &key);
        std::string name;
        uint32_t type = 0;
        std::vector<uint8_t> data;
        for (uint32_t index = 0; registry.EnumValue(key, index, &name, &type, &data) == 0; ++index)
            values.emplace_back(name, type, std::string(data.begin(), data.end()));
        registry.CloseKey(key);
        std::sort(values.begin(), values.end());
        return values;
    }

    // Stores on the in-memory target as RunMode 3 does after edit (as SelectAll does when
    // selection), with the copies of the catalogue and hook-state file in "reference".
    void StoreReference(const std::function<void(kelvd::ScalarSettings&)>& edit,
                        bool selection = false) {
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

    std::string out_, err_;

protected:
    uint32_t controlSet_ = 1; // the hive's one control set, Current and Default

private:
    static void AddService(const TargetRegistry& target, const std::string& name, uint32_t type,
                           const std::string& imagePath) {
        kelvd::TargetKey key(target);
        if (!key.Create(KELVD_TARGET_ROOT,
                        kelvd::Widen("System\\ControlSet001\\Services\\" + name)))
            return;
        key.SetDword("Type", type);
        key.SetDword("Start", 3);
        const kelvd::TargetString wide = kelvd::Widen(imagePath);
        key.Set("ImagePath", 2, wide.c_str(),
                static_cast<uint32_t>((wide.size() + 1) * sizeof(KelvdTargetChar)));
    }

    // The demonstration's services, a test driver with a version resource, and two never listed:
    // a service that is no driver and the checker's own.
    static void FillServices(const TargetRegistry& target) {
        kwhost::FillDemoTarget(target);
        AddService(target, "Described", 1, kelvd::test::TestDriver("DESCRIBED.SYS"));
        AddService(target, "Spooler", 0x10, "System32\\spoolsv.exe");
        AddService(target, "Probe", 1, "System32\\DRIVERS\\KELVD.SYS");
    }

    kelvd::MemoryTarget target_;
};

} // namespace kelvcfg::test
