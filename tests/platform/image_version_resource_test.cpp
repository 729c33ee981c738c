// The version-resource reader on PE, NE and VxD images made byte by byte, and on one the build
// makes.
#include "doubles/legacy_images.h"
#include "platform/file_system.h"
#include "platform/image_version_resource.h"
#include "platform/little_endian.h"
#include "platform/substitute/memory_file.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

using namespace platform;

const ImageBytes kTiny = VersionBlock({VersionText(u"FileDescription", u"Tiny")});

// An image held in memory, read as a file, counting what is read.
struct CountingFile final : File {
    explicit CountingFile(const ImageBytes& bytes)
        : file_(std::string(bytes.begin(), bytes.end())) {}
    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void* buffer, size_t size) override {
        ++reads;
        const size_t read = file_.Read(buffer, size);
        bytesRead += read;
        return read;
    }
    size_t Write(const void*, size_t) override { return 0; }
    bool Seek(long offset) override { return file_.Seek(offset); }
    long Tell() override { return file_.Tell(); }
    bool Close() override { return true; }

    int reads = 0;
    size_t bytesRead = 0;

private:
    MemoryFile file_;
};

// The resource as found in the bytes, and as read from them as a file: both must agree.
bool Find(const ImageBytes& image, ImageBytes* resource) {
    const bool found = FindVersionResource(image.data(), image.size(), resource);
    CountingFile file(image);
    ImageBytes read{1};
    EXPECT_EQ(found, ReadImageVersionResource(file, &read));
    EXPECT_EQ(*resource, read);
    return found;
}

uint32_t At(const ImageBytes& image, size_t offset) {
    return LoadUint32(&image[offset]);
}

TEST(PeVersionResource, FindsTheUsEnglishBlockInPe32AndPe32PlusImages) {
    const ImageBytes longer = VersionBlock({VersionText(u"FileDescription", u"Longer text")});
    for (bool plus : {true, false}) {
        const ImageBytes image = VersionImage({kTiny, longer}, plus);
        // The made image holds its section within its size, as a loader requires.
        const size_t section = 0x58 + (plus ? 240 : 224);
        EXPECT_LE(At(image, section + 12) + At(image, section + 8), At(image, 0x58 + 56));
        ImageBytes resource;
        ASSERT_TRUE(Find(image, &resource)) << plus;
        EXPECT_EQ(kTiny, resource);
    }
}

// A resource section ending with its data entry, read through a second one ending at the top.
TEST(PeVersionResource, ImagesAtTheLimitsOfTheirLinksAreRead) {
    ImageBytes image = VersionImage({kTiny});
    PutLittleEndian(image, 0x46, 2, 2);
    for (size_t size : {0x150, 0x158})
        PutLittleEndian(image, size, 0x58);
    // The second section: its size in memory, its address, its size and offset in the file.
    const uint32_t second[] = {0xFFF, 0xFFFFF000, 0x400, 0x200};
    for (size_t i = 0; i < 4; ++i)
        PutLittleEndian(image, 0x178 + 4 * i, second[i]);
    PutLittleEndian(image, 0x248, 0xFFFFF058);
    ImageBytes resource;
    EXPECT_TRUE(Find(image, &resource));
    EXPECT_EQ(kTiny, resource);
    // As many directory entries as any image has (65536), as many languages (256).
    EXPECT_TRUE(Find(CrowdedVersionImage(65279), &resource));
    EXPECT_TRUE(Find(VersionImage(std::vector<ImageBytes>(256, kTiny)), &resource));
}

// A PE32 optional header that ends with the resource directory's entry, and a section table
// followed by bytes that would be a section ending past 4 GiB.
TEST(PeVersionResource, HeadersAreReadUpToTheirEndsAndNoFurther) {
    ImageBytes shortHeader = VersionImage({kTiny}, false);
    PutLittleEndian(shortHeader, 0xB4, 3);      // three data directories
    PutLittleEndian(shortHeader, 0x54, 120, 2); // the optional header's size
    std::copy_n(shortHeader.begin() + 0x138, 40, shortHeader.begin() + 0xD0);
    ImageBytes beforeJunk = VersionImage({kTiny});
    PutLittleEndian(beforeJunk, 0x178, 0x2000);
    PutLittleEndian(beforeJunk, 0x17C, 0xFFFFF000);
    for (const ImageBytes& image : {shortHeader, beforeJunk}) {
        ImageBytes resource;
        EXPECT_TRUE(Find(image, &resource));
        EXPECT_EQ(kTiny, resource);
    }
}

