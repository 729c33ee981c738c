// Devices: what the platform's own do with a device that is not there, and the simulated devices
// that tests put in their place.
#include "doubles/simulated_devices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace platform;

TEST(DeviceIoContract, DeviceThatIsNotThereDoesNotOpen) {
    EXPECT_EQ(kInvalidDevice,
              deviceIo().Open("\\\\.\\KVTNODEVICE", 0, 0, kCreateNew, kFlagDeleteOnClose));
}

TEST(SimulatedDevices, AnswerTheirCodesInFourBytesAndFailOtherwiseUntouched) {
    SimulatedDevices devices;
    devices.Add("\\\\.\\DEV", {{0x10, 0x12345678}});
    EXPECT_EQ(kInvalidDevice, devices.Open("\\\\.\\dev", 0, 0, 0, 0)); // names are exact
    const DeviceHandle handle = devices.Open("\\\\.\\DEV", 0, 0, 0, 0);
    uint32_t out[2] = {0, 7}, returned = 9;
    EXPECT_TRUE(devices.Control(handle, 0x10, nullptr, 0, out, sizeof out, &returned));
    EXPECT_EQ((std::vector<uint32_t>{0x12345678, 7}), std::vector<uint32_t>(out, out + 2));
    EXPECT_EQ(4u, returned);
    for (uint32_t code : {0x14u, 0x10u}) { // an unknown code; a buffer too short
        out[0] = 7;
        EXPECT_FALSE(
            devices.Control(handle, code, nullptr, 0, out, code == 0x10 ? 3 : 4, &returned));
        EXPECT_EQ(7u, out[0]);
    }
    EXPECT_TRUE(devices.Close(handle));
    EXPECT_FALSE(devices.Control(handle, 0x10, nullptr, 0, out, 4, &returned));
    EXPECT_FALSE(devices.Close(handle));
    EXPECT_EQ(2u, devices.opens.size());
    EXPECT_EQ(4u, devices.controls.size());
}

} // namespace
