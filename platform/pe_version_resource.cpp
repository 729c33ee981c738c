#include "platform/pe_version_resource.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <memory>
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
constexpr size_t kNodeHeaderSize = 6; // wLength, wValueLength, wType
constexpr uint16_t kTextValue = 1;
// Images carry one version resource, or one per language (a few dozen for some system files);
// a directory offering more, or a walk reading more directory entries than any image has, is not
// believed: checking them all would cost more than any driver's description is worth.
constexpr size_t kMaxVersionResources = 256;
constexpr size_t kMaxEntriesRead = 1 << 16;

// Where an image's bytes come from: memory, or a file read a page at a time as they are needed.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Copies length bytes from offset to out; false when the source does not hold them all.
    virtual bool Read(size_t offset, size_t length, uint8_t* out) = 0;
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Read(size_t offset, size_t length, uint8_t* out) override {
        if (offset > size_ || length > size_ - offset)
            return false;
        std::copy_n(data_ + offset, length, out);
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
};

// A file's pages as the reader touches them, each read once.
class FileSource final : public ByteSource {
public:
    explicit FileSource(File& file) : file_(file) {}
    bool Read(size_t offset, size_t length, uint8_t* out) override {
        for (size_t done = 0; done < length;) {
            const size_t at = offset + done, within = at % kPageSize;
            const Page& page = PageAt(at / kPageSize);
            if (within >= page.size)
                return false;
            const size_t part = std::min(length - done, page.size - within);
            std::copy_n(page.bytes.get() + within, part, out + done);
            done += part;
        }
        return true;
    }

private:
    static constexpr size_t kPageSize = 4096;

    struct Page {
        std::unique_ptr<uint8_t[]> bytes;
        size_t size = 0; // less than a page at the end of the file, 0 past it
    };

    // The walk reads a few bytes at a time, mostly from the page it read last.
    const Page& PageAt(size_t index) {
        if (last_ && lastIndex_ == index)
            return *last_;
        auto [at, isNew] = pages_.try_emplace(index);
        Page& page = at->second;
        const size_t offset = index * kPageSize;
        if (isNew && offset <= size_t{LONG_MAX} && file_.Seek(static_cast<long>(offset))) {
            page.bytes.reset(new uint8_t[kPageSize]);
            page.size = file_.Read(page.bytes.get(), kPageSize);
        }
        last_ = &page;
        lastIndex_ = index;
        return page;
    }

    File& file_;
    std::map<size_t, Page> pages_;
    const Page* last_ = nullptr;
    size_t lastIndex_ = 0;
};

// At most size bytes of a source from base on, whose every read is checked against their end
// (a file's end is found when a read reaches it).
class Bytes {
public:
    Bytes(ByteSource& source, size_t base, size_t size)
        : source_(&source), base_(base), size_(size) {}

    bool Has(size_t offset, size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }
    std::optional<uint16_t> U16(size_t offset) const {
        uint8_t bytes[2];
        if (!Read(offset, 2, bytes))
            return std::nullopt;
        return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
    }
    std::optional<uint32_t> U32(size_t offset) const {
        std::optional<uint16_t> low = U16(offset), high = U16(offset + 2);
        if (!low || !high)
            return std::nullopt;
        return static_cast<uint32_t>(*low | static_cast<uint32_t>(*high) << 16);
    }
    // Whether the source holds all the bytes: its last one is read.
    bool Whole() const {
        uint8_t last;
        return size_ == 0 || Read(size_ - 1, 1, &last);
    }
    // All the bytes, into out; false when the source does not hold them.
    bool Copy(std::vector<uint8_t>* out) const {
        if (!Whole())
            return false;
        out->resize(size_);
        return Read(0, size_, out->data());
    }
    // The bytes from offset on, at most size of them.
    Bytes From(size_t offset, size_t size) const {
        return Bytes(*source_, base_ + offset, std::min(size, size_ - offset));
    }
    size_t size() const { return size_; }

private:
    bool Read(size_t offset, size_t length, uint8_t* out) const {
        return Has(offset, length) && source_->Read(base_ + offset, length, out);
    }

    ByteSource* source_;
    size_t base_;
    size_t size_;
};

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

size_t Align4(size_t offset) {
    return (offset + 3) & ~size_t{3};
}

// One node of a version resource: a length, a key, a value, then children up to its end.
struct Node {
    std::u16string key;
    size_t end = 0;
    size_t value = 0;
    size_t valueUnits = 0; // of text
    size_t children = 0;
};

