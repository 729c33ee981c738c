// The substitute machine has no devices of its own: every open fails.
#include "platform/substitute/simulated_devices.h"

namespace platform {

DeviceIo& nativeDeviceIo() {
    static SimulatedDevices instance;
    return instance;
}

} // namespace platform
