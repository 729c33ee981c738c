#include "platform/version_info.h"

#include "platform/file_system.h"
#include "platform/image_version_resource.h"
#include "platform/system_info.h"

namespace platform {

bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource) {
    resource->clear();
    std::unique_ptr<File> file = fileSystem().Open(path, OpenMode::ReadBinary);
    SystemInfo& system = systemInfo();
    const LoaderLanguages languages{system.ThreadLangId(), system.UserDefaultLangId(),
                                    system.SystemDefaultLangId()};
    return file && ReadImageVersionResource(*file, resource, languages);
}

bool QueryVersionValue(const std::vector<uint8_t>& resource, const char* subBlock,
                       std::string* value) {
    return FindVersionString(resource.data(), resource.size(), subBlock, value);
}

} // namespace platform
