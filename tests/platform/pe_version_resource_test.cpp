// The PE version-resource reader on an image made here byte by byte, so that every link of the
// headers and of the resource tree can be broken, and on an image the build makes.
#include "doubles/memory_file.h"
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

using namespace platform;
using Bytes = std::vector<uint8_t>;

void Put(Bytes& bytes, size_t at, uint32_t value, int width = 4) {
    bytes.resize(std::max(bytes.size(), at + width));
    for (int i = 0; i < width; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A node of a version resource with its lengths and padding (type 1: a text value).
Bytes Node(const std::u16string& key, const Bytes& value, uint16_t type,
           const std::vector<Bytes>& children = {}) {
    Bytes node(6);
    for (char16_t unit : key + u'\0')
        Put(node, node.size(), unit, 2);
    node.resize((node.size() + 3) & ~size_t{3});
    node.insert(node.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        node.resize((node.size() + 3) & ~size_t{3});
        node.insert(node.end(), child.begin(), child.end());
    }
    Put(node, 0, static_cast<uint32_t>(node.size()), 2);
    Put(node, 2, static_cast<uint32_t>(type == 1 ? value.size() / 2 : value.size()), 2);
    Put(node, 4, type, 2);
    return node;
}
Bytes Text(const std::u16string& key, const std::u16string& text) {
    Bytes value;
    for (char16_t unit : text + u'\0')
        Put(value, value.size(), unit, 2);
    return Node(key, value, 1);
}
Bytes Block(const std::vector<Bytes>& strings) {
    return Node(u"VS_VERSION_INFO", Bytes(52, 0), 0,
                {Node(u"StringFileInfo", {}, 1, {Node(u"040904B0", {}, 1, strings)})});
}

// A PE32+ (or PE32) image with one section at RVA 0x1000, file offset 0x200: the type, name and
// language directories at 0x200, 0x218 and 0x230, the data entry at 0x248, the block at 0x258.
Bytes Image(const Bytes& block, bool pe32Plus = true) {
    Bytes image(0x200);
    Put(image, 0, 0x5A4D, 2);
    Put(image, 0x3C, 0x40);
    Put(image, 0x40, 0x4550);
    Put(image, 0x46, 1, 2);
    const uint32_t optionalSize = pe32Plus ? 240 : 224, directories = pe32Plus ? 0xC8 : 0xB8;
    Put(image, 0x54, optionalSize, 2);
    Put(image, 0x58, pe32Plus ? 0x20B : 0x10B, 2);
    Put(image, directories - 4, 16);
    Put(image, directories + 16, 0x1000);
    const uint32_t section = 0x58 + optionalSize, rawSize = 0x400;
    for (uint32_t field : {8u, 16u})
        Put(image, section + field, rawSize);
    Put(image, section + 12, 0x1000);
    Put(image, section + 20, 0x200);
    for (uint32_t directory : {0x200u, 0x218u, 0x230u})
        Put(image, directory + 14, 1, 2);
    Put(image, 0x210, 16);
    Put(image, 0x214, 0x80000018);
    Put(image, 0x228, 1);
    Put(image, 0x22C, 0x80000030);
    Put(image, 0x240, 0x409);
    Put(image, 0x244, 0x48);
    Put(image, 0x248, 0x1058);
    Put(image, 0x24C, static_cast<uint32_t>(block.size()));
    image.resize(0x258);
    image.insert(image.end(), block.begin(), block.end());
    image.resize(0x200 + rawSize);
    return image;
}

// An image held in memory, read as a file, counting what is read.
class CountingFile final : public File {
public:
    explicit CountingFile(const Bytes& bytes) : file_(std::string(bytes.begin(), bytes.end())) {}
    char* ReadLine(char*, int) override { return nullptr; }
    size_t Read(void* buffer, size_t size) override {
        ++reads;
        size_t read = file_.Read(buffer, size);
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
bool Find(const Bytes& image, Bytes* resource) {
    const bool found = FindVersionResource(image.data(), image.size(), resource);
    CountingFile file(image);
    Bytes read{1};
    const ImageResource fromFile = ReadImageVersionResource(file, &read);
    EXPECT_EQ(found, fromFile == ImageResource::Found);
    EXPECT_EQ(*resource, read);
    return found;
}

TEST(PeVersionResource, FindsTheBlockInPe32AndPe32PlusImages) {
    const Bytes block = Block({Text(u"FileDescription", u"Tiny")});
    for (bool plus : {true, false}) {
        Bytes resource;
        ASSERT_TRUE(Find(Image(block, plus), &resource)) << plus;
        EXPECT_EQ(block, resource);
    }
}

struct Damage {
    const char* what;
    size_t at;
    uint32_t value;
};

class DamagedImage : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedImage, HasNoVersionResource) {
    Bytes image = Image(Block({}));
    Put(image, GetParam().at, GetParam().value);
    Bytes resource{1};
    EXPECT_FALSE(Find(image, &resource));
    EXPECT_TRUE(resource.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Links, DamagedImage,
    ::testing::Values(Damage{"no MZ", 0, 0}, Damage{"PE header past the end", 0x3C, 0x7F000000},
                      Damage{"no PE signature", 0x40, 0}, Damage{"unknown magic", 0x58, 0x10C},
                      Damage{"no resource directory", 0xC4, 2},
                      Damage{"resource directory outside every section", 0xD8, 0x7FFF0000},
                      Damage{"section data past the end", 0x15C, 0x7F000000},
                      Damage{"no version type", 0x210, 3},
                      Damage{"version type that is no directory", 0x214, 0x18},
                      Damage{"directory outside the section", 0x214, 0xFFFFFFF0},
                      Damage{"named entries running off the section", 0x20C, 0xFFFF},
                      Damage{"name directory pointing back at the root", 0x22C, 0x80000000},
                      Damage{"language entry pointing at its own directory", 0x244, 0x80000030},
                      Damage{"data outside the file", 0x248, 0x40000000},
                      Damage{"data longer than the file", 0x24C, 0xFFFFFFF0}),
    [](const ::testing::TestParamInfo<Damage>& info) {
        std::string name = info.param.what;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        return name;
    });

// A file is read a page at a time, each page once, and only the pages the walk reaches: a
// large image whose resource lies at its start costs two pages, and a file that is no image one.
TEST(PeVersionResource, FileReadsOnlyThePagesItsResourceNeeds) {
    const Bytes block = Block({Text(u"FileDescription", u"Tiny")});
    Bytes image = Image(block);
    image.resize(1 << 20);
    CountingFile file(image);
    Bytes resource;
    EXPECT_EQ(ImageResource::Found, ReadImageVersionResource(file, &resource));
    EXPECT_EQ(block, resource);
    EXPECT_EQ(1, file.reads);
    EXPECT_LE(file.bytesRead, 4096u);
    Bytes text(100000, 'x');
    CountingFile notAnImage(text);
    EXPECT_EQ(ImageResource::NotAnImage, ReadImageVersionResource(notAnImage, &resource));
    EXPECT_EQ(1, notAnImage.reads);
    EXPECT_TRUE(resource.empty());
}

TEST(PeVersionResource, ImageCutShortOfItsResourceHasNone) {
    std::string file;
    ASSERT_TRUE(
        ReadWholeFile(kelvd::test::TestDriver("DESCRIBED.SYS"), OpenMode::ReadBinary, &file));
    const Bytes image(file.begin(), file.end());
    Bytes whole, resource;
    ASSERT_TRUE(Find(image, &whole));
    const size_t end = std::search(image.begin(), image.end(), whole.begin(), whole.end()) -
                       image.begin() + whole.size();
    for (size_t size = 0; size <= image.size(); ++size)
        EXPECT_EQ(size >= end, FindVersionResource(image.data(), size, &resource)) << size;
}

std::string Lookup(const Bytes& block, const char* subBlock) {
    std::u16string value;
    if (!FindVersionString(block.data(), block.size(), subBlock, &value))
        return "(none)";
    return std::string(value.begin(), value.end());
}

TEST(VersionString, KeysMatchWithoutRegardToCaseOnTheWholePath) {
    const Bytes block = Block({Text(u"FileDescription", u"Tiny")});
    EXPECT_EQ("Tiny", Lookup(block, "\\StringFileInfo\\040904B0\\FileDescription"));
    EXPECT_EQ("Tiny", Lookup(block, "stringfileinfo\\040904b0\\FILEDESCRIPTION\\"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\040904B0\\FileDescriptio"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\FileDescription"));
}

TEST(VersionString, DamagedLengthsNeitherLoopNorReachPastTheirBlock) {
    Bytes endless = Text(u"Endless", u"x"), overlong = Text(u"Key", u"Value");
    Put(endless, 0, 0, 2);       // a length of 0 would never move on
    Put(overlong, 0, 0xFFFF, 2); // a length beyond its parent
    Put(overlong, 2, 0x7FFF, 2); // and a value length beyond it
    EXPECT_EQ("(none)",
              Lookup(Block({endless, Text(u"After", u"y")}), "\\StringFileInfo\\040904B0\\After"));
    const Bytes block = Block({overlong});
    EXPECT_EQ("Value", Lookup(block, "\\StringFileInfo\\040904B0\\Key"));
    EXPECT_EQ("Valu",
              Lookup(Bytes(block.begin(), block.end() - 4), "\\StringFileInfo\\040904B0\\Key"));
    EXPECT_EQ("(none)",
              Lookup(Bytes(block.begin(), block.end() - 20), "\\StringFileInfo\\040904B0\\Key"));
    EXPECT_EQ("(none)", Lookup(Bytes(4, 0xFF), "\\Key"));
}

} // namespace
