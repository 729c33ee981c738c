// Saving to and loading from the embedded target: the checker's service key and settings.
#include "target/target_store.h"

#include "platform/system_info.h"
#include "support/store_fixture.h"
#include "target/target_drivers.h"
#include "target/target_key.h"
#include "target/target_service_key.h"
#include "test_host.h"

#include <numeric>

namespace {

using namespace kelvd;
using kelvd::test::Dword;
using kelvd::test::TestHost;
using platform::reg::kMoreData;
using platform::reg::kSuccess;

struct ServiceKeyCase {
    const char* name;
    uint32_t version;
    bool sizesInCharacters;
    uint32_t start; // found in the key; 0 when none is there
    const char* group;
    size_t padding = 0; // zero bytes after the group's terminator
};

struct TargetServiceKey : ::testing::TestWithParam<ServiceKeyCase> {};

TEST_P(TargetServiceKey, HoldsTheCheckerValuesTheStartItHadAndTheWholeGroupName) {
    platform::FixedSystemInfo system;
    system.facts.version = GetParam().version;
    platform::ScopedSystemInfo scoped(system);
    TestHost host;
    host.sizesInCharacters = GetParam().sizesInCharacters;
    if (GetParam().start)
        host.PutDword(kTargetServiceKey, "Start", GetParam().start);
    WriteTargetServiceKey(*host.table());
    for (const char* name : {"Type", "ErrorControl", "Tag"})
        EXPECT_EQ(Dword(1), host.Bytes(kTargetServiceKey, name)) << name;
    EXPECT_EQ(Dword(GetParam().start), host.Bytes(kTargetServiceKey, "Start"));
    EXPECT_EQ(TestHost::Utf16(GetParam().group) + std::string(GetParam().padding, '\0'),
              host.Bytes(kTargetServiceKey, "Group"));
    EXPECT_EQ(0u, host.registry().OpenHandleCount());
}

const uint32_t kWindows2000 = platform::SystemFacts().version;

INSTANTIATE_TEST_SUITE_P(
    Hosts, TargetServiceKey,
    ::testing::Values(ServiceKeyCase{"Windows2000", kWindows2000, false, 0, "Boot Bus Extender"},
                      ServiceKeyCase{"Nt4WithAStart", 0x05650004, false, 3, "System Bus Extender"},
                      // a host counting characters gets the name terminated and no more
                      ServiceKeyCase{"SizesInCharacters", kWindows2000, true, 0,
                                     "Boot Bus Extender", 36}),
    [](const auto& info) { return info.param.name; });

struct TargetStore : test::StoreFixture {
    void SetUp() override {
        StoreFixture::SetUp();
        InstallSuite();
    }

    // A value of the target's checker key: its bytes, or "(none)".
    std::string Value(const char* name) { return host_.Bytes(kTargetServiceKey, name); }

    TestHost host_;
};

TEST_F(TargetStore, SavedSettingsButStartAndTheHookStateLoadBack) {
    EXPECT_FALSE(LoadFromTarget(*host_.table())); // no checker key yet: nothing to load
    AddRow(model_.drivers, "Atdisk", 1);
    AddRow(model_.displayDrivers, "mga64.dll", 2);
    AddRow(model_.userDrivers, "C:\\u.sys", 1);
    // A name reaches the target converted from the ANSI code page (1252 here), where 0x80 to 0x9F
    // are characters such as the euro sign, not the C1 controls of Latin-1.
    std::string name(32, '\0');
    std::iota(name.begin(), name.end(), '\x80');
    AddCategory(model_.apiCategories, name, {0, 1});
    Hold({4096, 0x800, 2, 3, 32, 0});
    SaveToTarget(*host_.table(), settings_);
    EXPECT_EQ(std::string("\0\x10\0\0", 4), Value("MemUsage"));
    // Start comes from the service entries written first (0 when absent), never from the page.
    EXPECT_EQ(std::string(4, '\0'), Value("Start"));
    EXPECT_NE("(none)", Value("Group"));
    EXPECT_EQ(std::string("\2\0\0\0\0\1", 6), Value(name.c_str()));
    EXPECT_EQ(std::string("Atdisk\0\1\0", 9), Value("Driver"));
    EXPECT_EQ(std::string("mga64.dll\0\2\0", 12), Value("InstalledDisplayDrivers"));
    EXPECT_EQ(std::string("C:\\u.sys\0\1\0", 11), Value("UserDriver"));
    host_.PutDword(kTargetServiceKey, "Start", 3);
    model_.SetAllChecked(0);
    Hold(ScalarSettings());
    Take(LoadFromTarget(*host_.table()));
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 3, 32, 0}), Held()); // Start as the target has it
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 1}), AllStates());
}

TEST_F(TargetStore, UserDriverIsNeverRemovedAndEveryEntryBecomesAUserRow) {
    AddRow(model_.drivers, "a.sys", 0);
    AddRow(model_.userDrivers, "C:\\A.SYS", 1);
    SaveToTarget(*host_.table(), settings_);
    model_.userDrivers.Clear();
    SaveToTarget(*host_.table(), settings_);
    EXPECT_EQ(std::string("C:\\A.SYS\0\1\0", 11), Value("UserDriver"));
    Take(LoadFromTarget(*host_.table()));
    EXPECT_EQ(std::vector<std::string>{"C:\\A.SYS"}, test::Paths(model_.userDrivers));
    EXPECT_EQ(0u, model_.drivers[0].checkState); // not given to the drivers row of its name
}

