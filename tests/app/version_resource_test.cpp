// The version resource of the library's DLL, read through the library's own reader: the names of
// the suite and the one version number of the build. KELVD_PRODUCT_DLL is the tree's own DLL in a
// Windows tree, and an i686 image made from the same resource script in the native trees.
#include "kelvd_version.h"
#include "platform/file_system.h"
#include "platform/little_endian.h"
#include "platform/pe_version_resource.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Bytes = std::vector<uint8_t>;

class ProductVersionResource : public testing::Test {
protected:
    void SetUp() override {
        std::string file;
        ASSERT_TRUE(
            platform::ReadWholeFile(KELVD_PRODUCT_DLL, platform::OpenMode::ReadBinary, &file))
            << KELVD_PRODUCT_DLL << " cannot be read";
        const Bytes image(file.begin(), file.end());
        ASSERT_TRUE(platform::FindVersionResource(image.data(), image.size(), &resource_));
    }

    std::string Text(const std::string& key) const {
        std::u16string value;
        const std::string subBlock = "\\StringFileInfo\\040904B0\\" + key;
        if (!platform::FindVersionString(resource_.data(), resource_.size(), subBlock.c_str(),
                                         &value))
            return "(none)";
        return std::string(value.begin(), value.end());
    }

    // The 32-bit field at offset of VS_FIXEDFILEINFO, which follows the block's 6-byte header and
    // its key "VS_VERSION_INFO" in UTF-16, at 40.
    uint32_t Fixed(size_t offset) const {
        return resource_.size() < 40 + offset + 4 ? 0
                                                  : platform::LoadUint32(&resource_[40 + offset]);
    }

    Bytes resource_;
};

TEST_F(ProductVersionResource, NamesTheLibraryAndItsSuiteAndCarriesTheVersionOfTheBuild) {
    const std::pair<std::string, std::string> names[] = {
        {"CompanyName", "Ostrand"},
        {"ProductName", "Kitwright"},
        {"FileDescription", "Kelvarin configuration library"},
        {"InternalName", "kelvdcfg"},
        {"OriginalFilename", "kelvdcfg.dll"},
        {"FileVersion", KELVD_VERSION_TEXT},
        {"ProductVersion", KELVD_VERSION_TEXT}};
    for (const auto& [key, value] : names)
        EXPECT_EQ(value, Text(key)) << key;
    const uint32_t high = KELVD_VERSION_MAJOR << 16 | KELVD_VERSION_MINOR;
    const uint32_t low = KELVD_VERSION_PATCH << 16;
    // The signature, file and product versions (most, then least significant halves), the
    // operating system (Windows 9x and NT alike) and the file type (a DLL) of VS_FIXEDFILEINFO.
    EXPECT_EQ((std::vector<uint32_t>{0xFEEF04BD, high, low, high, low, 4, 2}),
              (std::vector<uint32_t>{Fixed(0), Fixed(8), Fixed(12), Fixed(16), Fixed(20), Fixed(32),
                                     Fixed(36)}));
}

} // namespace
