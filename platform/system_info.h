// What the library asks of the system about itself: its version and platform, its directories
// and the user's language.
#pragma once

#include "platform/override.h"

#include <cstdint>
#include <string>

namespace platform {

constexpr uint32_t kPlatformWin9x = 1; // VER_PLATFORM_WIN32_WINDOWS
constexpr uint32_t kPlatformNt = 2;    // VER_PLATFORM_WIN32_NT

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    // GetVersion: the major version in the low byte, the minor in the next.
    virtual uint32_t Version() = 0;
    // GetVersionExA's dwPlatformId.
    virtual uint32_t PlatformId() = 0;
    // GetSystemDirectoryA and GetWindowsDirectoryA, read into bufferSize characters; empty when
    // the directory does not fit.
    virtual std::string SystemDirectory(uint32_t bufferSize) = 0;
    virtual std::string WindowsDirectory(uint32_t bufferSize) = 0;
    // GetUserDefaultLangID, GetSystemDefaultLangID, and the language of GetThreadLocale.
    virtual uint16_t UserDefaultLangId() = 0;
    virtual uint16_t SystemDefaultLangId() = 0;
    virtual uint16_t ThreadLangId() = 0;
};

// A system that answers from fixed facts: the Linux substitute, and what tests put in place
// of the real system to be Windows 9x or NT 4 for a while.
struct SystemFacts {
    uint32_t version = 0x08930005; // Windows 2000, build 2195
    uint32_t platformId = kPlatformNt;
    std::string systemDirectory = "C:\\WINNT\\system32";
    std::string windowsDirectory = "C:\\WINNT";
    uint16_t langId = 0x0409;
    uint16_t systemLangId = 0x0409;
    uint16_t threadLangId = 0x0409;
};

class FixedSystemInfo final : public SystemInfo {
public:
    explicit FixedSystemInfo(SystemFacts facts = {}) : facts(std::move(facts)) {}
    uint32_t Version() override { return facts.version; }
    uint32_t PlatformId() override { return facts.platformId; }
    std::string SystemDirectory(uint32_t bufferSize) override {
        return Fit(facts.systemDirectory, bufferSize);
    }
    std::string WindowsDirectory(uint32_t bufferSize) override {
        return Fit(facts.windowsDirectory, bufferSize);
    }
    uint16_t UserDefaultLangId() override { return facts.langId; }
    uint16_t SystemDefaultLangId() override { return facts.systemLangId; }
    uint16_t ThreadLangId() override { return facts.threadLangId; }

    SystemFacts facts;

private:
    static std::string Fit(const std::string& dir, uint32_t bufferSize) {
        return dir.size() < bufferSize ? dir : std::string();
    }
};

SystemInfo& systemInfo();
SystemInfo& nativeSystemInfo();
using ScopedSystemInfo = Override<SystemInfo>;

} // namespace platform
