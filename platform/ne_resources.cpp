#include "platform/image_formats.h"
#include "platform/version_block.h"

#include <optional>

namespace platform {

namespace {

// In the NE header: where the resource table begins, and where the table after it (the resident
// names) begins, which is where the resource table ends; both from the header's start.
constexpr size_t kResourceTableField = 0x24;
constexpr size_t kResidentNamesField = 0x26;
constexpr size_t kTypeInfoSize = 8;  // type id, count of resources, reserved
constexpr size_t kNameInfoSize = 12; // offset, length, flags, id, two words for the loader
constexpr size_t kNameIdField = 6;
constexpr uint16_t kIntegerId = 0x8000; // an id with this bit is a number, else a name's offset
// Offsets and lengths count units of 1 << shift bytes; a shift over 16 would place resources
// beyond the 4 GiB a file can have.
constexpr uint16_t kMaxAlignmentShift = 16;

// The resource's bytes, at the offset and length its name entry gives in alignment units.
std::optional<Bytes> ResourceBytes(const Bytes& file, const Bytes& name, uint16_t shift) {
    const size_t offset = size_t{*name.U16(0)} << shift, length = size_t{*name.U16(2)} << shift;
    if (!file.Holds(offset, length))
        return std::nullopt;
    return file.From(offset, length);
}

} // namespace

// The table: the alignment shift, then type entries, each followed by its resources' entries,
// up to a type id of 0. A loader takes the first resource of the version type and name.
bool FindNeVersionResource(const Bytes& file, size_t header, std::vector<uint8_t>* resource) {
    std::optional<uint16_t> begin = file.U16(header + kResourceTableField),
                            end = file.U16(header + kResidentNamesField);
    if (!begin || !end || *end < *begin || !file.Holds(header + *begin, *end - *begin))
        return false;
    const Bytes table = file.From(header + *begin, *end - *begin);
    std::optional<uint16_t> shift = table.U16(0);
    if (!shift || *shift > kMaxAlignmentShift)
        return false;
    // Each type entry moves the walk on by at least its own size, within the table.
    for (size_t type = 2;;) {
        std::optional<uint16_t> id = table.U16(type), count = table.U16(type + 2);
        const size_t names = type + kTypeInfoSize;
        if (!id || *id == 0 || !count || !table.Has(names, *count * kNameInfoSize))
            return false;
        for (size_t i = 0; *id == (kIntegerId | kVersionType) && i < *count; ++i) {
            const Bytes name = table.From(names + i * kNameInfoSize, kNameInfoSize);
            if (name.U16(kNameIdField) != (kIntegerId | kVersionName))
                continue;
            std::optional<Bytes> bytes = ResourceBytes(file, name, *shift);
            return bytes && TakeVersionTree(*bytes, resource);
        }
        type = names + *count * kNameInfoSize;
    }
}

} // namespace platform
