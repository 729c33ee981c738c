#include "doubles/legacy_images.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint32_t kNewHeader = 0x80;
constexpr uint32_t kResourceAt = 0x200;

// Where the links of an NE image lie in the file.
constexpr size_t kNeTableBegin = kNewHeader + 0x24;
constexpr size_t kNeTableEnd = kNewHeader + 0x26;
constexpr size_t kNeTable = 0xC0;        // the alignment shift, then the types
constexpr size_t kNeVersionType = 0xD6;  // its id, its count
constexpr size_t kNeVersionEntry = 0xEA; // the entry of name 1: offset, length, flags, id
constexpr size_t kNeTerminator = 0xF6;
constexpr uint32_t kNeOther = 0x100;
constexpr uint32_t kNeShift = 4;

// Where the links of a VxD lie in the file.
constexpr size_t kVxdResourceOffset = kNewHeader + 0xB8;
constexpr size_t kVxdResourceLength = kNewHeader + 0xBC;

ImageBytes Tiny16() {
    return VersionBlock16({VersionText16("FileDescription", "Tiny")});
}

ImageBytes WithNewHeader(uint16_t signature) {
    ImageBytes image(kResourceAt);
    PutLittleEndian(image, 0, 0x5A4D, 2);
    PutLittleEndian(image, 0x3C, kNewHeader);
    PutLittleEndian(image, kNewHeader, signature, 2);
    return image;
}

void PutBytes(ImageBytes& image, size_t at, const ImageBytes& bytes) {
    image.resize(std::max(image.size(), at + bytes.size()));
    std::copy(bytes.begin(), bytes.end(), image.begin() + at);
}

// Lays an NE resource entry: the data's offset and length in units of 16 bytes, its flags
// (moveable, pure, preload) and its id.
void PutNeEntry(ImageBytes& image, size_t at, uint32_t offset, size_t length, uint16_t id) {
    PutLittleEndian(image, at, offset >> kNeShift, 2);
    PutLittleEndian(image, at + 2, uint32_t((length + 15) >> kNeShift), 2);
    PutLittleEndian(image, at + 4, 0x0070, 2);
    PutLittleEndian(image, at + 6, id, 2);
}

} // namespace

ImageBytes VersionNode16(const std::string& key, const ImageBytes& value,
                         const std::vector<ImageBytes>& children) {
    // The header, then the key and its terminator.
    ImageBytes node(4 + key.size() + 1, 0);
    std::copy(key.begin(), key.end(), node.begin() + 4);
    return FinishVersionNode(node, value, children, static_cast<uint16_t>(value.size()));
}

ImageBytes VersionText16(const std::string& key, const std::string& text) {
    ImageBytes value(text.begin(), text.end());
    value.push_back(0);
    return VersionNode16(key, value);
}

ImageBytes VersionBlock16(const std::vector<ImageBytes>& strings) {
    return VersionNode16(
        "VS_VERSION_INFO", ImageBytes(52, 0),
        {VersionNode16("StringFileInfo", {}, {VersionNode16("040904B0", {}, strings)})});
}

ImageBytes NeVersionImage(const ImageBytes& block, const ImageBytes& other) {
    ImageBytes image = WithNewHeader(0x454E);
    PutLittleEndian(image, kNeTableBegin, kNeTable - kNewHeader, 2);
    PutLittleEndian(image, kNeTableEnd, kNeTerminator + 2 - kNewHeader, 2);
    PutLittleEndian(image, kNewHeader + 0x36, 2, 1); // for Windows
    PutLittleEndian(image, kNeTable, kNeShift, 2);
    // An icon, then the version type's two resources.
    PutLittleEndian(image, kNeTable + 2, 0x8003, 2);
    PutLittleEndian(image, kNeTable + 4, 1, 2);
    PutNeEntry(image, kNeTable + 10, kNeOther, 16, 0x8001);
    PutLittleEndian(image, kNeVersionType, 0x8010, 2);
    PutLittleEndian(image, kNeVersionType + 2, 2, 2);
    PutNeEntry(image, kNeVersionEntry - 12, kNeOther, other.size(), 0x8002);
    PutNeEntry(image, kNeVersionEntry, kResourceAt, block.size(), 0x8001);
    PutBytes(image, kNeOther, other);
    PutBytes(image, kResourceAt, block);
    image.resize(kResourceAt + ((block.size() + 15) & ~size_t{15}));
    return image;
}

