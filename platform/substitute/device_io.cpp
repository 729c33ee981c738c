// The substitute machine has no devices of its own: every open fails.
#include "doubles/simulated_devices.h"

namespace platform {

DeviceIo& nativeDeviceIo() {
    static SimulatedDevices instance;
    return instance;
}

} // namespace platform
