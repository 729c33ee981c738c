// The PE version-resource reader on images made here byte by byte, so that every link of the
// headers and of the resource tree can be broken, and on the images the build makes.
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>

namespace {

using namespace platform;
using Bytes = std::vector<uint8_t>;

void Put16(Bytes& bytes, size_t at, uint32_t value) {
    if (bytes.size() < at + 2)
        bytes.resize(at + 2);
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
void Put32(Bytes& bytes, size_t at, uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

// A node of a version resource with its lengths and padding; valueLength counts units of text
// (type 1) or bytes, as the value itself says unless given.
Bytes Node(const std::u16string& key, const Bytes& value, uint16_t type,
           const std::vector<Bytes>& children = {}, int valueLength = -1) {
    Bytes node(6);
    for (char16_t unit : key + u'\0')
        Put16(node, node.size(), unit);
    node.resize((node.size() + 3) & ~size_t{3});
    node.insert(node.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        node.resize((node.size() + 3) & ~size_t{3});
        node.insert(node.end(), child.begin(), child.end());
    }
    Put16(node, 0, static_cast<uint32_t>(node.size()));
    Put16(node, 2, valueLength >= 0 ? valueLength : type == 1 ? value.size() / 2 : value.size());
    Put16(node, 4, type);
    return node;
}
Bytes Text(const std::u16string& key, const std::u16string& text) {
    Bytes value;
    for (char16_t unit : text + u'\0')
        Put16(value, value.size(), unit);
    return Node(key, value, 1);
}
Bytes VersionBlock(const std::u16string& description) {
    return Node(u"VS_VERSION_INFO", Bytes(52, 0), 0,
                {Node(u"StringFileInfo", {}, 1,
                      {Node(u"040904B0", {}, 1, {Text(u"FileDescription", description)})})});
}

constexpr uint32_t kSub = 0x80000000;
constexpr uint32_t kSectionRva = 0x1000;

// A PE image with one ".rsrc" section: a type, a name and a language directory, a data entry,
// then the version block.
struct TinyImage {
    bool pe32Plus = true;
    uint32_t rvaAndSizes = 16;
    uint32_t resourceRva = kSectionRva;
    uint32_t rawOffset = 0x200;
    uint32_t typeId = 16, typeEntry = kSub | 0x18;
    uint32_t nameId = 1, nameEntry = kSub | 0x30;
    uint16_t typeCount = 1;
    uint32_t languageEntry = 0x48;
    uint32_t dataRva = kSectionRva + 0x58;
    int64_t dataSize = -1; // the block's own
    Bytes block = VersionBlock(u"Tiny driver");

    Bytes Build() const {
        Bytes image(rawOffset);
        image[0] = 'M';
        image[1] = 'Z';
        Put32(image, 0x3C, 0x40);
        Put32(image, 0x40, 0x4550);
        Put16(image, 0x44, pe32Plus ? 0x8664 : 0x14C);
        Put16(image, 0x46, 1);
        const uint32_t optionalSize = pe32Plus ? 240 : 224;
        Put16(image, 0x54, optionalSize);
        const size_t optional = 0x58, directories = optional + (pe32Plus ? 112 : 96);
        Put16(image, optional, pe32Plus ? 0x20B : 0x10B);
        Put32(image, directories - 4, rvaAndSizes);
        Put32(image, directories + 16, resourceRva);
        Put32(image, directories + 20, static_cast<uint32_t>(0x58 + block.size()));
        const size_t section = optional + optionalSize;
        std::copy_n(".rsrc", 5, image.begin() + section);
        const uint32_t rawSize = static_cast<uint32_t>((0x58 + block.size() + 0x1FF) & ~0x1FF);
        Put32(image, section + 8, rawSize);
        Put32(image, section + 12, kSectionRva);
        Put32(image, section + 16, rawSize);
        Put32(image, section + 20, rawOffset);

        Bytes resources(0x58);
        Put16(resources, 0x0E, typeCount);
        Put32(resources, 0x10, typeId);
        Put32(resources, 0x14, typeEntry);
        Put16(resources, 0x26, 1);
        Put32(resources, 0x28, nameId);
        Put32(resources, 0x2C, nameEntry);
        Put16(resources, 0x3E, 1);
        Put32(resources, 0x40, 0x409);
        Put32(resources, 0x44, languageEntry);
        Put32(resources, 0x48, dataRva);
        Put32(resources, 0x4C,
              dataSize >= 0 ? static_cast<uint32_t>(dataSize)
                            : static_cast<uint32_t>(block.size()));
        resources.insert(resources.end(), block.begin(), block.end());
        resources.resize(rawSize);
        image.resize(rawOffset);
        image.insert(image.end(), resources.begin(), resources.end());
        return image;
    }
};

bool Find(const Bytes& image, Bytes* resource) {
    return FindVersionResource(image.data(), image.size(), resource);
}

TEST(PeVersionResource, FindsTheBlockInPe32AndPe32PlusImages) {
    for (bool plus : {true, false}) {
        TinyImage tiny;
        tiny.pe32Plus = plus;
        Bytes resource;
        ASSERT_TRUE(Find(tiny.Build(), &resource)) << plus;
        EXPECT_EQ(tiny.block, resource);
    }
}

struct Damage {
    const char* what;
    std::function<void(TinyImage&)> damage;
};

class DamagedImage : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedImage, HasNoVersionResource) {
    TinyImage tiny;
    GetParam().damage(tiny);
    Bytes resource{1};
    EXPECT_FALSE(Find(tiny.Build(), &resource));
    EXPECT_TRUE(resource.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Links, DamagedImage,
    ::testing::Values(
        Damage{"no resource directory entry", [](TinyImage& t) { t.rvaAndSizes = 2; }},
        Damage{"resource directory outside every section",
               [](TinyImage& t) { t.resourceRva = 0x7FFF0000; }},
        Damage{"no version type", [](TinyImage& t) { t.typeId = 3; }},
        Damage{"version type that is no directory", [](TinyImage& t) { t.typeEntry = 0x18; }},
        Damage{"no name 1", [](TinyImage& t) { t.nameId = 2; }},
        Damage{"name directory pointing back at the root",
               [](TinyImage& t) { t.nameEntry = kSub | 0; }},
        Damage{"language entry pointing at its own directory",
               [](TinyImage& t) { t.languageEntry = kSub | 0x30; }},
        Damage{"directory offset outside the section",
               [](TinyImage& t) { t.typeEntry = kSub | 0x7FFFFFF0; }},
        Damage{"entry count running off the section",
               [](TinyImage& t) {
                   t.typeId = 3;
                   t.typeCount = 0xFFFF;
               }},
        Damage{"data outside the file", [](TinyImage& t) { t.dataRva = 0x40000000; }},
        Damage{"data longer than the file", [](TinyImage& t) { t.dataSize = 0xFFFFFFF0; }}),
    [](const ::testing::TestParamInfo<Damage>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

TEST(PeVersionResource, HeadersThatAreNotPeFail) {
    const Bytes good = TinyImage().Build();
    const std::vector<std::pair<size_t, uint8_t>> breaks = {
        {0, 'X'},     // no "MZ"
        {0x3C, 0xF0}, // the PE header's offset pointing at zeros
        {0x3F, 0x7F}, // and past the end of the file
        {0x41, 'X'},  // no "PE"
        {0x58, 0x0C}, // neither PE32 nor PE32+
        {0x15F, 0x7F} // the section's data past the end of the file
    };
    for (const auto& [at, value] : breaks) {
        Bytes image = good;
        image[at] = value;
        Bytes resource;
        EXPECT_FALSE(Find(image, &resource)) << at;
    }
}

TEST(PeVersionResource, ImageCutShortOfItsResourceHasNone) {
    std::string file;
    ASSERT_TRUE(
        ReadWholeFile(kelvd::test::TestDriver("DESCRIBED.SYS"), OpenMode::ReadBinary, &file));
    const Bytes image(file.begin(), file.end());
    Bytes whole;
    ASSERT_TRUE(Find(image, &whole));
    const size_t end = std::search(image.begin(), image.end(), whole.begin(), whole.end()) -
                       image.begin() + whole.size();
    for (size_t size = 0; size <= image.size(); ++size) {
        Bytes resource;
        EXPECT_EQ(size >= end, FindVersionResource(image.data(), size, &resource)) << size;
    }
}

// String lookup in version blocks.
std::string Lookup(const Bytes& block, const char* subBlock) {
    std::u16string value;
    if (!FindVersionString(block.data(), block.size(), subBlock, &value))
        return "(none)";
    return std::string(value.begin(), value.end());
}

TEST(VersionString, KeysMatchWithoutRegardToCaseAndSlashesMayRepeat) {
    const Bytes block = VersionBlock(u"Tiny");
    EXPECT_EQ("Tiny", Lookup(block, "\\StringFileInfo\\040904B0\\FileDescription"));
    EXPECT_EQ("Tiny", Lookup(block, "stringfileinfo\\040904b0\\FILEDESCRIPTION\\"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\040904B0\\FileDescriptio"));
    EXPECT_EQ("(none)", Lookup(block, "\\StringFileInfo\\FileDescription"));
}

TEST(VersionString, TextEndsAtItsNodeWhenItsLengthSaysMore) {
    Bytes text = Text(u"ProductName", u"Abc");
    Put16(text, 2, 0x7FFF);       // a stated length far beyond the node
    text.resize(text.size() - 2); // and no terminator
    Put16(text, 0, static_cast<uint32_t>(text.size()));
    const Bytes block = Node(u"VS_VERSION_INFO", {}, 0, {Node(u"S", {}, 1, {text})});
    EXPECT_EQ("Abc", Lookup(block, "\\S\\ProductName"));
}

TEST(VersionString, ChildOfLengthZeroEndsTheSearch) {
    Bytes broken = Text(u"Broken", u"x");
    Put16(broken, 0, 0);
    const Bytes block =
        Node(u"VS_VERSION_INFO", {}, 0, {Node(u"S", {}, 1, {broken, Text(u"After", u"y")})});
    EXPECT_EQ("(none)", Lookup(block, "\\S\\After"));
}

TEST(VersionString, ChildLongerThanItsParentIsCutAtTheParent) {
    Bytes text = Text(u"Key", u"Value");
    Put16(text, 0, 0xFFFF);
    const Bytes block = Node(u"VS_VERSION_INFO", {}, 0, {Node(u"S", {}, 1, {text})});
    EXPECT_EQ("Value", Lookup(block, "\\S\\Key"));
    EXPECT_EQ("Valu", Lookup(Bytes(block.begin(), block.end() - 4), "\\S\\Key"));
    EXPECT_EQ("(none)", Lookup(Bytes(block.begin(), block.end() - 20), "\\S\\Key"));
}

TEST(VersionString, KeyWithoutTerminatorAndBlocksTooShortHaveNothing) {
    Bytes block = Node(u"VS_VERSION_INFO", {}, 0, {Text(u"Key", u"v")});
    EXPECT_EQ("v", Lookup(block, "\\Key"));
    EXPECT_EQ("(none)", Lookup(Bytes(block.begin(), block.begin() + 20), "\\Key"));
    EXPECT_EQ("(none)", Lookup(Bytes(4, 0xFF), "\\Key"));
    EXPECT_EQ("(none)", Lookup(Bytes(), "\\Key"));
}

} // namespace
