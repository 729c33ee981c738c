// Version resources of the driver images the build makes, as the library reads them on every
// platform (its own PE reader), and, under Wine, as the system's version.dll reads the same
// images: the two must agree.
#include "platform/file_system.h"
#include "platform/pe_version_resource.h"
#include "platform/version_info.h"
#include "support/temp_dir.h"
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
    VersionResource resource;
    std::string value = "(none)";
    if (ReadVersionResource(path.c_str(), &resource) &&
        !QueryVersionValue(resource, GetParam().subBlock, &value))
        value = "(none)";
    EXPECT_EQ(GetParam().value, value);
#ifdef _WIN32
    // version.dll finds the same.
    std::vector<uint8_t> block(versionInfo().InfoSize(path.c_str()));
    std::string system = "(none)";
    if (versionInfo().Info(path.c_str(), &block) &&
        !versionInfo().QueryString(block, GetParam().subBlock, &system))
        system = "(none)";
    EXPECT_EQ(GetParam().value, system);
#endif
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

TEST(VersionResourceOfAFile, IsReadByTheLibraryOnlyFromAPeImageThatHasOne) {
    VersionResource resource;
    EXPECT_TRUE(ReadVersionResource(kelvd::test::TestDriver("DESCRIBED.SYS").c_str(), &resource));
    EXPECT_TRUE(resource.fromImage);
    EXPECT_FALSE(ReadVersionResource(kelvd::test::TestDriver("PLAIN.SYS").c_str(), &resource));
    EXPECT_FALSE(ReadVersionResource(kelvd::test::TestDriver("MISSING.SYS").c_str(), &resource));
    // A file that is no PE image goes to the platform's reader, which finds nothing in text.
    kelvd::test::TempDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.File("README.TXT"), "MZ, but no image"));
    EXPECT_FALSE(ReadVersionResource(dir.File("README.TXT").c_str(), &resource));
    EXPECT_TRUE(resource.block.empty());
}

} // namespace