TEST_F(TargetStore, ListsLongerThanTheFirstBufferReadBackWhole) {
    for (int i = 0; i < 256; ++i)
        AddRow(model_.drivers, "C:\\A\\Long\\Directory\\For\\Every\\Driver\\d" + std::to_string(i),
               1);
    SaveToTarget(*host_.table(), settings_);
    EXPECT_GT(Value("Driver").size(), 8192u);
    model_.SetAllChecked(0);
    Take(LoadFromTarget(*host_.table()));
    EXPECT_EQ(1u, model_.drivers[255].checkState);
}

// Hosts that misbehave in one way each, over a target with a driver service and checker values.
struct Misbehaviour {
    const char* name;
    void (*apply)(TargetRegistry& host, TestHost& target);
    size_t drivers; // the services enumerated
    bool loads, saves;
};

TargetRegistry* honest;

// QueryValue answers that lie about the size, over the honest target's, unless offered that size.
template <uint32_t kSize, int32_t kResult>
int32_t KELVD_TARGET_API Lie(KelvdTargetKey key, const KelvdTargetChar* name, uint32_t* reserved,
                             uint32_t* type, uint8_t* data, uint32_t* size) {
    const uint32_t offered = *size;
    const int32_t result = honest->QueryValue(key, name, reserved, type, data, size);
    if (offered == kSize)
        return result;
    *size = kSize;
    return kResult;
}
template <uint32_t kSize, int32_t kResult> void Lying(TargetRegistry& host, TestHost&) {
    host.QueryValue = &Lie<kSize, kResult>;
}
void Honest(TargetRegistry&, TestHost&) {}
void WithoutFunctions(TargetRegistry& host, TestHost&) {
    host = TargetRegistry{};
}
// Names the checker's key (no driver) below the last index a walk may ask for, a driver from it.
int32_t KELVD_TARGET_API Endless(KelvdTargetKey key, uint32_t index, KelvdTargetChar* name,
                                 uint32_t* length, uint32_t* reserved, KelvdTargetChar* keyClass,
                                 uint32_t* classLength, KelvdTargetFileTime* written) {
    return honest->EnumKey(key, index < 65535 ? 1 : 0, name, length, reserved, keyClass,
                           classLength, written);
}
void EndlessServiceKeys(TargetRegistry& host, TestHost&) {
    host.EnumKey = &Endless;
}
void LockedCheckerKey(TargetRegistry&, TestHost& target) {
    target.registry().SetReadOnly(kTargetServiceKey, true);
}

struct MisbehavingHost : TargetStore, ::testing::WithParamInterface<Misbehaviour> {};

TEST_P(MisbehavingHost, GetsOnlyWhatItAnswersSoundly) {
    host_.PutDword("System\\ControlSet001\\Services\\Atdisk", "Type", 1);
    host_.PutDword(kTargetServiceKey, "MemUsage", 0x2000);
    host_.PutBytes(kTargetServiceKey, "Driver", platform::reg::kBinary, {"a.sys\0\2\0", 8});
    honest = host_.table();
    TargetRegistry host = *honest;
    GetParam().apply(host, host_);
    EnumerateTargetDrivers(host);
    EXPECT_EQ(GetParam().drivers, model_.drivers.Count());
    test::ResetModel();
    AddRow(model_.drivers, "a.sys", 1);
    AddCategory(model_.apiCategories, "Memory", {1}, {"ExAllocatePool"});
    Take(LoadFromTarget(host));
    EXPECT_EQ(GetParam().loads ? 0x2000u : ScalarSettings::kInitialMemUsage, Held().memUsage);
    EXPECT_EQ(GetParam().loads ? 2u : 1u, model_.drivers[0].checkState);
    Hold({4096, 0x800, 2, 3, 32, 0});
    SaveToTarget(host, settings_);
    EXPECT_EQ(Dword(GetParam().saves ? 4096 : 0x2000), Value("MemUsage"));
    EXPECT_EQ(GetParam().saves, FileExists("hookstate.dat"));
    EXPECT_EQ(0u, host_.registry().OpenHandleCount());
}

// A list's first buffer is 8192 bytes: one byte beyond it is already too many.
INSTANTIATE_TEST_SUITE_P(
    Hosts, MisbehavingHost,
    ::testing::Values(Misbehaviour{"Honest", Honest, 1, true, true},
                      Misbehaviour{"WithoutFunctions", WithoutFunctions, 0, false, false},
                      Misbehaviour{"EndlessServiceKeys", EndlessServiceKeys, 1, true, true},
                      Misbehaviour{"LockedCheckerKey", LockedCheckerKey, 1, true, false},
                      Misbehaviour{"SizeBeyondTheBufferOnSuccess", Lying<8193, kSuccess>, 0, false,
                                   true},
                      Misbehaviour{"HugeSizeNeeded", Lying<0xFFFFFFFF, kMoreData>, 0, false, true},
                      Misbehaviour{"SizeBeyondOneMebibyteNeeded", Lying<(1 << 20) + 1, kMoreData>,
                                   0, false, true},
                      Misbehaviour{"ShortSizeNeeded", Lying<2, kMoreData>, 0, false, true}),
    [](const auto& info) { return info.param.name; });

// A list that needs exactly the most a list may take, 1 MiB, is still read.
TEST_F(TargetStore, ListNeedingTheLargestSizeIsRead) {
    host_.PutBytes(kTargetServiceKey, "Driver", platform::reg::kBinary, {"a.sys\0\2\0", 8});
    honest = host_.table();
    TargetRegistry host = *honest;
    host.QueryValue = &Lie<1 << 20, kMoreData>;
    AddRow(model_.drivers, "a.sys", 1);
    Take(LoadFromTarget(host));
    EXPECT_EQ(2u, model_.drivers[0].checkState);
}

} // namespace
