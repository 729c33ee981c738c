// Devices: what the platform's own do with a device that is not there, and the simulated devices
// that tests put in their place.
#include "platform/simulated_devices.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(DeviceIoContract, DeviceThatIsNotThereDoesNotOpen) {
    EXPECT_EQ(kInvalidDevice,
              deviceIo().Open("\\\\.\\KVTNODEVICE", 0, 0, kCreateNew, kFlagDeleteOnClose));
}

TEST(DeviceIoContract, ControlCodesAreBufferedAndOfAnyAccess) {
    EXPECT_EQ(0x84000018u, BufferedControlCode(0x8400, 6));
    EXPECT_EQ(0x84000028u, BufferedControlCode(0x8400, 10));
}

class Simulated : public ::testing::Test {
protected:
    void SetUp() override {
        devices_.Add("\\\\.\\DEV", {{0x10, 0x12345678}});
        handle_ = devices_.Open("\\\\.\\DEV", 1, 2, 3, 4);
        ASSERT_NE(kInvalidDevice, handle_);
    }
    uint32_t Ask(DeviceHandle handle, uint32_t code, uint32_t outputSize, bool* result) {
        uint32_t out = 0xAAAAAAAA, returned = 99;
        *result = devices_.Control(handle, code, nullptr, 0, &out, outputSize, &returned);
        EXPECT_EQ(*result ? 4u : 0u, returned);
        return out;
    }
    SimulatedDevices devices_;
    DeviceHandle handle_ = kInvalidDevice;
};

TEST_F(Simulated, AnswersItsCodeInFourLittleEndianBytes) {
    bool result = false;
    EXPECT_EQ(0x12345678u, Ask(handle_, 0x10, 4, &result));
    EXPECT_TRUE(result);
}

TEST_F(Simulated, OtherCodesShortBuffersAndClosedHandlesFailUntouched) {
    bool result = true;
    EXPECT_EQ(0xAAAAAAAAu, Ask(handle_, 0x14, 4, &result));
    EXPECT_FALSE(result);
    EXPECT_EQ(0xAAAAAAAAu, Ask(handle_, 0x10, 3, &result));
    EXPECT_FALSE(result);
    EXPECT_TRUE(devices_.Close(handle_));
    EXPECT_EQ(0xAAAAAAAAu, Ask(handle_, 0x10, 4, &result));
    EXPECT_FALSE(result);
    EXPECT_FALSE(devices_.Close(handle_));
}

TEST_F(Simulated, RecordsEveryCall) {
    EXPECT_EQ(kInvalidDevice, devices_.Open("\\\\.\\dev", 0, 0, 0, 0)); // names are exact
    bool result;
    Ask(handle_, 0x10, 4, &result);
    devices_.Close(handle_);
    ASSERT_EQ(2u, devices_.opens.size());
    EXPECT_EQ("\\\\.\\DEV", devices_.opens[0].name);
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 3, 4}),
              (std::vector<uint32_t>{devices_.opens[0].access, devices_.opens[0].shareMode,
                                     devices_.opens[0].disposition, devices_.opens[0].flags}));
    ASSERT_EQ(1u, devices_.controls.size());
    EXPECT_EQ(handle_, devices_.controls[0].device);
    EXPECT_EQ(0x10u, devices_.controls[0].code);
    EXPECT_EQ(0u, devices_.controls[0].inputSize);
    EXPECT_EQ(4u, devices_.controls[0].outputSize);
    EXPECT_EQ(std::vector<DeviceHandle>{handle_}, devices_.closes);
    EXPECT_EQ(0u, devices_.OpenCount());
}

} // namespace
