// The library DLL's version resource: KELVD_PRODUCT_DLL is the tree's own DLL in a Windows tree,
// and an i686 image made from the same resource script in the native trees.
#include "kelvd_version.h"
#include "platform/file_system.h"
#include "platform/image_version_resource.h"
#include "platform/little_endian.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

TEST(ProductVersionResource, NamesTheLibraryAndItsSuiteAndCarriesTheVersionOfTheBuild) {
    std::string file;
    ASSERT_TRUE(platform::ReadWholeFile(KELVD_PRODUCT_DLL, platform::OpenMode::ReadBinary, &file))
        << KELVD_PRODUCT_DLL << " cannot be read";
    std::vector<uint8_t> resource;
    ASSERT_TRUE(platform::FindVersionResource(reinterpret_cast<const uint8_t*>(file.data()),
                                              file.size(), &resource));
    const std::pair<std::string, std::string> names[] = {
        {"CompanyName", "Ostrand"},
        {"ProductName", "Kitwright"},
        {"FileDescription", "Kelvarin configuration library"},
        {"InternalName", "kelvdcfg"},
        {"OriginalFilename", "kelvdcfg.dll"},
        {"FileVersion", KELVD_VERSION_TEXT},
        {"ProductVersion", KELVD_VERSION_TEXT}};
    for (const auto& [key, value] : names) {
        std::string text;
        const std::string subBlock = "\\StringFileInfo\\040904B0\\" + key;
        EXPECT_TRUE(
            platform::FindVersionString(resource.data(), resource.size(), subBlock.c_str(), &text))
            << key;
        EXPECT_EQ(value, text) << key;
    }
    // VS_FIXEDFILEINFO follows the block's 6-byte header and its key "VS_VERSION_INFO" in UTF-16,
    // at 40: its signature, file and product versions (most, then least significant halves), the
    // operating system (Windows 9x and NT alike) and the file type (a DLL).
    ASSERT_LE(40u + 40, resource.size());
    std::vector<uint32_t> fixed;
    for (size_t offset : {0, 8, 12, 16, 20, 32, 36})
        fixed.push_back(platform::LoadUint32(&resource[40 + offset]));
    const uint32_t high = KELVD_VERSION_MAJOR << 16 | KELVD_VERSION_MINOR;
    const uint32_t low = KELVD_VERSION_PATCH << 16;
    EXPECT_EQ((std::vector<uint32_t>{0xFEEF04BD, high, low, high, low, 4, 2}), fixed);
}

} // namespace
