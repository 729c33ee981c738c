#include "stores/registry_store.h"

#include "platform/substitute/memory_registry.h"
#include "platform/system_info.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using kelvd::test::Dword;
using namespace std::string_literals;

struct RegistryStore : test::StoreFixture {
    static void PutBinary(const char* name, const std::string& bytes) {
        Put(kServiceKey, name, platform::reg::kBinary, bytes);
    }

    // A configuration with a row in every NT table and a category.
    void Configure() {
        AddRow(model_.drivers, "a.sys", 1);
        AddRow(model_.drivers, "b.sys", 0);
        AddRow(model_.displayDrivers, "vga.dll", 2);
        AddRow(model_.userDrivers, "C:\\x\\mine.sys", 1);
        AddCategory(model_.apiCategories, "Memory", {1, 0, 1});
        AddCategory(model_.apiCategories, "Empty", {});
        Hold({4096, 0x1000, 1, 3, 16, 0});
    }

    platform::FixedSystemInfo windows2000_;
    platform::FixedSystemInfo windowsNt4_{platform::SystemFacts{0x05650004}};
};

TEST_F(RegistryStore, ServiceKeyKeepsAStartItCanReadAndHasTheGroupOfNt4) {
    platform::ScopedSystemInfo nt4(windowsNt4_);
    WriteServiceKey();
    EXPECT_EQ("System Bus Extender\0"s, ServiceValue("Group").second);
    EXPECT_EQ(Dword(0), ServiceValue("Start").second);
    PutDword(kServiceKey, "Start", 3);
    WriteServiceKey();
    EXPECT_EQ(Dword(3), ServiceValue("Start").second);
    PutBinary("Start", "\3\0"); // unreadable as a DWORD: replaced
    WriteServiceKey();
    EXPECT_EQ(Dword(0), ServiceValue("Start").second);
}

TEST_F(RegistryStore, SavedConfigurationLoadsBackWholeAndEmptyUserDriversRemoveTheValue) {
    platform::ScopedSystemInfo windows2000(windows2000_);
    Configure();
    SaveToRegistry(settings_); // every value in its stored form
    using platform::reg::kBinary;
    const std::pair<const char*, uint32_t> dwords[] = {
        {"MemUsage", 4096}, {"StackThreshold", 0x1000}, {"DRPopup", 1},
        {"Start", 3},       {"NumGuardBytes", 16},      {"MemTrackingOn", 0},
        {"Type", 1},        {"ErrorControl", 1},        {"Tag", 1}};
    for (const auto& [name, value] : dwords)
        EXPECT_EQ(std::make_pair(platform::reg::kDword, Dword(value)), ServiceValue(name)) << name;
    const std::pair<const char*, std::pair<uint32_t, std::string>> others[] = {
        {"Group", {platform::reg::kSz, "Boot Bus Extender\0"s}},
        {"Memory", {kBinary, "\3\0\0\0\1\0\1"s}},
        {"Empty", {kBinary, "\0\0\0\0"s}},
        {"Driver", {kBinary, "a.sys\0\1b.sys\0\0\0"s}},
        {"InstalledDisplayDrivers", {kBinary, "vga.dll\0\2\0"s}},
        {"UserDriver", {kBinary, "C:\\x\\mine.sys\0\1\0"s}}};
    for (const auto& [name, value] : others)
        EXPECT_EQ(value, ServiceValue(name)) << name;
    for (int i = 0; i < 254; ++i) // lists and categories longer than a first read
        AddRow(model_.drivers, "C:\\Some\\Long\\Directory\\driver" + std::to_string(i) + ".sys",
               i % 2);
    AddCategory(model_.apiCategories, "Large", std::vector<uint8_t>(5000, 1));
    SaveToRegistry(settings_);
    EXPECT_EQ(5004u, ServiceValue("Large").second.size());
    std::vector<uint32_t> saved = AllStates();
    model_.SetAllChecked(0); // as a fresh inventory leaves the lists, and other settings
    Hold({2000, 0x2000, 2, 0, 32, 1});
    Take(LoadFromRegistry());
    EXPECT_EQ(saved, AllStates());
    EXPECT_EQ((ScalarSettings{4096, 0x1000, 1, 3, 16, 0}), Held());
    ASSERT_EQ(1u, model_.userDrivers.Count());
    EXPECT_EQ("C:\\x\\mine.sys", model_.userDrivers[0].path);
    model_.userDrivers.Clear(); // an empty list removes the value
    SaveToRegistry(settings_);
    EXPECT_EQ(0u, ServiceValue("UserDriver").first);
    Take(LoadFromRegistry());
    EXPECT_EQ(0u, model_.userDrivers.Count());
}

