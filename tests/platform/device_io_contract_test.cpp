// A device that is not there.
#include "platform/substitute/simulated_devices.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(DeviceIoContract, DeviceThatIsNotThereDoesNotOpen) {
    EXPECT_EQ(kInvalidDevice,
              deviceIo().Open("\\\\.\\KVTNODEVICE", 0, 0, kCreateNew, kFlagDeleteOnClose));
}

} // namespace
