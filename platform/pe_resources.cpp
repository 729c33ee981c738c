#include "platform/image_formats.h"
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

    // The headers from the PE signature at header on.
    bool ReadHeaders(size_t header) {
        const size_t coff = header + 4;
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
        return file_.Holds(sections_, sectionCount_ * kSectionHeaderSize) && SectionsEndBelow4GiB();
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

// One entry of a resource directory: its name (an id in the low 16 bits, as a loader compares
// it, when it is not a string) and what it leads to (a subdirectory when the high bit is set,
// else a data entry), both offsets within the resources.
struct DirectoryEntry {
    uint32_t name;
    uint32_t target;
    bool IsDirectory() const { return (target & kSubdirectoryBit) != 0; }
    uint32_t Offset() const { return target & ~kSubdirectoryBit; }
};

// A resource directory's entries, the named ones first.
struct Directory {
    std::vector<DirectoryEntry> entries;
    size_t named = 0;

    // The index of the id entry of id; nothing when there is none.
    std::optional<size_t> FindId(uint16_t id) const {
        for (size_t i = named; i < entries.size(); ++i)
            if (static_cast<uint16_t>(entries[i].name) == id)
                return i;
        return std::nullopt;
    }
};

// The resource directory at offset: nothing when it or one of its entries lies outside the
// resources, when its ids are not in strictly ascending order (a loader searches them by halves,
// and would find one of two equal ids, or miss one out of order, depending on its way of
// halving), or when it has more entries than budget has left.
std::optional<Directory> ReadDirectory(const Bytes& resources, uint32_t offset, size_t* budget) {
    std::optional<uint16_t> named = resources.U16(size_t{offset} + 12);
    std::optional<uint16_t> ids = resources.U16(size_t{offset} + 14);
    const size_t entries = size_t{offset} + kDirectoryHeaderSize;
    const size_t count = named && ids ? size_t{*named} + *ids : 0;
    if (!named || !ids || !resources.Holds(entries, count * kDirectoryEntrySize) || count > *budget)
        return std::nullopt;
    *budget -= count;
    Directory directory;
    directory.named = *named;
    for (size_t i = 0; i < count; ++i) {
        const DirectoryEntry entry{*resources.U32(entries + kDirectoryEntrySize * i),
                                   *resources.U32(entries + kDirectoryEntrySize * i + 4)};
        if (i > directory.named && static_cast<uint16_t>(entry.name) <=
                                       static_cast<uint16_t>(directory.entries.back().name))
            return std::nullopt;
        directory.entries.push_back(entry);
    }
    return directory;
}

// The subdirectory that the entry of id in the directory at offset leads to; nothing when there
// is no such entry or it leads to data.
std::optional<uint32_t> Subdirectory(const Bytes& resources, uint32_t offset, uint16_t id,
                                     size_t* budget) {
    std::optional<Directory> directory = ReadDirectory(resources, offset, budget);
    std::optional<size_t> at = directory ? directory->FindId(id) : std::nullopt;
    if (!at || !directory->entries[*at].IsDirectory())
        return std::nullopt;
    return directory->entries[*at].Offset();
}

// The language entry the loader takes: the first of the languages in order that the directory
// holds, else its first entry.
size_t ChosenLanguage(const Directory& directory, const LoaderLanguages& languages) {
    for (uint16_t language : ResourceLanguageOrder(languages))
        if (std::optional<size_t> at = directory.FindId(language))
            return *at;
    return 0;
}

} // namespace

bool FindPeVersionResource(const Bytes& file, size_t header, const LoaderLanguages& languages,
                           std::vector<uint8_t>* resource) {
    PeImage pe(file);
    if (!pe.ReadHeaders(header))
        return false;
    std::optional<Bytes> resources = pe.Resources();
    // Type, name and language: three levels, so a directory that points back at itself cannot
    // make the walk go round.
    size_t budget = kMaxEntriesRead;
    std::optional<uint32_t> names =
        resources ? Subdirectory(*resources, 0, kVersionType, &budget) : std::nullopt;
    std::optional<uint32_t> languageOffset =
        names ? Subdirectory(*resources, *names, kVersionName, &budget) : std::nullopt;
    std::optional<Directory> directory =
        languageOffset ? ReadDirectory(*resources, *languageOffset, &budget) : std::nullopt;
    if (!directory || directory->entries.empty() ||
        directory->entries.size() > kMaxVersionResources)
        return false;
    // Every language's resource is taken out whole and walked in memory; the loader's is given.
    const size_t chosen = ChosenLanguage(*directory, languages);
    std::vector<uint8_t> taken, copy;
    for (size_t i = 0; i < directory->entries.size(); ++i) {
        const DirectoryEntry& entry = directory->entries[i];
        const size_t data = entry.Offset();
        std::optional<uint32_t> rva = resources->U32(data), length = resources->U32(data + 4);
        std::optional<Bytes> bytes = !entry.IsDirectory() && resources->Holds(data, kDataEntrySize)
                                         ? pe.Data(*rva, *length)
                                         : std::nullopt;
        if (!bytes || !TakeVersionTree(*bytes, &copy))
            return false;
        if (i == chosen)
            taken.swap(copy);
    }
    resource->swap(taken);
    return true;
}

} // namespace platform
