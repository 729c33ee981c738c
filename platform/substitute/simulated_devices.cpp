#include "platform/substitute/simulated_devices.h"

namespace platform {

void SimulatedDevices::Add(const std::string& name, std::map<uint32_t, uint32_t> answers) {
    devices_[name] = std::move(answers);
}

DeviceHandle SimulatedDevices::Open(const char* name, uint32_t access, uint32_t shareMode,
                                    uint32_t disposition, uint32_t flags) {
    opens.push_back({name, access, shareMode, disposition, flags});
    if (!devices_.count(name))
        return kInvalidDevice;
    DeviceHandle handle = nextHandle_++;
    open_[handle] = name;
    return handle;
}

bool SimulatedDevices::Control(DeviceHandle device, uint32_t code, const void*, uint32_t inputSize,
                               void* output, uint32_t outputSize, uint32_t* bytesReturned) {
    controls.push_back({device, code, inputSize, outputSize});
    *bytesReturned = 0;
    auto handle = open_.find(device);
    if (handle == open_.end())
        return false;
    const std::map<uint32_t, uint32_t>& answers = devices_[handle->second];
    auto answer = answers.find(code);
    if (answer == answers.end() || !output || outputSize < 4)
        return false;
    auto* bytes = static_cast<uint8_t*>(output);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(answer->second >> (8 * i));
    *bytesReturned = 4;
    return true;
}

bool SimulatedDevices::Close(DeviceHandle device) {
    closes.push_back(device);
    return open_.erase(device) != 0;
}

} // namespace platform