ImageBytes VxdVersionImage(const ImageBytes& block) {
    ImageBytes image = WithNewHeader(0x454C);
    PutLittleEndian(image, kNewHeader + 8, 2, 2);  // an 80386
    PutLittleEndian(image, kNewHeader + 10, 4, 2); // for Windows 386 enhanced mode
    PutLittleEndian(image, kVxdResourceOffset, kResourceAt);
    PutLittleEndian(image, kVxdResourceLength, uint32_t(12 + block.size()));
    const ImageBytes header = {0xFF, 16, 0, 0xFF, 1, 0, 0x30, 0};
    PutBytes(image, kResourceAt, header);
    PutLittleEndian(image, kResourceAt + 8, uint32_t(block.size()));
    PutBytes(image, kResourceAt + 12, block);
    return image;
}

std::vector<NamedImage> DamagedLegacyImages() {
    const ImageBytes ne = NeVersionImage(Tiny16()), vxd = VxdVersionImage(Tiny16());
    ImageBytes longRoot = Tiny16();
    PutLittleEndian(longRoot, 0, 0xFFFF, 2);
    ImageBytes longChild = Tiny16();
    PutLittleEndian(longChild, 20 + 52, 0xFFF0, 2); // StringFileInfo, after the fixed part
    ImageBytes unterminated = VersionNode16("Key", {});
    unterminated.resize(7); // the header and "Key", without its terminator
    PutLittleEndian(unterminated, 0, 7, 2);
    return {
        // NE: the header and the resource table.
        {"NeTableEndingBeforeItBegins", WithLinks(ne, {{kNeTableEnd, 0x10}}, 2)},
        {"NeTablePastTheEnd", WithLinks(ne, {{kNeTableBegin, 0xFF00}, {kNeTableEnd, 0xFFF0}}, 2)},
        // The version's entries lie in the file, the table's end does not.
        {"NeTableRunningPastTheEnd", WithLinks(ne, {{kNeTableEnd, 0x7F00}}, 2)},
        {"NeAlignmentShiftOf17", WithLinks(ne, {{kNeTable, 17}}, 2)},
        {"NeTableEndingAmongTheVersionEntries",
         WithLinks(ne, {{kNeTableEnd, kNeVersionEntry - kNewHeader}}, 2)},
        {"NeEntriesRunningOffTheTable", WithLinks(ne, {{kNeVersionType + 2, 0x1000}}, 2)},
        {"NeResourcePastTheEnd", WithLinks(ne, {{kNeVersionEntry, 0xF000}}, 2)},
        {"NeResourceLongerThanTheFile", WithLinks(ne, {{kNeVersionEntry + 2, 0xFFFF}}, 2)},
        {"NeVersionOfLengthFFFF", NeVersionImage(longRoot)},
        {"NeChildLongerThanItsParent", NeVersionImage(longChild)},
        {"NeKeyWithoutTerminator", NeVersionImage(VersionBlock16({unterminated}))},
        // VxD: the header and the resource's own header.
        {"VxdResourcePastTheEnd", WithLinks(vxd, {{kVxdResourceOffset, 0x7FFFFFFF}}, 4)},
        {"VxdResourceRunningPastTheEnd", WithLinks(vxd, {{kVxdResourceLength, 0x10000}}, 4)},
        {"VxdResourceShorterThanItsHeader", WithLinks(vxd, {{kVxdResourceLength, 11}}, 4)},
        {"VxdDataLongerThanTheResource", WithLinks(vxd, {{kResourceAt + 8, 0xFFFFFFF0}}, 4)},
        {"VxdResourceOfAnotherType", WithLinks(vxd, {{kResourceAt + 1, 14}}, 2)},
        {"VxdResourceNamedByText", WithLinks(vxd, {{kResourceAt + 3, 'V'}}, 1)},
        {"VxdVersionOfLengthFFFF", VxdVersionImage(longRoot)},
    };
}

} // namespace platform
