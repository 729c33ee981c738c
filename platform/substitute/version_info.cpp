// Version resources on Linux, read from the files themselves: the resource is found in the PE
// image and its strings are given in the substitute's ANSI code page.
#include "platform/version_info.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"

#include <algorithm>

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

bool ReadResource(const char* path, std::vector<uint8_t>* resource) {
    std::vector<uint8_t> image;
    return ReadImage(path, &image) && FindVersionResource(image.data(), image.size(), resource);
}

class SubstituteVersionInfo final : public VersionInfo {
public:
    uint32_t InfoSize(const char* path) override {
        std::vector<uint8_t> resource;
        return ReadResource(path, &resource) ? static_cast<uint32_t>(resource.size()) : 0;
    }

    bool Info(const char* path, std::vector<uint8_t>* block) override {
        std::vector<uint8_t> resource;
        if (block->empty() || !ReadResource(path, &resource))
            return false;
        std::copy_n(resource.begin(), std::min(resource.size(), block->size()), block->begin());
        return true;
    }

    bool QueryString(const std::vector<uint8_t>& block, const char* subBlock,
                     std::string* value) override {
        std::u16string text;
        if (!FindVersionString(block.data(), block.size(), subBlock, &text))
            return false;
        *value = AnsiFromUtf16(text);
        return true;
    }
};

} // namespace

VersionInfo& nativeVersionInfo() {
    static SubstituteVersionInfo instance;
    return instance;
}

} // namespace platform
