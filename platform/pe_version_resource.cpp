#include "platform/pe_version_resource.h"

#include "platform/checked_bytes.h"
#include "platform/version_block.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace platform {

namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr size_t kSizeOfHeadersField = 60; // in the optional header, PE32 and PE32+ alike
constexpr uint16_t kVersionType = 16;
constexpr uint16_t kVersionName = 1;
constexpr uint32_t kSubdirectoryBit = 0x80000000;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kDirectoryHeaderSize = 16;
constexpr size_t kDirectoryEntrySize = 8;
constexpr size_t kDataEntrySize = 16;
// Images carry one version resource, or one per language (a few dozen for some system files);
// a directory offering more, or a walk reading more directory entries than any image has, is not
// believed: checking them all would cost more than any driver's description is worth.
constexpr size_t kMaxVersionResources = 256;
constexpr size_t kMaxEntriesRead = 1 << 16;

// A PE image's section table and resource directory entry. A loader reads an address inside
// the headers at its file offset and any other through the section holding it; an image whose
// resource directory lies in its headers, or whose sections run past 4 GiB (where a loader's
// sum of address and size wraps), could be read differently by another reader, so it counts as
// damaged.
class PeImage {
public:
    explicit PeImage(const Bytes& file) : file_(file) {}

    bool ReadHeaders() {
        std::optional<uint32_t> peOffset = file_.U32(0x3C);
        if (file_.U16(0) != uint16_t{0x5A4D} || !peOffset || file_.U32(*peOffset) != 0x4550u)
            return false;
        const size_t coff = size_t{*peOffset} + 4;
        std::optional<uint16_t> sectionCount = file_.U16(coff + 2);
        std::optional<uint16_t> optionalSize = file_.U16(coff + 16);
        const size_t optional = coff + 20;
        std::optional<uint16_t> magic = file_.U16(optional);
        std::optional<uint32_t> headersSize = file_.U32(optional + kSizeOfHeadersField);
        if (!sectionCount || !optionalSize || !magic || !headersSize)
            return false;
        size_t directories;
        if (*magic == kPe32Magic)
            directories = 96;
        else if (*magic == kPe32PlusMagic)
            directories = 112;
        else
            return false;
        std::optional<uint32_t> directoryCount = file_.U32(optional + directories - 4);
        const size_t entry = directories + 8 * kResourceDirectoryIndex;
        if (!directoryCount || *directoryCount <= kResourceDirectoryIndex ||
            entry + 8 > *optionalSize)
            return false;
        std::optional<uint32_t> rva = file_.U32(optional + entry);
        if (!rva || *rva < *headersSize)
            return false;
        resourceRva_ = *rva;
        sections_ = optional + *optionalSize;
        sectionCount_ = *sectionCount;
        return file_.Has(sections_, sectionCount_ * kSectionHeaderSize) && SectionsEndBelow4GiB();
    }

    // The resource directory: the bytes from its address to the end of its section as loaded;
    // nothing when no section holds it in the file.
    std::optional<Bytes> Resources() const { return FromRva(resourceRva_); }

    // The size bytes at rva, when one section holds them all in the file.
    std::optional<Bytes> Data(uint32_t rva, uint32_t size) const {
        std::optional<Bytes> bytes = FromRva(rva);
        if (!bytes || !bytes->Has(0, size))
            return std::nullopt;
        return bytes->From(0, size);
    }

private:
    uint32_t Field(size_t section, size_t offset) const {
        return *file_.U32(sections_ + section * kSectionHeaderSize + offset);
    }

    uint32_t Extent(size_t section) const {
        return std::max(Field(section, 8), Field(section, 16));
    }

    bool SectionsEndBelow4GiB() const {
        for (size_t i = 0; i < sectionCount_; ++i)
            if (uint64_t{Field(i, 12)} + Extent(i) > UINT32_MAX)
                return false;
        return true;
    }

