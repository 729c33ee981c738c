#include "platform/image_version_resource.h"

#include "platform/image_formats.h"

#include <optional>

namespace platform {

namespace {

constexpr uint16_t kMzSignature = 0x5A4D;
constexpr size_t kNewHeaderField = 0x3C; // e_lfanew
constexpr uint32_t kPeSignature = 0x00004550;
constexpr uint16_t kNeSignature = 0x454E;
constexpr uint16_t kLeSignature = 0x454C;

bool FindIn(ByteSource& source, size_t size, const LoaderLanguages& languages,
            std::vector<uint8_t>* resource) {
    resource->clear();
    const Bytes file(source, 0, size);
    std::optional<uint32_t> header = file.U32(kNewHeaderField);
    if (file.U16(0) != kMzSignature || !header)
        return false;
    if (file.U32(*header) == kPeSignature)
        return FindPeVersionResource(file, *header, languages, resource);
    std::optional<uint16_t> signature = file.U16(*header);
    if (signature == kNeSignature)
        return FindNeVersionResource(file, *header, resource);
    if (signature == kLeSignature)
        return FindVxdVersionResource(file, *header, resource);
    return false;
}

} // namespace

bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource,
                         const LoaderLanguages& languages) {
    MemorySource source(image, size);
    return FindIn(source, size, languages, resource);
}

bool ReadImageVersionResource(File& image, std::vector<uint8_t>* resource,
                              const LoaderLanguages& languages) {
    FileSource source(image);
    return FindIn(source, SIZE_MAX, languages, resource);
}

} // namespace platform
