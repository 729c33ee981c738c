#include "host/demo_target.h"

#include "platform/registry.h"
#include "target/target_key.h"

#include <string>

namespace kwhost {

namespace {

using kelvd::TargetKey;
using kelvd::Widen;
namespace reg = platform::reg;

struct DemoService {
    const char* name;
    uint32_t start;
    const char* group;
    const char* displayName;
    const char* imagePath; // null: none, the library takes the service name
};

constexpr DemoService kServices[] = {
    {"Atdisk", 3, "SCSI miniport", "AT disk controller",
     "\\SystemRoot\\System32\\DRIVERS\\atdisk.sys"},
    {"Kwnet", 2, "NDIS", "Demonstration network adapter", "System32\\DRIVERS\\kwnet.sys"},
    {"Serial", 1, "Extended base", "Serial port", nullptr},
    {"Kwvga", 1, "Video", "Demonstration display adapter", "System32\\DRIVERS\\kwvga.sys"},
};
constexpr const char* kDisplayService = "Kwvga";
constexpr const char* kDisplayDriver = "kwvga";
constexpr uint32_t kKernelDriver = 1;

// A text value in UTF-16 with its terminator; a multi-string brings its inner terminators.
void SetText(const TargetKey& key, const char* name, uint32_t type, const std::string& text) {
    const kelvd::TargetString wide = Widen(text);
    key.Set(name, type, wide.c_str(),
            static_cast<uint32_t>((wide.size() + 1) * sizeof(KelvdTargetChar)));
}

} // namespace

void FillDemoTarget(const TargetRegistry& target) {
    for (const DemoService& service : kServices) {
        const std::string path = std::string("System\\ControlSet001\\Services\\") + service.name;
        TargetKey key(target);
        if (!key.Create(KELVD_TARGET_ROOT, Widen(path)))
            continue;
        key.SetDword("Type", kKernelDriver);
        key.SetDword("Start", service.start);
        SetText(key, "Group", reg::kSz, service.group);
        SetText(key, "DisplayName", reg::kSz, service.displayName);
        if (service.imagePath)
            SetText(key, "ImagePath", reg::kExpandSz, service.imagePath);
        if (std::string(service.name) != kDisplayService)
            continue;
        TargetKey device(target);
        if (device.Create(key.get(), Widen("Device0")))
            SetText(device, "InstalledDisplayDrivers", reg::kMultiSz,
                    std::string(kDisplayDriver) + '\0');
    }
}

} // namespace kwhost
