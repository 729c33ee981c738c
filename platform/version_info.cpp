#include "platform/version_info.h"

#include "platform/file_system.h"
#include "platform/pe_version_resource.h"

namespace platform {

bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource, uint32_t* largestSize) {
    resource->clear();
    std::unique_ptr<File> file = fileSystem().Open(path, OpenMode::ReadBinary);
    return file && ReadImageVersionResource(*file, resource, largestSize);
}

bool ReadVersionBlock(const char* path, std::vector<uint8_t>* block) {
    std::vector<uint8_t> resource;
    uint32_t largest = 0;
    block->clear();
    return ReadVersionResource(path, &resource, &largest) &&
           SystemVersionBlock(path, resource, largest, block);
}

} // namespace platform
