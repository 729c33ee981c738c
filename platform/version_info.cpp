#include "platform/version_info.h"

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"

namespace platform {

bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource) {
    resource->clear();
    std::unique_ptr<File> file = fileSystem().Open(path, OpenMode::ReadBinary);
    return file && ReadImageVersionResource(*file, resource);
}

bool QueryVersionValue(const std::vector<uint8_t>& resource, const char* subBlock,
                       std::string* value) {
    std::u16string text;
    if (!FindVersionString(resource.data(), resource.size(), subBlock, &text))
        return false;
    *value = AnsiFromUtf16(text);
    return true;
}

} // namespace platform
