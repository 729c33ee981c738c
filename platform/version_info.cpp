#include "platform/version_info.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"

namespace platform {

namespace {

// Driver images are far smaller; a larger file is taken to have no version resource rather
// than be read whole.
constexpr size_t kMaxImageSize = 64 << 20;

bool ReadImage(const char* path, std::vector<uint8_t>* image) {
    std::unique_ptr<File> file = fileSystem().Open(path, OpenMode::ReadBinary);
    if (!file)
        return false;
    uint8_t chunk[4096];
    for (size_t n; (n = file->Read(chunk, sizeof chunk)) > 0;) {
        image->insert(image->end(), chunk, chunk + n);
        if (image->size() > kMaxImageSize)
            return false;
    }
    return true;
}

} // namespace

VersionInfo& versionInfo() {
    VersionInfo* replacement = ScopedVersionInfo::slot();
    return replacement ? *replacement : nativeVersionInfo();
}

bool ReadVersionResource(const char* path, std::vector<uint8_t>* resource, uint32_t* largestSize) {
    std::vector<uint8_t> image;
    return ReadImage(path, &image) &&
           FindVersionResource(image.data(), image.size(), resource, largestSize);
}

} // namespace platform
