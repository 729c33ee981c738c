// kelvcfg on an offline hive writes what the library's RunMode 3 stores on a target with the same
// services; with --dry-run it leaves every byte as it was.
#include "offline_hive.h"

#include "doubles/empty_hive.h"
#include "platform/little_endian.h"
#include "stores/config_file.h"

#include <gtest/gtest.h>

namespace {

using kelvd::ScalarSettings;
using Edit = std::function<void(ScalarSettings&)>;

kelvd::DriverEntry& Row(kelvd::DriverTable<256>& table, const std::string& path) {
    for (kelvd::DriverEntry& row : table)
        if (row.path == path)
            return row;
    throw std::out_of_range(path);
}

void SetFlag(const char* category, size_t event, uint8_t flag) {
    for (kelvd::ApiCategory& row : kelvd::configModel().apiCategories)
        if (row.name == category)
            row.eventFlags[event] = flag;
}

struct HiveCommand {
    const char* name;
    std::vector<std::string> args;
    Edit edit;
};

// Each command on a hive whose control set is ControlSet001, and on one whose is ControlSet002.
struct HiveCommands : kelvcfg::test::OfflineHive,
                      ::testing::WithParamInterface<std::tuple<HiveCommand, uint32_t>> {
    HiveCommands() { controlSet_ = std::get<1>(GetParam()); }
};

TEST_P(HiveCommands, WriteWhatTheEmbeddedTargetStoreWrites) {
    const HiveCommand& command = std::get<0>(GetParam());
    const std::string hive = FileText("SYSTEM"), hookState = FileText("hookstate.dat");
    std::vector<std::string> args = {"--hive", HivePath()};
    args.insert(args.end(), command.args.begin(), command.args.end());
    args.push_back("--dry-run");
    ASSERT_EQ(0, Kelvcfg(args)) << err_;
    EXPECT_EQ(hive, FileText("SYSTEM"));
    EXPECT_EQ(hookState, FileText("hookstate.dat"));
    const std::string dryRun = out_;

    args.pop_back();
    ASSERT_EQ(0, Kelvcfg(args)) << err_;
    EXPECT_EQ("stored: " + HivePlace() + "\nwritten: " + Native("hookstate.dat") + "\n", out_);
    EXPECT_EQ(std::vector<std::string>{SetName(controlSet_)}, ControlSets());
    StoreReference(command.edit, command.args[0].rfind("select-", 0) == 0);
    const std::vector<kelvcfg::test::Value> expected = TargetValues();
    EXPECT_EQ(expected, HiveValues());
    EXPECT_EQ(FileText("reference\\hookstate.dat"), FileText("hookstate.dat"));
    for (const auto& [name, type, data] : expected)
        EXPECT_NE(std::string::npos, dryRun.find("  " + name + "  ")) << name;
    EXPECT_NE(std::string::npos, dryRun.find("hookstate.dat"));
    EXPECT_NE(std::string::npos,
              dryRun.find("registry HKLM\\System\\" + SetName(controlSet_) + "\\Services\\Kelvd  "))
        << dryRun;
}

const HiveCommand kCommands[] = {
    {"SelectAll", {"select-all"}, [](ScalarSettings&) { kelvd::configModel().SetAllChecked(1); }},
    {"SelectNone", {"select-none"}, [](ScalarSettings&) { kelvd::configModel().SetAllChecked(0); }},
    {"DriversOnByNameIgnoringCase",
     {"driver", "on", "atdisk", "KWVGA.DLL"},
     [](ScalarSettings&) {
         Row(kelvd::configModel().drivers, "Atdisk").checkState = 1;
         Row(kelvd::configModel().displayDrivers, "kwvga.dll").checkState = 2;
     }},
    {"DriverAdded",
     {"driver", "add", "C:\\Tools\\probe.sys"},
     [](ScalarSettings&) {
         kelvd::DriverEntry row;
         row.path = "C:\\Tools\\probe.sys";
         row.checkState = 1;
         kelvd::configModel().userDrivers.Append(row);
     }},
    {"EventsAndCategories",
     {"event", "on", "ExFreePool", "IoCreateDevice"},
     [](ScalarSettings&) {
         SetFlag("Memory", 1, 1);
         SetFlag("Io", 0, 1);
     }},
    {"CategoryOff",
     {"category", "off", "memory"},
     [](ScalarSettings&) { SetFlag("Memory", 0, 0); }},
    {"Settings",
     {"set", "MemUsage=4096", "StackThreshold=800", "DRPopup=2", "NumGuardBytes=32",
      "MemTrackingOn=off", "Start=disabled"},
     [](ScalarSettings& settings) { settings = {4096, 0x800, 2, 3, 32, 0}; }},
};

INSTANTIATE_TEST_SUITE_P(Kelvcfg, HiveCommands,
                         ::testing::Combine(::testing::ValuesIn(kCommands),
                                            ::testing::Values(1u, 2u)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "InControlSet" +
                                    std::to_string(std::get<1>(info.param));
                         });

struct HiveFiles : kelvcfg::test::OfflineHive {};

// diff names every difference; the changed file loads into the hive as the sheet loads it.
TEST_F(HiveFiles, SavedThenChangedFileLoadsIntoTheHiveAsTheSheetLoadsIt) {
    const std::string file = Native("a.kwt");
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "save", file})) << err_;
    EXPECT_EQ(4, Kelvcfg({"--config", file, "select-none"}, false));
    EXPECT_NE(std::string::npos, err_.find("the 2 API categories of " + file + " would be lost"))
        << err_;
    ASSERT_EQ(0, Kelvcfg({"--config", file, "driver", "on", "Serial"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--config", file, "set", "MemUsage=2048"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--config", file, "event", "off", "ExAllocatePool"})) << err_;
    EXPECT_EQ(6, Kelvcfg({"diff", "--hive", HivePath(), "--config", file}));
    const std::string places = "A: " + HivePlace() + "\nB: configuration file " + file + "\n";
    EXPECT_EQ(places + "setting MemUsage: 1024 KB | 2048 KB\ndisplay kwvga.dll: off | -\n"
                       "driver Serial: off | on\napi Memory / ExAllocatePool: on | off\n",
              out_);
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "load", file})) << err_;
    StoreReference(
        [&](ScalarSettings& settings) { settings = *kelvd::LoadConfigFile(dir_.File("a.kwt")); });
    EXPECT_EQ(TargetValues(), HiveValues());
    EXPECT_EQ(6, Kelvcfg({"diff", "--hive", HivePath(), "--config", file}));
    EXPECT_EQ(places + "display kwvga.dll: off | -\n", out_);
    EXPECT_EQ(0, Kelvcfg({"diff", "--config", file, "--config", file})) << out_;
    EXPECT_EQ("no differences\n", out_.substr(out_.rfind('\n', out_.size() - 2) + 1));
}

