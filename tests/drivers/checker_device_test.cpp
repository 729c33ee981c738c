// Connecting to the checker: its service, its device under either name, and the list-head calls.
#include "drivers/checker_device.h"
#include "support/simulated_machine.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using namespace kelvd;

constexpr const char* kFirstDevice = "\\\\.\\KELVD";
constexpr const char* kSecondDevice = "\\\\.\\KELVD.VXD";

class CheckerDevice : public ::testing::Test {
protected:
    void TearDown() override {
        CloseCheckerDevice();
        EXPECT_EQ(0u, services_.OpenHandleCount());
    }

    std::vector<std::string> OpenedNames() const {
        std::vector<std::string> names;
        for (const auto& open : devices_.opens)
            names.push_back(open.name);
        return names;
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
    EXPECT_EQ((std::vector<std::string>{kFirstDevice, kSecondDevice, kFirstDevice, kSecondDevice,
                                        kFirstDevice}),
              OpenedNames());
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

} // namespace
