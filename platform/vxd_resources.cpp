#include "platform/image_formats.h"
#include "platform/version_block.h"

#include <optional>

namespace platform {

namespace {

// In a VxD's LE header: the file offset and length of its version resource (e32_winresoff,
// e32_winreslen).
constexpr size_t kResourceOffsetField = 0xB8;
constexpr size_t kResourceLengthField = 0xBC;
// The resource is stored as in a 16-bit resource file: 0xFF and the type id, 0xFF and the name
// id, the flags, the size of the data that follows.
constexpr size_t kResourceHeaderSize = 12;
constexpr uint8_t kIdMark = 0xFF;

} // namespace

bool FindVxdVersionResource(const Bytes& file, size_t header, std::vector<uint8_t>* resource) {
    std::optional<uint32_t> offset = file.U32(header + kResourceOffsetField),
                            length = file.U32(header + kResourceLengthField);
    if (!offset || !length || !file.Holds(*offset, *length))
        return false;
    const Bytes stored = file.From(*offset, *length);
    std::optional<uint32_t> size = stored.U32(8);
    if (stored.U8(0) != kIdMark || stored.U16(1) != kVersionType || stored.U8(3) != kIdMark ||
        stored.U16(4) != kVersionName || !size || !stored.Has(kResourceHeaderSize, *size))
        return false;
    return TakeVersionTree(stored.From(kResourceHeaderSize, *size), resource);
}

} // namespace platform