// The node at offset, when it is whole within limit (its parent's end): a length covering its
// header and its key's terminator, a type of text (1) or binary (0), the key ended and the value
// held within the node. Whatever reads the node, by this reader or by the system's, stays
// inside it.
std::optional<Node> ReadNode(const Bytes& block, size_t offset, size_t limit) {
    std::optional<uint16_t> length = block.U16(offset), valueLength = block.U16(offset + 2),
                            type = block.U16(offset + 4);
    if (!length || !valueLength || !type || *type > kTextValue || offset + *length > limit)
        return std::nullopt;
    Node node;
    node.end = offset + *length;
    size_t at = offset + kNodeHeaderSize;
    for (;; at += 2) {
        if (at + 2 > node.end)
            return std::nullopt;
        const uint16_t unit = *block.U16(at);
        if (unit == 0)
            break;
        node.key += static_cast<char16_t>(unit);
    }
    node.value = Align4(at + 2);
    const size_t valueBytes = *type == kTextValue ? size_t{*valueLength} * 2 : *valueLength;
    if (valueBytes != 0 && node.value + valueBytes > node.end)
        return std::nullopt;
    node.valueUnits = *type == kTextValue ? *valueLength : *valueLength / 2;
    node.children = Align4(node.value + valueBytes);
    return node;
}

// True when the first size bytes of block hold one node whose every descendant is whole within
// its parent. Each node takes at least 8 bytes, so every step moves on.
bool IsSoundTree(const Bytes& block, size_t size) {
    std::optional<Node> root = ReadNode(block, 0, size);
    if (!root)
        return false;
    // The nodes being walked: where each one's next child begins, and where the node ends.
    std::vector<std::pair<size_t, size_t>> open{{root->children, root->end}};
    while (!open.empty()) {
        const auto [next, end] = open.back();
        if (next >= end) {
            open.pop_back();
            continue;
        }
        std::optional<Node> child = ReadNode(block, next, end);
        if (!child)
            return false;
        open.back().first = Align4(child->end);
        open.emplace_back(child->children, child->end);
    }
    return true;
}

char16_t FoldAscii(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - (u'a' - u'A')) : unit;
}

bool KeyEquals(const std::u16string& key, const std::string& name) {
    return key.size() == name.size() &&
           std::equal(key.begin(), key.end(), name.begin(), [](char16_t unit, char c) {
               return FoldAscii(unit) == FoldAscii(static_cast<unsigned char>(c));
           });
}

std::optional<Node> FindChild(const Bytes& block, const Node& parent, const std::string& name) {
    for (size_t child = parent.children; child < parent.end;) {
        std::optional<Node> node = ReadNode(block, child, parent.end);
        if (!node)
            return std::nullopt;
        if (KeyEquals(node->key, name))
            return node;
        child = Align4(node->end);
    }
    return std::nullopt;
}

} // namespace

namespace {

bool FindIn(ByteSource& source, size_t size, std::vector<uint8_t>* resource,
            uint32_t* largestSize) {
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
    uint32_t largest = 0;
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
        if (!IsSoundTree(Bytes(taken, 0, copy.size()), copy.size()))
            return false;
        if (i == 0)
            first.swap(copy);
        largest = std::max(largest, *length);
    }
    if (entries.empty())
        return false;
    resource->swap(first);
    if (largestSize)
        *largestSize = largest;
    return true;
}

} // namespace

bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource,
                         uint32_t* largestSize) {
    MemorySource source(image, size);
    return FindIn(source, size, resource, largestSize);
}

bool ReadImageVersionResource(File& image, std::vector<uint8_t>* resource, uint32_t* largestSize) {
    FileSource source(image);
    return FindIn(source, SIZE_MAX, resource, largestSize);
}

bool IsSoundVersionBlock(const uint8_t* block, size_t size) {
    MemorySource source(block, size);
    const Bytes bytes(source, 0, size);
    std::optional<uint16_t> length = bytes.U16(0);
    return length && VersionBlockSize(*length) <= size && IsSoundTree(bytes, *length);
}

bool FindVersionString(const uint8_t* resource, size_t size, const char* subBlock,
                       std::u16string* value) {
    value->clear();
    MemorySource source(resource, size);
    const Bytes block(source, 0, size);
    std::optional<Node> node = ReadNode(block, 0, size);
    std::string name;
    for (const char* p = subBlock;; ++p) {
        if (*p && *p != '\\') {
            name += *p;
            continue;
        }
        if (!name.empty() && node)
            node = FindChild(block, *node, name);
        name.clear();
        if (!*p)
            break;
    }
    if (!node)
        return false;
    for (size_t i = 0; i < node->valueUnits; ++i) {
        const uint16_t unit = *block.U16(node->value + 2 * i);
        if (unit == 0)
            break;
        *value += static_cast<char16_t>(unit);
    }
    return true;
}

} // namespace platform