TEST_F(RegistryStore, ScalarsOfAnotherSizeGiveTheInitialValueAndTheTypeIsNotChecked) {
    PutBinary("MemUsage", "\1\2");                      // too short
    PutBinary("StackThreshold", "\0\x10\0\0\0\0\0\0"s); // too long
    Put(kServiceKey, "DRPopup", platform::reg::kSz, "\2\0\0\0"s);
    Take(LoadFromRegistry());
    ScalarSettings expected;
    expected.drPopup = 2;
    EXPECT_EQ(expected, Held());
}

std::vector<std::string> UserNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.push_back("u" + std::to_string(i) + ".sys");
    return names;
}
// The stored list of count user drivers named as UserNames names them, all selected.
std::string UserList(int count) {
    std::string list;
    for (const std::string& name : UserNames(count))
        list += name + "\0"s + '\1';
    return list + '\0';
}

struct ListCase {
    const char* what;
    std::optional<std::string> driver;
    std::string userDriver;
    std::vector<uint32_t> states; // of a.sys and vga.dll
    std::vector<std::string> userPaths;
};

// Rows a.sys, vga.dll and the user row u.sys, all unselected, load the stored lists.
struct StoredLists : RegistryStore, ::testing::WithParamInterface<ListCase> {};

TEST_P(StoredLists, GiveTheirStatesToTheRows) {
    AddRow(model_.drivers, "a.sys", 0);
    AddRow(model_.displayDrivers, "vga.dll", 0);
    AddRow(model_.userDrivers, "u.sys", 0);
    if (GetParam().driver)
        PutBinary("Driver", *GetParam().driver);
    PutBinary("UserDriver", GetParam().userDriver);
    PutBinary("InstalledDisplayDrivers", "vga.dll\0\2\0"s);
    Take(LoadFromRegistry());
    std::vector<uint32_t> states = AllStates();
    states.resize(2);
    EXPECT_EQ(GetParam().states, states) << GetParam().what;
    EXPECT_EQ(GetParam().userPaths, test::Paths(model_.userDrivers)) << GetParam().what;
}

// A user entry naming a drivers row sets that row, the later entry winning; without a Driver
// list no list is read.
INSTANTIATE_TEST_SUITE_P(
    Cases, StoredLists,
    ::testing::Values(
        ListCase{"unknown", "gone.sys\0\1a.sys\0\1\0"s, "\0"s, {1, 2}, {}},
        ListCase{"drivers row", "a.sys\0\2\0"s, "C:\\A.SYS\0\1c.sys\0\1\0"s, {1, 2}, {"c.sys"}},
        ListCase{"no Driver list", std::nullopt, UserList(1), {0, 0}, {"u.sys"}},
        ListCase{"at most 128 user rows", "\0"s, UserList(200), {0, 2}, UserNames(128)}));

// A key that refuses changes: what stands there stays, and nothing is read into a fresh key.
TEST_F(RegistryStore, LockedSaveLeavesWhatWasThereAndLoadWithoutAKeyChangesNothing) {
    platform::MemoryRegistry registry;
    platform::ScopedRegistry scope(registry);
    PutDword(kServiceKey, "MemUsage", 5000);
    registry.SetReadOnly(kServiceKey, true);
    Configure();
    SaveToRegistry(settings_);
    EXPECT_EQ(Dword(5000), ServiceValue("MemUsage").second);
    EXPECT_EQ(0u, ServiceValue("Driver").first);
    registry.SetReadOnly(kServiceKey, false);
    platform::DeleteKeyTree(platform::kLocalMachine, "System");
    registry.SetReadOnly("System", true); // no key, and none can be created
    Take(LoadFromRegistry());
    EXPECT_EQ((ScalarSettings{4096, 0x1000, 1, 3, 16, 0}), Held());
    EXPECT_EQ(0u, registry.OpenHandleCount());
}

} // namespace