    // The bytes from rva to the end of the section holding it, as far as they are both in the
    // file and in the section as loaded: its raw data, and its virtual size when it gives one.
    // Loaders differ in which size bounds a section, so an address that two sections claim by
    // either size has no bytes.
    std::optional<Bytes> FromRva(uint32_t rva) const {
        std::optional<size_t> holder;
        for (size_t i = 0; i < sectionCount_; ++i) {
            const uint32_t address = Field(i, 12);
            if (rva < address || rva - address >= Extent(i))
                continue;
            if (holder)
                return std::nullopt;
            holder = i;
        }
        if (!holder)
            return std::nullopt;
        const uint32_t into = rva - Field(*holder, 12), virtualSize = Field(*holder, 8);
        const uint32_t loaded =
            virtualSize ? std::min(virtualSize, Field(*holder, 16)) : Field(*holder, 16);
        const size_t offset = size_t{Field(*holder, 20)} + into;
        if (into >= loaded || !file_.Has(offset, 0))
            return std::nullopt;
        return file_.From(offset, loaded - into);
    }

    const Bytes& file_;
    uint32_t resourceRva_ = 0;
    size_t sections_ = 0;
    size_t sectionCount_ = 0;
};

// The entries of the resource directory at offset that a loader may take, appended to found as
// the OffsetToData of each: with an id, those among the id entries whose id (the low 16 bits, as
// a loader compares it) is id, each of which must lead to a subdirectory; without one, every
// entry, each of which must be a data entry. False when the directory or one of its entries lies
// outside the resources, when an entry is of the wrong kind, when found grows too long or when
// the directory has more entries than budget has left.
bool TakeEntries(const Bytes& resources, uint32_t offset, std::optional<uint16_t> id,
                 std::vector<uint32_t>* found, size_t* budget) {
    std::optional<uint16_t> named = resources.U16(size_t{offset} + 12);
    std::optional<uint16_t> ids = resources.U16(size_t{offset} + 14);
    const size_t entries = size_t{offset} + kDirectoryHeaderSize;
    const size_t count = named && ids ? size_t{*named} + *ids : 0;
    if (!named || !ids || !resources.Has(entries, count * kDirectoryEntrySize) || count > *budget)
        return false;
    *budget -= count;
    for (size_t i = id ? *named : 0; i < count; ++i) {
        const uint32_t name = *resources.U32(entries + kDirectoryEntrySize * i);
        const uint32_t data = *resources.U32(entries + kDirectoryEntrySize * i + 4);
        if (id && static_cast<uint16_t>(name) != *id)
            continue;
        if (id.has_value() != ((data & kSubdirectoryBit) != 0) ||
            found->size() == kMaxVersionResources)
            return false;
        found->push_back(data & ~kSubdirectoryBit);
    }
    return true;
}

bool FindIn(ByteSource& source, size_t size, std::vector<uint8_t>* resource) {
    resource->clear();
    const Bytes file(source, 0, size);
    PeImage pe(file);
    if (!pe.ReadHeaders())
        return false;
    std::optional<Bytes> resources = pe.Resources();
    // Type, name and language: three levels, so a directory that points back at itself cannot
    // make the walk go round.
    std::vector<uint32_t> names, languages, entries;
    size_t budget = kMaxEntriesRead;
    if (!resources || !TakeEntries(*resources, 0, kVersionType, &names, &budget))
        return false;
    for (uint32_t directory : names)
        if (!TakeEntries(*resources, directory, kVersionName, &languages, &budget))
            return false;
    for (uint32_t directory : languages)
        if (!TakeEntries(*resources, directory, std::nullopt, &entries, &budget))
            return false;
    // Each resource is taken out whole, then walked in memory; the first is the one given.
    std::vector<uint8_t> first, copy;
    for (size_t i = 0; i < entries.size(); ++i) {
        const uint32_t entry = entries[i];
        std::optional<uint32_t> rva = resources->U32(entry), length = resources->U32(entry + 4);
        std::optional<Bytes> bytes =
            resources->Has(entry, kDataEntrySize) ? pe.Data(*rva, *length) : std::nullopt;
        if (!bytes || !bytes->Copy(&copy))
            return false;
        MemorySource taken(copy.data(), copy.size());
        if (!IsSoundVersionTree(Bytes(taken, 0, copy.size()), copy.size()))
            return false;
        if (i == 0)
            first.swap(copy);
    }
    if (entries.empty())
        return false;
    resource->swap(first);
    return true;
}

} // namespace

bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource) {
    MemorySource source(image, size);
    return FindIn(source, size, resource);
}

bool ReadImageVersionResource(File& image, std::vector<uint8_t>* resource) {
    FileSource source(image);
    return FindIn(source, SIZE_MAX, resource);
}

} // namespace platform
