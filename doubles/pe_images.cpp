#include "doubles/pe_images.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

namespace platform {

namespace {

constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kSectionOffset = 0x200;
constexpr uint32_t kMinRawSize = 0x400;
constexpr uint32_t kLanguageDirectory = 0x30; // within the resources
constexpr uint32_t kFirstLanguage = 0x409;

// Where the links of a PE32+ image with one version resource lie in the file.
constexpr size_t kPeOffset = 0x3C;
constexpr size_t kPeSignature = 0x40;
constexpr size_t kMagic = 0x58;
constexpr size_t kSizeOfHeaders = 0x94;
constexpr size_t kDirectoryCount = 0xC4;
constexpr size_t kResourceRva = 0xD8;
constexpr size_t kSectionRawSize = 0x158;
constexpr size_t kSectionRawOffset = 0x15C;
constexpr size_t kTypeNamedCount = 0x20C;
constexpr size_t kTypeId = 0x210;
constexpr size_t kTypeTarget = 0x214;
constexpr size_t kNameTarget = 0x22C;
constexpr size_t kLanguageTarget = 0x244;
constexpr size_t kDataRva = 0x248;
constexpr size_t kDataSize = 0x24C;

size_t Align(size_t offset, size_t alignment) {
    return (offset + alignment - 1) / alignment * alignment;
}

ImageBytes Tiny() {
    return VersionBlock({VersionText(u"FileDescription", u"Tiny")});
}

// The tiny image with the links given as (offset, value) pairs set.
ImageBytes Broken(std::initializer_list<std::pair<size_t, uint32_t>> links) {
    return WithLinks(VersionImage({Tiny()}), links);
}

// A block whose one string node is changed by damage.
ImageBytes WithDamagedString(const std::function<void(ImageBytes&)>& damage) {
    ImageBytes node = VersionText(u"Key", u"Value");
    damage(node);
    return VersionBlock({node});
}

// Lays a resource directory of id entries, each an id and where it leads, at offset at.
void PutDirectory(ImageBytes& resources, size_t at,
                  const std::vector<std::pair<uint32_t, uint32_t>>& entries) {
    PutLittleEndian(resources, at + 12, 0, 2);
    PutLittleEndian(resources, at + 14, uint32_t(entries.size()), 2);
    for (size_t i = 0; i < entries.size(); ++i) {
        PutLittleEndian(resources, at + 16 + 8 * i, entries[i].first);
        PutLittleEndian(resources, at + 20 + 8 * i, entries[i].second);
    }
}

// A PE32+ (or PE32) image with the resources given as its one section, at RVA 0x1000 and file
// offset 0x200.
ImageBytes ResourceImage(ImageBytes resources, bool pe32Plus) {
    ImageBytes image(kSectionOffset);
    PutLittleEndian(image, 0, 0x5A4D, 2);
    PutLittleEndian(image, kPeOffset, kPeSignature);
    PutLittleEndian(image, kPeSignature, 0x4550);
    PutLittleEndian(image, 0x44, pe32Plus ? 0x8664 : 0x14C, 2); // the machine
    PutLittleEndian(image, 0x46, 1, 2);                         // one section
    const uint32_t optionalSize = pe32Plus ? 240 : 224, directories = pe32Plus ? 0xC8 : 0xB8;
    PutLittleEndian(image, 0x54, optionalSize, 2);
    PutLittleEndian(image, 0x56, 0x2102, 2); // an executable DLL
    PutLittleEndian(image, kMagic, pe32Plus ? 0x20B : 0x10B, 2);
    PutLittleEndian(image, kMagic + (pe32Plus ? 24 : 28), 0x10000); // the image base
    PutLittleEndian(image, kMagic + 32, kSectionRva);               // section alignment
    PutLittleEndian(image, kMagic + 36, kSectionOffset);            // file alignment
    PutLittleEndian(image, kMagic + 48, 4, 2);                      // subsystem version 4.0
    PutLittleEndian(image, kSizeOfHeaders, kSectionOffset);
    PutLittleEndian(image, kMagic + 68, 1, 2); // the native subsystem, as drivers have
    PutLittleEndian(image, directories - 4, 16);
    PutLittleEndian(image, directories + 16, kSectionRva);

    const uint32_t rawSize =
        uint32_t(std::max<size_t>(kMinRawSize, Align(resources.size(), 0x200)));
    resources.resize(rawSize);
    PutLittleEndian(image, directories + 20, rawSize);
    PutLittleEndian(image, kMagic + 56, kSectionRva + rawSize); // the size of the image
    const uint32_t section = kMagic + optionalSize;
    for (size_t i = 0; i < 5; ++i)
        image[section + i] = static_cast<uint8_t>(".rsrc"[i]);
    for (uint32_t field : {8u, 16u})
        PutLittleEndian(image, section + field, rawSize);
    PutLittleEndian(image, section + 12, kSectionRva);
    PutLittleEndian(image, section + 20, kSectionOffset);
    PutLittleEndian(image, section + 36, 0x40000040); // initialised data, readable
    image.insert(image.end(), resources.begin(), resources.end());
    return image;
}

} // namespace

void PutLittleEndian(ImageBytes& bytes, size_t at, uint32_t value, int width) {
    bytes.resize(std::max(bytes.size(), at + width));
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

ImageBytes WithLinks(ImageBytes image, std::initializer_list<std::pair<size_t, uint32_t>> links,
                     int width) {
    for (const auto& [at, value] : links)
        PutLittleEndian(image, at, value, width);
    return image;
}

ImageBytes FinishVersionNode(ImageBytes node, const ImageBytes& value,
                             const std::vector<ImageBytes>& children, uint16_t valueLength) {
    node.resize(Align(node.size(), 4));
    node.insert(node.end(), value.begin(), value.end());
    for (const ImageBytes& child : children) {
        node.resize(Align(node.size(), 4));
        node.insert(node.end(), child.begin(), child.end());
    }
    PutLittleEndian(node, 0, static_cast<uint32_t>(node.size()), 2);
    PutLittleEndian(node, 2, valueLength, 2);
    return node;
}

ImageBytes VersionNode(const std::u16string& key, const ImageBytes& value, uint16_t type,
                       const std::vector<ImageBytes>& children) {
    ImageBytes node(6);
    PutLittleEndian(node, 4, type, 2);
    for (char16_t unit : key + u'\0')
        PutLittleEndian(node, node.size(), unit, 2);
    const size_t valueLength = type == 1 ? value.size() / 2 : value.size();
    return FinishVersionNode(node, value, children, static_cast<uint16_t>(valueLength));
}

ImageBytes VersionText(const std::u16string& key, const std::u16string& text) {
    ImageBytes value;
    for (char16_t unit : text + u'\0')
        PutLittleEndian(value, value.size(), unit, 2);
    return VersionNode(key, value, 1);
}

ImageBytes VersionBlock(const std::vector<ImageBytes>& strings) {
    return VersionNode(
        u"VS_VERSION_INFO", ImageBytes(52, 0), 0,
        {VersionNode(u"StringFileInfo", {}, 1, {VersionNode(u"040904B0", {}, 1, strings)})});
}

ImageBytes VersionImage(const std::vector<ImageBytes>& blocks, bool pe32Plus,
                        const std::vector<uint16_t>& languages) {
    // The type, name and language directories, the data entries, the blocks.
    ImageBytes resources;
    PutDirectory(resources, 0, {{16, 0x80000018}});
    PutDirectory(resources, 0x18, {{1, 0x80000000 | kLanguageDirectory}});
    const uint32_t count = static_cast<uint32_t>(blocks.size());
    const uint32_t dataEntries = kLanguageDirectory + 16 + 8 * count;
    std::vector<std::pair<uint32_t, uint32_t>> entries;
    size_t blockAt = dataEntries + 16 * count;
    for (uint32_t i = 0; i < count; ++i) {
        entries.emplace_back(languages.empty() ? kFirstLanguage + i : languages[i],
                             dataEntries + 16 * i);
        PutLittleEndian(resources, dataEntries + 16 * i, kSectionRva + uint32_t(blockAt));
        PutLittleEndian(resources, dataEntries + 16 * i + 4, uint32_t(blocks[i].size()));
        resources.resize(blockAt);
        resources.insert(resources.end(), blocks[i].begin(), blocks[i].end());
        blockAt = Align(resources.size(), 4);
    }
    PutDirectory(resources, kLanguageDirectory, entries);
    return ResourceImage(resources, pe32Plus);
}

ImageBytes LanguagesImage(const std::vector<uint16_t>& languages) {
    std::vector<ImageBytes> blocks;
    for (uint16_t language : languages) {
        char text[10];
        std::snprintf(text, sizeof text, "lang %04X", language);
        blocks.push_back(VersionBlock(
            {VersionText(u"FileDescription", std::u16string(text, text + std::strlen(text)))}));
    }
    return VersionImage(blocks, true, languages);
}

ImageBytes CrowdedVersionImage(uint32_t names) {
    constexpr uint32_t kNames = 0x810;
    const uint32_t languages = kNames + 16 + 8 * names, data = languages + 24, block = data + 16;
    ImageBytes resources;
    std::vector<std::pair<uint32_t, uint32_t>> types, entries;
    for (uint32_t id = 1; id <= 256; ++id)
        types.emplace_back(id, 0x80000000 | kNames);
    for (uint32_t id = 1; id <= names; ++id)
        entries.emplace_back(id, 0x80000000 | languages);
    PutDirectory(resources, 0, types);
    PutDirectory(resources, kNames, entries);
    PutDirectory(resources, languages, {{kFirstLanguage, data}});
    const ImageBytes tiny = Tiny();
    PutLittleEndian(resources, data, kSectionRva + block);
    PutLittleEndian(resources, data + 4, uint32_t(tiny.size()));
    resources.resize(block);
    resources.insert(resources.end(), tiny.begin(), tiny.end());
    return ResourceImage(resources, true);
}

std::vector<NamedImage> DamagedVersionImages() {
    ImageBytes longRoot = Tiny();
    PutLittleEndian(longRoot, 0, 0xFFFF, 2);
    // A 32-bit tree whose fifth byte reads as a 16-bit key's first character: read in the 16-bit
    // form, its first child falls in the zeroed fixed part.
    ImageBytes sixteenBit = Tiny();
    PutLittleEndian(sixteenBit, 4, 0x41, 2);
    // A node of a header (12 bytes long, no value, text) and a key without its terminator.
    const ImageBytes unterminated = {12, 0, 0, 0, 1, 0, 'K', 0, 'e', 0, 'y', 0};

    const ImageBytes tiny = Tiny();
    // The version block in the file but past its section's raw data, where the section as
    // loaded holds zeros.
    ImageBytes pastRawData = Broken({{kSectionRawSize, 0x58}, {kDataRva, kSectionRva + 0x100}});
    std::copy(tiny.begin(), tiny.end(), pastRawData.begin() + kSectionOffset + 0x100);

    return {
        // The headers.
        {"NoMzSignature", Broken({{0, 0}})},
        {"PeHeaderPastTheEnd", Broken({{kPeOffset, 0x7F000000}})},
        {"NoPeSignature", Broken({{kPeSignature, 0}})},
        {"UnknownOptionalHeaderMagic", Broken({{kMagic, 0x10C}})},
        {"NoResourceDirectoryEntry", Broken({{kDirectoryCount, 2}})},
        {"ResourceDirectoryOutsideEverySection", Broken({{kResourceRva, 0x7FFF0000}})},
        {"ResourceDirectoryInsideTheHeaders", Broken({{kSizeOfHeaders, 0x2000}})},
        {"SectionTableRunningPastTheEnd", Broken({{0x46, 0x100}})},
        {"SectionDataPastTheEnd", Broken({{kSectionRawOffset, 0x7F000000}})},
        {"SectionEndingPastFourGigabytes", Broken({{kSectionRawSize, 0xFFFFFF00}})},
        // The resource directory.
        {"NoVersionType", Broken({{kTypeId, 3}})},
        {"VersionTypeThatIsNoDirectory", Broken({{kTypeTarget, 0x18}})},
        {"DirectoryOutsideTheSection", Broken({{kTypeTarget, 0xFFFFFFF0}})},
        {"NamedEntriesRunningOffTheSection", Broken({{kTypeNamedCount, 0xFFFF}})},
        {"NameDirectoryPointingBackAtTheRoot", Broken({{kNameTarget, 0x80000000}})},
        {"VersionNameThatIsADataEntry", Broken({{kNameTarget, 0x48}})},
        {"LanguageEntryPointingAtItsOwnDirectory", Broken({{kLanguageTarget, 0x80000030}})},
        {"DataOutsideTheFile", Broken({{kDataRva, 0x40000000}})},
        {"DataLongerThanTheFile", Broken({{kDataSize, 0xFFFFFFF0}})},
        {"DataPastTheSectionsRawData", pastRawData},
        {"DataEntryAtRva7FFFFF00OfSize7FFFFFFF",
         Broken({{kDataRva, 0x7FFFFF00}, {kDataSize, 0x7FFFFFFF}})},
        {"MoreVersionResourcesThanAnyImageHas", VersionImage(std::vector<ImageBytes>(257, Tiny()))},
        {"MoreDirectoryEntriesThanAnyImageHas", CrowdedVersionImage(65280)},
        {"LanguagesOutOfOrder", VersionImage({tiny, tiny}, true, {0x409, 0x407})},
        {"LanguageDirectoryWithNoEntries", VersionImage({})},
        {"OneLanguageTwice", VersionImage({tiny, tiny}, true, {0x409, 0x409})},
        // A second type entry over the name directory's zeroed head: id 0 after 16.
        {"TypeIdsOutOfOrder", Broken({{kTypeNamedCount, 0x20000}})},
        // The version resource tree.
        {"VersionInfoOfLengthFFFF", VersionImage({longRoot})},
        {"SecondLanguageOfLengthFFFF", VersionImage({Tiny(), longRoot})},
        {"WideTreeReadIn16BitForm", VersionImage({sixteenBit})},
        {"ChildLongerThanItsParent", VersionImage({WithDamagedString([](ImageBytes& node) {
             PutLittleEndian(node, 0, 0xFFF0, 2);
         })})},
        {"ChildOfLengthZero", VersionImage({WithDamagedString(
                                  [](ImageBytes& node) { PutLittleEndian(node, 0, 0, 2); })})},
        {"TextRunningPastItsNode", VersionImage({WithDamagedString([](ImageBytes& node) {
             PutLittleEndian(node, 2, 0x100, 2);
         })})},
        {"KeyWithoutTerminator", VersionImage({VersionBlock({unterminated})})},
    };
}

} // namespace platform
