#include "drivers/image_path.h"

#include "platform/file_system.h"
#include "platform/multibyte.h"
#include "platform/system_info.h"

namespace kelvd {

namespace {

constexpr const char* kSystemRootPrefixes[] = {"\\SystemRoot\\System32\\", "System32\\"};
constexpr const char* kNtPathPrefix = "\\??\\";

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return platform::MbsICmp(text.substr(0, prefix.size()).c_str(), prefix.c_str()) == 0;
}

} // namespace

std::string NormalizeImagePath(const std::string& imagePath) {
    for (const std::string prefix : kSystemRootPrefixes)
        if (StartsWithIgnoringCase(imagePath, prefix))
            return platform::systemInfo().SystemDirectory(platform::kMaxPath) + "\\" +
                   imagePath.substr(prefix.size());
    if (imagePath.compare(0, 4, kNtPathPrefix) == 0)
        return imagePath.substr(4);
    return imagePath;
}

} // namespace kelvd
