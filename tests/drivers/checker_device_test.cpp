// Connecting to the checker, and the Windows 9x module list and VxD chain its device reads.
#include "doubles/pe_images.h"
#include "drivers/checker_device.h"
#include "drivers/checker_modules.h"
#include "drivers/loaded_vxds.h"
#include "support/model_reset.h"
#include "support/simulated_machine.h"

namespace {

using namespace platform;
using namespace kelvd;

constexpr const char* kFirstDevice = "\\\\.\\KELVD";
constexpr const char* kSecondDevice = "\\\\.\\KELVD.VXD";

struct CheckerDevice : ::testing::Test {
    void TearDown() override {
        CloseCheckerDevice();
        EXPECT_EQ(0u, services_.OpenHandleCount());
        test::ResetModel();
    }

    test::SimulatedMachine machine_{
        SystemFacts{0xC0000A04, kPlatformWin9x, "C:\\WIN98\\SYSTEM", "C:\\WIN98", 0x0409}};
    RegistryServiceManager& services_ = machine_.services;
    SimulatedDevices& devices_ = machine_.devices;
};

TEST_F(CheckerDevice, OpensUnderItsFirstNameElseUnderTheVxdName) {
    EXPECT_FALSE(ConnectChecker());
    EXPECT_EQ(kInvalidDevice, checkerDevice);
    devices_.Add(kSecondDevice, {});
    EXPECT_TRUE(ConnectChecker());
    devices_.Add(kFirstDevice, {});
    services_.SetAvailable(false); // without a service manager only the device decides
    EXPECT_TRUE(ConnectChecker());
    EXPECT_NE(kInvalidDevice, checkerDevice);
    const std::vector<std::string> names = {kFirstDevice, kSecondDevice, kFirstDevice,
                                            kSecondDevice, kFirstDevice};
    ASSERT_EQ(names.size(), devices_.opens.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(names[i], devices_.opens[i].name) << i;
    const auto& open = devices_.opens[0];
    EXPECT_EQ((std::vector<uint32_t>{0, 0, kCreateNew, kFlagDeleteOnClose}),
              (std::vector<uint32_t>{open.access, open.shareMode, open.disposition, open.flags}));
}

TEST_F(CheckerDevice, ServiceIsCreatedAndStartedWithTheCheckerParameters) {
    devices_.Add(kFirstDevice, {});
    ASSERT_TRUE(ConnectChecker());
    KeyHandle key;
    ASSERT_TRUE(key.Open(kLocalMachine, "System\\CurrentControlSet\\Services\\KELVD", reg::kRead));
    uint32_t type = 9, start = 9, errorControl = 9;
    std::string image, display;
    ASSERT_TRUE(key.QueryDword("Type", &type) && key.QueryDword("Start", &start) &&
                key.QueryDword("ErrorControl", &errorControl) &&
                key.QueryString("ImagePath", 260, &image) &&
                key.QueryString("DisplayName", 260, &display));
    EXPECT_EQ((std::vector<uint32_t>{1, 0, 0}), (std::vector<uint32_t>{type, start, errorControl}));
    EXPECT_EQ("C:\\WIN98\\SYSTEM32\\DRIVERS\\KELVD.SYS", image);
    EXPECT_EQ("KELVD", display);
    ScHandle manager = services_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
    EXPECT_TRUE(StartDriverService(manager, "KELVD")); // already running counts as started
    EXPECT_FALSE(CreateDriverService(manager, "KELVD", image));
    EXPECT_FALSE(StartDriverService(manager, "NOSUCH"));
    services_.Close(manager);
}

// The Windows directory is read into 256 characters: one that fills them is read as none.
TEST_F(CheckerDevice, ImagePathUnderAWindowsDirectoryOfUpTo255Characters) {
    const std::string longest = "C:\\" + std::string(252, 'W');
    std::vector<std::string> images;
    for (const std::string& directory : {longest, longest + "W"}) {
        machine_.system.facts.windowsDirectory = directory;
        ConnectChecker();
        KeyHandle key;
        std::string image;
        key.Open(kLocalMachine, "System\\CurrentControlSet\\Services\\KELVD", reg::kAllAccess);
        key.QueryString("ImagePath", 300, &image);
        images.push_back(image);
        registry().DeleteKey(kLocalMachine, "System\\CurrentControlSet\\Services\\KELVD");
    }
    const std::string file = "\\SYSTEM32\\DRIVERS\\KELVD.SYS";
    EXPECT_EQ((std::vector<std::string>{longest + file, file}), images);
}

TEST_F(CheckerDevice, ListHeadsComeFromTheOpenDeviceOnlyWhichClosesOnce) {
    devices_.Add(kFirstDevice, {{0x84000018, 0xC0001000}});
    ASSERT_TRUE(OpenCheckerDevice("KELVD"));
    EXPECT_EQ(0xC0001000u, GetVxdChainHead());
    EXPECT_EQ(0u, GetModuleListHead()); // the call fails
    ASSERT_EQ(2u, devices_.controls.size());
    EXPECT_EQ(0x84000028u, devices_.controls[1].code);
    EXPECT_EQ(0u, devices_.controls[1].inputSize);
    EXPECT_EQ(4u, devices_.controls[1].outputSize);
    const DeviceHandle opened = checkerDevice;
    CloseCheckerDevice();
    CloseCheckerDevice();
    EXPECT_EQ(kInvalidDevice, checkerDevice);
    EXPECT_EQ(std::vector<DeviceHandle>{opened}, devices_.closes);
}

// The rows' names, which are their paths and their descriptions alike.
std::vector<std::string> Names(const DriverTable<256>& table) {
    for (const DriverEntry& row : table)
        EXPECT_EQ(row.path, row.description);
    return test::Paths(table);
}

struct Win9xLists : CheckerDevice {
    static uint32_t ModuleAt(uint32_t i) { return 0xC1000000 + 64 * i; } // name 32 bytes on
    static uint32_t BlockAt(uint32_t i) { return 0xC3000000 + 128 * i; }
    void SetUp() override {
        test::ResetModel();
        configModel().isWin9x = true;
        devices_.Add(kFirstDevice,
                     {{kGetModuleListHeadCode, ModuleAt(0)}, {kGetVxdChainHeadCode, BlockAt(0)}});
        ASSERT_TRUE(OpenCheckerDevice("KELVD"));
    }

    void Module(uint32_t i, uint32_t next, uint32_t value, const std::string& name,
                uint32_t nameAddress = 0) {
        ImageBytes entry(35);
        PutLittleEndian(entry, 0, next);
        PutLittleEndian(entry, 5, value);
        PutLittleEndian(entry, 11, nameAddress ? nameAddress : ModuleAt(i) + 32);
        machine_.memory.Lay(ModuleAt(i), entry.data(), entry.size());
        machine_.memory.Lay(ModuleAt(i) + 32, name.c_str(), name.size() + 1);
    }
    void Block(uint32_t i, uint32_t next, const std::string& name) {
        ImageBytes block(80);
        PutLittleEndian(block, 0, next);
        std::copy(name.begin(), name.end(), block.begin() + 12);
        machine_.memory.Lay(BlockAt(i), block.data(), block.size());
    }
};

// A walk ends at an entry it has passed before, or whose next one cannot be read.
TEST_F(Win9xLists, ModulesWithAValueFrom1ToBelow2GiBAreListedByTheirShortName) {
    Module(0, ModuleAt(1), 1, "NDIS");
    Module(1, ModuleAt(2), 0, "ZERO");
    Module(2, ModuleAt(3), 0x80000000, "HIGH");
    Module(3, ModuleAt(4), 0x7FFFFFFF, "LONGNAME.SYS");
    Module(4, ModuleAt(5), 5, "kelvd   ");
    Module(5, ModuleAt(6), 1, "UNREAD", 0x00001000); // its name cannot be read
    Module(6, ModuleAt(3), 1, "", 0xC1FFFFF8);       // a name of 8 at the end of readable memory
    machine_.memory.Lay(0xC1FFFFF8, "ATPAGEND", 8);
    EnumerateCheckerModules();
    EXPECT_EQ((std::vector<std::string>{"NDIS", "LONGNAME", "ATPAGEND"}),
              Names(configModel().drivers));
}

TEST_F(Win9xLists, VxdChainReplacesTheRowsWithBlankPaddedNamesWithoutTheExcludedOnes) {
    configModel().vxds.AppendSlot()->path = "OLD";
    Block(0, BlockAt(1), "VMM     ");
    Block(1, BlockAt(2), "VCOMM   ");
    Block(2, BlockAt(3), "NTKERN  ");
    Block(3, 0xDEAD0000, "ABCDEFGHIJ");
    EnumerateLoadedVxds();
    EXPECT_EQ((std::vector<std::string>{"VCOMM   ", "ABCDEFGH"}), Names(configModel().vxds));
}

TEST_F(Win9xLists, WalkEndsAfter65536Entries) {
    for (uint32_t i = 0; i <= 65536; ++i) // only the 65536th and the 65537th have a value
        Module(i, i < 65536 ? ModuleAt(i + 1) : 0, i >= 65535, i < 65536 ? "EDGE" : "LAST");
    EnumerateCheckerModules();
    EXPECT_EQ(std::vector<std::string>{"EDGE"}, Names(configModel().drivers));
}

TEST_F(Win9xLists, ClosedDeviceEmptiesTheDriversButLeavesTheVxds) {
    configModel().drivers.AppendSlot()->path = "OLD";
    configModel().vxds.AppendSlot()->path = "OLD";
    CloseCheckerDevice();
    EnumerateCheckerModules();
    EnumerateLoadedVxds();
    EXPECT_EQ(0u, configModel().drivers.Count());
    EXPECT_EQ(1u, configModel().vxds.Count());
    EXPECT_TRUE(devices_.controls.empty());
}

} // namespace