TEST_F(HiveFiles, FarhandExportIsTheLibrarysExport) {
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "export-farhand", Native("KVConfig.Reg")}));
    const std::string exported = FileText("KVConfig.Reg");
    EXPECT_EQ(0u, exported.find("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet"));
    EXPECT_NE(std::string::npos, exported.find("\"Driver\"=hex:41,74,64,69,73,6b,00,00"));
}

// What Windows looks at and libhivex does not: equal sequence numbers, the root key's flag, its
// security cell linked to itself and counting one key, and one ACL giving everyone full access.
TEST(EmptyHive, BaseBlockRootAndSecurityAsWindowsReadsThem) {
    const std::string hive = platform::EmptyHive("SYSTEM");
    const auto at = [&](size_t offset) {
        return platform::LoadUint32(reinterpret_cast<const uint8_t*>(&hive[offset]));
    };
    EXPECT_EQ(std::string("regf\1\0\0\0\1\0\0\0", 12), hive.substr(0, 12));
    const size_t root = 0x1000 + at(0x24), descriptor = 0x1000 + at(root + 0x30) + 24;
    EXPECT_EQ(std::string("nk\x2C\0", 4), hive.substr(root + 4, 4));
    for (size_t link : {16, 12}) // the list of security cells: this one alone, both ways
        EXPECT_EQ(at(root + 0x30), at(descriptor - link));
    EXPECT_EQ(1u, at(descriptor - 8));
    const std::string acl("\x02\0\x1C\0\x01\0\0\0"          // revision 2, 28 bytes, one ACE
                          "\0\0\x14\0\x3F\0\x0F\0"          // allowed, 20 bytes, KEY_ALL_ACCESS
                          "\x01\x01\0\0\0\0\0\x01\0\0\0\0", // S-1-1-0
                          28);
    EXPECT_EQ(at(descriptor - 4), at(descriptor + 16) + acl.size());
    EXPECT_EQ(acl, hive.substr(descriptor + at(descriptor + 16), acl.size()));
}

} // namespace
