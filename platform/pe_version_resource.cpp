#include "platform/pe_version_resource.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <optional>

namespace platform {

namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr uint32_t kResourceDirectoryIndex = 2;
constexpr uint32_t kVersionType = 16;
constexpr uint32_t kVersionName = 1;
constexpr uint32_t kSubdirectoryBit = 0x80000000;
constexpr size_t kSectionHeaderSize = 40;
constexpr size_t kNodeHeaderSize = 6; // wLength, wValueLength, wType
constexpr uint16_t kTextValue = 1;

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
            const size_t at = offset + done, index = at / kPageSize, within = at % kPageSize;
            const std::vector<uint8_t>& page = Page(index);
            if (within >= page.size())
                return false;
            const size_t part = std::min(length - done, page.size() - within);
            std::copy_n(page.data() + within, part, out + done);
            done += part;
        }
        return true;
    }

private:
    static constexpr size_t kPageSize = 4096;

    const std::vector<uint8_t>& Page(size_t index) {
        auto found = pages_.find(index);
        if (found != pages_.end())
            return found->second;
        std::vector<uint8_t>& page = pages_[index];
        const size_t offset = index * kPageSize;
        if (offset <= size_t{LONG_MAX} && file_.Seek(static_cast<long>(offset))) {
            page.resize(kPageSize);
            page.resize(file_.Read(page.data(), kPageSize));
        }
        return page;
    }

    File& file_;
    std::map<size_t, std::vector<uint8_t>> pages_;
};

