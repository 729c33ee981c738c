// Devices that exist only in memory, each answering device control codes with fixed 32-bit
// values. The Linux substitute has no other devices; tests on every platform put these in place
// of the real ones, and read back every call made to them.
#pragma once

#include "platform/device_io.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

class SimulatedDevices final : public DeviceIo {
public:
    struct OpenCall {
        std::string name;
        uint32_t access;
        uint32_t shareMode;
        uint32_t disposition;
        uint32_t flags;
    };
    struct ControlCall {
        DeviceHandle device;
        uint32_t code;
        uint32_t inputSize;
        uint32_t outputSize;
    };

    // A device that opens under name (exactly as spelt) and answers each code of answers with its
    // value, as 4 little-endian bytes. Other codes fail.
    void Add(const std::string& name, std::map<uint32_t, uint32_t> answers);

    DeviceHandle Open(const char* name, uint32_t access, uint32_t shareMode, uint32_t disposition,
                      uint32_t flags) override;
    bool Control(DeviceHandle device, uint32_t code, const void* input, uint32_t inputSize,
                 void* output, uint32_t outputSize, uint32_t* bytesReturned) override;
    bool Close(DeviceHandle device) override;

    std::vector<OpenCall> opens;
    std::vector<ControlCall> controls;
    std::vector<DeviceHandle> closes;

private:
    std::map<std::string, std::map<uint32_t, uint32_t>> devices_;
    std::map<DeviceHandle, std::string> open_;
    DeviceHandle nextHandle_ = 0x40;
};

} // namespace platform
