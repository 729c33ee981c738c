#include "drivers/driver_description.h"

#include "platform/system_info.h"
#include "platform/version_info.h"

#include <algorithm>
#include <cstdio>

namespace kelvd {

namespace {
constexpr uint32_t kSystemDirectorySize = 512;
} // namespace

bool QueryVersionString(const std::vector<uint8_t>& resource, const char* key, std::string* value) {
    // Only the table of the user's language with the Unicode code page is consulted.
    char language[9];
    std::snprintf(language, sizeof language, "%04X04B0",
                  platform::systemInfo().UserDefaultLangId());
    std::string subBlock = std::string("\\StringFileInfo\\") + language + "\\" + key;
    return platform::QueryVersionValue(resource, subBlock.c_str(), value);
}

bool GetDriverDescription(const std::string& fileName, bool inDriversDirectory,
                          std::string* description) {
    description->clear();
    std::string path = inDriversDirectory
                           ? platform::systemInfo().SystemDirectory(kSystemDirectorySize) +
                                 "\\DRIVERS\\" + fileName
                           : fileName;
    // The file is read once; both values are looked for in what was read.
    std::vector<uint8_t> resource;
    if (!platform::ReadVersionResource(path.c_str(), &resource))
        return false;
    if (QueryVersionString(resource, "FileDescription", description) ||
        QueryVersionString(resource, "ProductName", description))
        description->resize(std::min(description->size(), kMaxDescriptionLength));
    return true;
}

} // namespace kelvd
