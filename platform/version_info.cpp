#include "platform/version_info.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"

namespace platform {

VersionInfo& versionInfo() {
    VersionInfo* replacement = ScopedVersionInfo::slot();
    return replacement ? *replacement : nativeVersionInfo();
}

bool ReadVersionResource(const char* path, VersionResource* resource) {
    *resource = VersionResource{};
    if (std::unique_ptr<File> file = fileSystem().Open(path, OpenMode::ReadBinary)) {
        switch (ReadImageVersionResource(*file, &resource->block)) {
        case ImageResource::Found:
            resource->fromImage = true;
            return true;
        case ImageResource::None:
            return false;
        case ImageResource::NotAnImage:
            break;
        }
    }
    VersionInfo& platformReader = versionInfo();
    resource->block.resize(platformReader.InfoSize(path));
    return !resource->block.empty() && platformReader.Info(path, &resource->block);
}

bool QueryVersionValue(const VersionResource& resource, const char* subBlock, std::string* value) {
    if (!resource.fromImage)
        return versionInfo().QueryString(resource.block, subBlock, value);
    std::u16string text;
    if (!FindVersionString(resource.block.data(), resource.block.size(), subBlock, &text))
        return false;
    *value = AnsiFromUtf16(text);
    return true;
}

} // namespace platform
