// Version resources of the driver images the build makes, read by the platform's own reader:
// the real version.dll under Wine, the PE reader of the substitute natively.
#include "platform/pe_version_resource.h"
#include "platform/version_info.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Lookup {
    const char* image;
    const char* subBlock;
    const char* value;
};

class VersionInfoContract : public ::testing::TestWithParam<Lookup> {};

TEST_P(VersionInfoContract, StringsAreFoundInTheirOwnTableOnly) {
    const std::string path = kelvd::test::TestDriver(GetParam().image);
    std::vector<uint8_t> block(versionInfo().InfoSize(path.c_str()));
    std::string value = "(none)";
    if (versionInfo().Info(path.c_str(), &block) &&
        !versionInfo().QueryString(block, GetParam().subBlock, &value))
        value = "(none)";
    EXPECT_EQ(GetParam().value, value);
}

INSTANTIATE_TEST_SUITE_P(
    Images, VersionInfoContract,
    ::testing::Values(
        // PE32+, strings in 040904B0.
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904B0\\FileDescription",
               "Described test driver with a long description"},
        Lookup{"DESCRIBED.SYS", "\\stringfileinfo\\040904b0\\PRODUCTNAME", "Described product"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904B0\\Comments", "(none)"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904E4\\FileDescription", "(none)"},
        // PE32, strings in German only.
        Lookup{"FOREIGN.SYS", "\\StringFileInfo\\040904B0\\FileDescription", "(none)"},
        Lookup{"FOREIGN.SYS", "\\StringFileInfo\\040704B0\\FileDescription", "Fremder Testtreiber"},
        // A product name with an e acute, in the ANSI code page.
        Lookup{"PRODUCT.SYS", "\\StringFileInfo\\040904B0\\ProductName",
               "Produit d\xE9"
               "crit"},
        // No version resource; no file.
        Lookup{"PLAIN.SYS", "\\StringFileInfo\\040904B0\\FileDescription", "(none)"},
        Lookup{"MISSING.SYS", "\\StringFileInfo\\040904B0\\FileDescription", "(none)"}));

TEST(VersionInfoSize, IsZeroWithoutAVersionResourceAndElseHoldsItsNarrowTexts) {
    EXPECT_EQ(0u, versionInfo().InfoSize(kelvd::test::TestDriver("PLAIN.SYS").c_str()));
    EXPECT_EQ(0u, versionInfo().InfoSize(kelvd::test::TestDriver("MISSING.SYS").c_str()));
    const std::string described = kelvd::test::TestDriver("DESCRIBED.SYS");
    std::vector<uint8_t> resource;
    uint32_t largest = 0;
    ASSERT_TRUE(ReadVersionResource(described.c_str(), &resource, &largest));
    EXPECT_GE(versionInfo().InfoSize(described.c_str()), VersionBlockSize(largest));
    // A block smaller than that is not filled.
    std::vector<uint8_t> block(VersionBlockSize(largest) - 1);
    EXPECT_FALSE(versionInfo().Info(described.c_str(), &block));
}

} // namespace
