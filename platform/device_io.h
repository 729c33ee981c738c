// Devices opened by name and driven by device control codes: CreateFileA, DeviceIoControl and
// CloseHandle.
#pragma once

#include "platform/override.h"

#include <cstdint>

namespace platform {

// An open device; kInvalidDevice (INVALID_HANDLE_VALUE, all bits set) for none.
using DeviceHandle = std::uintptr_t;
constexpr DeviceHandle kInvalidDevice = ~DeviceHandle{0};

constexpr uint32_t kCreateNew = 1;                  // CREATE_NEW
constexpr uint32_t kFlagDeleteOnClose = 0x04000000; // FILE_FLAG_DELETE_ON_CLOSE

// CTL_CODE with METHOD_BUFFERED and FILE_ANY_ACCESS.
constexpr uint32_t BufferedControlCode(uint32_t deviceType, uint32_t function) {
    return deviceType << 16 | function << 2;
}

class DeviceIo {
public:
    virtual ~DeviceIo() = default;
    // CreateFileA with no security attributes and no template.
    virtual DeviceHandle Open(const char* name, uint32_t access, uint32_t shareMode,
                              uint32_t disposition, uint32_t flags) = 0;
    // DeviceIoControl without an overlapped structure.
    virtual bool Control(DeviceHandle device, uint32_t code, const void* input, uint32_t inputSize,
                         void* output, uint32_t outputSize, uint32_t* bytesReturned) = 0;
    // CloseHandle.
    virtual bool Close(DeviceHandle device) = 0;
};

DeviceIo& deviceIo();
DeviceIo& nativeDeviceIo();
using ScopedDeviceIo = Override<DeviceIo>;

} // namespace platform
