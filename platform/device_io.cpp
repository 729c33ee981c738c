#include "platform/device_io.h"

namespace platform {

DeviceIo& deviceIo() {
    DeviceIo* replacement = ScopedDeviceIo::slot();
    return replacement ? *replacement : nativeDeviceIo();
}

} // namespace platform
