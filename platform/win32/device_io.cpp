// Devices through kernel32, one call for one.
#include "platform/device_io.h"

#include "platform/win32/windows_support.h"

namespace platform {

static_assert(kCreateNew == CREATE_NEW && kFlagDeleteOnClose == FILE_FLAG_DELETE_ON_CLOSE);

namespace {

HANDLE ToHandle(DeviceHandle device) {
    return reinterpret_cast<HANDLE>(device);
}

class Win32DeviceIo final : public DeviceIo {
public:
    DeviceHandle Open(const char* name, uint32_t access, uint32_t shareMode, uint32_t disposition,
                      uint32_t flags) override {
        return reinterpret_cast<DeviceHandle>(
            ::CreateFileA(name, access, shareMode, nullptr, disposition, flags, nullptr));
    }

    bool Control(DeviceHandle device, uint32_t code, const void* input, uint32_t inputSize,
                 void* output, uint32_t outputSize, uint32_t* bytesReturned) override {
        DWORD returned = 0;
        BOOL result = ::DeviceIoControl(ToHandle(device), code, const_cast<void*>(input), inputSize,
                                        output, outputSize, &returned, nullptr);
        *bytesReturned = returned;
        return result;
    }

    bool Close(DeviceHandle device) override { return ::CloseHandle(ToHandle(device)); }
};

} // namespace

DeviceIo& nativeDeviceIo() {
    static Win32DeviceIo instance;
    return instance;
}

} // namespace platform
