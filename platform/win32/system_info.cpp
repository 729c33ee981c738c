#include "platform/system_info.h"

#include "platform/win32/windows_support.h"

namespace platform {

static_assert(kPlatformWin9x == VER_PLATFORM_WIN32_WINDOWS && kPlatformNt == VER_PLATFORM_WIN32_NT);

namespace {

// Reads a directory with a call of the GetSystemDirectoryA kind, which returns the length
// needed (with the terminator) when the buffer is too small and 0 on failure.
template <typename Call> std::string Directory(Call call, uint32_t bufferSize) {
    std::string buffer(bufferSize, '\0');
    UINT length = call(buffer.data(), bufferSize);
    if (length == 0 || length >= bufferSize)
        return std::string();
    buffer.resize(length);
    return buffer;
}

class Win32SystemInfo final : public SystemInfo {
public:
    uint32_t Version() override { return ::GetVersion(); }
    uint32_t PlatformId() override {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        return ::GetVersionExA(&info) ? info.dwPlatformId : kPlatformNt;
    }
    std::string SystemDirectory(uint32_t bufferSize) override {
        return Directory(::GetSystemDirectoryA, bufferSize);
    }
    std::string WindowsDirectory(uint32_t bufferSize) override {
        return Directory(::GetWindowsDirectoryA, bufferSize);
    }
    uint16_t UserDefaultLangId() override { return ::GetUserDefaultLangID(); }
    uint16_t SystemDefaultLangId() override { return ::GetSystemDefaultLangID(); }
    uint16_t ThreadLangId() override { return LANGIDFROMLCID(::GetThreadLocale()); }
};

} // namespace

SystemInfo& nativeSystemInfo() {
    static Win32SystemInfo instance;
    return instance;
}

} // namespace platform