// Bytes of a source from base on, at most size of them, whose every read is checked.
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
    // length bytes from offset into out; its last byte is asked for first, so that a length
    // beyond the source takes no memory.
    bool Copy(size_t offset, size_t length, std::vector<uint8_t>* out) const {
        uint8_t last;
        if (length == 0 || !Read(offset + length - 1, 1, &last))
            return length == 0 && Has(offset, 0);
        out->resize(length);
        return Read(offset, length, out->data());
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

// A PE image's section table and resource directory entry.
class PeImage {
public:
    explicit PeImage(const Bytes& file) : file_(file) {}

    // Whether the bytes begin as a PE image does: "MZ", and "PE" and two zeros where the DOS
    // header points.
    bool IsImage() {
        std::optional<uint32_t> peOffset = file_.U32(0x3C);
        if (file_.U16(0) != uint16_t{0x5A4D} || !peOffset || file_.U32(*peOffset) != 0x4550u)
            return false;
        coff_ = size_t{*peOffset} + 4;
        return true;
    }

    bool ReadHeaders() {
        const size_t coff = coff_;
        std::optional<uint16_t> sectionCount = file_.U16(coff + 2);
        std::optional<uint16_t> optionalSize = file_.U16(coff + 16);
        const size_t optional = coff + 20;
        std::optional<uint16_t> magic = file_.U16(optional);
        if (!sectionCount || !optionalSize || !magic)
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
        if (!rva)
            return false;
        resourceRva_ = *rva;
        sections_ = optional + *optionalSize;
        sectionCount_ = *sectionCount;
        return file_.Has(sections_, sectionCount_ * kSectionHeaderSize);
    }

    uint32_t resourceRva() const { return resourceRva_; }

    // The bytes of the file from rva to the end of the section's raw data; nothing when no
    // section holds rva in the file.
    std::optional<Bytes> FromRva(uint32_t rva) const {
        for (size_t i = 0; i < sectionCount_; ++i) {
            const size_t header = sections_ + i * kSectionHeaderSize;
            uint32_t address = *file_.U32(header + 12), rawSize = *file_.U32(header + 16),
                     rawOffset = *file_.U32(header + 20);
            if (rva < address || rva - address >= rawSize)
                continue;
            const size_t offset = size_t{rawOffset} + (rva - address);
            if (!file_.Has(offset, 0))
                return std::nullopt;
            return file_.From(offset, rawSize - (rva - address));
        }
        return std::nullopt;
    }

private:
    const Bytes& file_;
    size_t coff_ = 0;
    uint32_t resourceRva_ = 0;
    size_t sections_ = 0;
    size_t sectionCount_ = 0;
};

// The OffsetToData of the entry of the resource directory at offset whose id is id (or of its
// first entry when id is none); nothing when there is none.
std::optional<uint32_t> DirectoryEntry(const Bytes& resources, uint32_t offset,
                                       std::optional<uint32_t> id) {
    std::optional<uint16_t> named = resources.U16(size_t{offset} + 12);
    std::optional<uint16_t> ids = resources.U16(size_t{offset} + 14);
    if (!named || !ids)
        return std::nullopt;
    const size_t entries = size_t{offset} + 16;
    for (size_t i = 0; i < size_t{*named} + *ids; ++i) {
        std::optional<uint32_t> name = resources.U32(entries + 8 * i);
        std::optional<uint32_t> data = resources.U32(entries + 8 * i + 4);
        if (!name || !data)
            return std::nullopt;
        // Named entries come first; an id is sought among the others.
        if (!id || (i >= *named && *name == *id))
            return data;
    }
    return std::nullopt;
}

// The offset of the subdirectory that the entry points to; nothing for a data entry.
std::optional<uint32_t> Subdirectory(std::optional<uint32_t> entry) {
    if (!entry || !(*entry & kSubdirectoryBit))
        return std::nullopt;
    return *entry & ~kSubdirectoryBit;
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

std::optional<Node> ReadNode(const Bytes& block, size_t offset, size_t limit) {
    std::optional<uint16_t> length = block.U16(offset), valueLength = block.U16(offset + 2),
                            type = block.U16(offset + 4);
    if (!length || !valueLength || !type || *length < kNodeHeaderSize)
        return std::nullopt;
    Node node;
    node.end = std::min(offset + *length, limit);
    size_t at = offset + kNodeHeaderSize;
    for (;; at += 2) {
        std::optional<uint16_t> unit = block.U16(at);
        if (!unit || at + 2 > node.end)
            return std::nullopt;
        if (*unit == 0)
            break;
        node.key += static_cast<char16_t>(*unit);
    }
    node.value = Align4(at + 2);
    const size_t valueBytes = *type == kTextValue ? size_t{*valueLength} * 2 : *valueLength;
    node.valueUnits = *type == kTextValue ? *valueLength : *valueLength / 2;
    node.children = Align4(node.value + valueBytes);
    return node;
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

ImageResource FindIn(ByteSource& source, size_t size, std::vector<uint8_t>* resource) {
    resource->clear();
    const Bytes file(source, 0, size);
    PeImage pe(file);
    if (!pe.IsImage())
        return ImageResource::NotAnImage;
    if (!pe.ReadHeaders())
        return ImageResource::None;
    std::optional<Bytes> resources = pe.FromRva(pe.resourceRva());
    if (!resources)
        return ImageResource::None;
    // Type, name and language: three levels, so a directory that points back at itself cannot
    // make the walk go round.
    std::optional<uint32_t> names = Subdirectory(DirectoryEntry(*resources, 0, kVersionType));
    std::optional<uint32_t> languages =
        names ? Subdirectory(DirectoryEntry(*resources, *names, kVersionName)) : std::nullopt;
    std::optional<uint32_t> data =
        languages ? DirectoryEntry(*resources, *languages, std::nullopt) : std::nullopt;
    if (!data || (*data & kSubdirectoryBit))
        return ImageResource::None;
    std::optional<uint32_t> rva = resources->U32(*data), length = resources->U32(*data + 4);
    if (!rva || !length)
        return ImageResource::None;
    std::optional<Bytes> bytes = pe.FromRva(*rva);
    if (!bytes || !bytes->Copy(0, *length, resource)) {
        resource->clear();
        return ImageResource::None;
    }
    return ImageResource::Found;
}

} // namespace

bool FindVersionResource(const uint8_t* image, size_t size, std::vector<uint8_t>* resource) {
    MemorySource source(image, size);
    return FindIn(source, size, resource) == ImageResource::Found;
}

ImageResource ReadImageVersionResource(File& image, std::vector<uint8_t>* resource) {
    FileSource source(image);
    return FindIn(source, SIZE_MAX, resource);
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
        std::optional<uint16_t> unit = block.U16(node->value + 2 * i);
        if (!unit || node->value + 2 * i + 2 > node->end || *unit == 0)
            break;
        *value += static_cast<char16_t>(*unit);
    }
    return true;
}

} // namespace platform