struct DamagedImage : ::testing::TestWithParam<NamedImage> {};

TEST_P(DamagedImage, HasNoVersionResource) {
    ImageBytes resource{1};
    EXPECT_FALSE(Find(GetParam().bytes, &resource));
    EXPECT_TRUE(resource.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, DamagedImage, ::testing::ValuesIn(DamagedVersionImages()),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(LegacyLinks, DamagedImage, ::testing::ValuesIn(DamagedLegacyImages()),
                         [](const auto& info) { return info.param.name; });

const ImageBytes kSixteen = VersionBlock16(
    {VersionText16("FileDescription", "Sixteen-bit driver"), VersionText16("ProductName", "Old")});

// The NE image's version resource is its entry's whole length, in units of 16 bytes.
ImageBytes Padded(ImageBytes block) {
    block.resize((block.size() + 15) & ~size_t{15});
    return block;
}

TEST(LegacyVersionResource, NeImagesGiveTheResourceOfTheVersionTypeAndNameOne) {
    const ImageBytes other = VersionBlock16({VersionText16("FileDescription", "Other")});
    for (const ImageBytes& block : {kSixteen, kTiny}) {
        ImageBytes resource;
        ASSERT_TRUE(Find(NeVersionImage(block, other), &resource));
        EXPECT_EQ(Padded(block), resource);
    }
}

// With the largest alignment shift (16), offsets and lengths count 64 KiB units.
TEST(LegacyVersionResource, NeResourcesAreFoundAtTheLargestAlignment) {
    ImageBytes image = NeVersionImage(kSixteen);
    image.resize(0x20000);
    std::copy(kSixteen.begin(), kSixteen.end(), image.begin() + 0x10000);
    PutLittleEndian(image, 0xC0, 16, 2); // the shift
    PutLittleEndian(image, 0xEA, 1, 2);  // the version's offset
    PutLittleEndian(image, 0xEC, 1, 2);  // and length
    ImageBytes resource;
    ASSERT_TRUE(Find(image, &resource));
    EXPECT_EQ(ImageBytes(image.begin() + 0x10000, image.begin() + 0x1FFFF), resource);
}

TEST(LegacyVersionResource, VxdsGiveTheResourceTheirHeaderPointsAt) {
    ImageBytes resource;
    ASSERT_TRUE(Find(VxdVersionImage(kSixteen), &resource));
    EXPECT_EQ(kSixteen, resource);
}

// Every size short of the resource's last byte (with its padding) loses it.
TEST(LegacyVersionResource, ImagesCutShortOfTheirResourceHaveNone) {
    for (const ImageBytes& image : {NeVersionImage(kSixteen), VxdVersionImage(kSixteen)}) {
        ImageBytes resource;
        for (size_t size = 0; size <= image.size(); ++size)
            EXPECT_EQ(size == image.size(), FindVersionResource(image.data(), size, &resource))
                << size;
    }
}

// Images of another kind, or none, are not read.
TEST(LegacyVersionResource, OtherSignaturesHaveNone) {
    ImageBytes resource;
    for (uint16_t signature : {0x584C, 0x3357, 0x0000}) { // LX, W3, none
        ImageBytes image = VxdVersionImage(kSixteen);
        PutLittleEndian(image, 0x80, signature, 2);
        EXPECT_FALSE(Find(image, &resource)) << signature;
    }
}

// A file is read a page at a time, each once, only those the walk reaches.
TEST(PeVersionResource, FileReadsOnlyThePagesItsResourcesNeed) {
    ImageBytes large = VersionImage({kTiny}), far = large;
    large.resize(1 << 20);
    far.insert(far.begin() + 0x200, 0x3000 - 0x200, 0);
    PutLittleEndian(far, 0x15C, 0x3000); // the section's file offset
    const std::tuple<ImageBytes, ImageBytes, int> cases[] = {
        {large, kTiny, 1}, {far, kTiny, 2}, {ImageBytes(100000, 'x'), {}, 1}};
    for (const auto& [image, expected, pages] : cases) {
        CountingFile file(image);
        ImageBytes resource{1};
        EXPECT_EQ(!expected.empty(), ReadImageVersionResource(file, &resource));
        EXPECT_EQ(expected, resource);
        EXPECT_EQ(pages, file.reads);
        EXPECT_LE(file.bytesRead, pages * 4096u);
    }
}

TEST(PeVersionResource, ImageCutShortOfItsResourceHasNone) {
    std::string file;
    ASSERT_TRUE(
        ReadWholeFile(kelvd::test::TestDriver("DESCRIBED.SYS"), OpenMode::ReadBinary, &file));
    const ImageBytes image(file.begin(), file.end());
    ImageBytes whole, resource;
    ASSERT_TRUE(Find(image, &whole));
    const size_t end = std::search(image.begin(), image.end(), whole.begin(), whole.end()) -
                       image.begin() + whole.size();
    for (size_t size = 0; size <= image.size(); ++size)
        EXPECT_EQ(size >= end, FindVersionResource(image.data(), size, &resource)) << size;
}

std::string Lookup(const ImageBytes& block, const char* subBlock) {
    std::string value;
    return FindVersionString(block.data(), block.size(), subBlock, &value) ? value : "(none)";
}

TEST(VersionString, KeysMatchWithoutRegardToCaseOnTheWholePath) {
    EXPECT_EQ("Tiny", Lookup(kTiny, "\\StringFileInfo\\040904B0\\FileDescription"));
    EXPECT_EQ("Tiny", Lookup(kTiny, "stringfileinfo\\040904b0\\FILEDESCRIPTION\\"));
    EXPECT_EQ("(none)", Lookup(kTiny, "\\StringFileInfo\\040904B0\\FileDescriptio"));
    EXPECT_EQ("(none)", Lookup(kTiny, "\\StringFileInfo\\FileDescription"));
    // A string after one whose length is not a multiple of four starts at the next multiple.
    const ImageBytes two =
        VersionBlock({VersionText(u"FileDescription", u"Tiny"), VersionText(u"Next", u"z")});
    EXPECT_EQ("z", Lookup(two, "\\StringFileInfo\\040904B0\\Next"));
}

// A 16-bit tree's keys and values are ANSI bytes, given as they are; a value's length counts
// bytes.
TEST(VersionString, SixteenBitTreesGiveTheirTextAsItIs) {
    ImageBytes unended = VersionNode16("Unended", {'a', 'b', 'c', 'd'});
    const ImageBytes block = VersionBlock16({VersionText16("Product", "Produit d\351crit"), unended,
                                             VersionText16("Cut", std::string("x\0y", 3))});
    EXPECT_EQ("Produit d\351crit", Lookup(block, "\\stringfileinfo\\040904b0\\PRODUCT"));
    EXPECT_EQ("abcd", Lookup(block, "\\StringFileInfo\\040904B0\\Unended"));
    EXPECT_EQ("x", Lookup(block, "\\StringFileInfo\\040904B0\\Cut"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\040904B0\\Produc"));
    // A root key of one space is still a 16-bit key: its fifth byte is a character.
    const ImageBytes spaced = VersionNode16(" ", {}, {VersionText16("K", "v")});
    EXPECT_EQ("v", Lookup(spaced, "\\K"));
}

TEST(VersionString, NodesBeforeADamagedOneAreFoundAndNoneAfterIt) {
    ImageBytes overlong = VersionText(u"Overlong", u"x");
    PutLittleEndian(overlong, 0, 0xFFFF, 2); // a length beyond its parent
    const ImageBytes block =
        VersionBlock({VersionText(u"Before", u"Value"), overlong, VersionText(u"After", u"y")});
    EXPECT_EQ("Value", Lookup(block, "\\StringFileInfo\\040904B0\\Before"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\040904B0\\Overlong"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\040904B0\\After"));
    EXPECT_EQ("(none)", Lookup(ImageBytes(block.begin(), block.end() - 4),
                               "\\StringFileInfo\\040904B0\\Before"));
    EXPECT_EQ("(none)", Lookup(ImageBytes(4, 0xFF), "\\Key"));
}

} // namespace
