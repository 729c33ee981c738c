// Version resources of the driver images the build makes, read by the platform's own reader:
// the real version.dll under Wine, the PE reader of the substitute natively.
#include "platform/version_info.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using kelvd::test::TestDriver;

// The value at subBlock in the image's version resource, or "(none)".
std::string Query(const std::string& image, const char* subBlock) {
    const std::string path = TestDriver(image);
    std::vector<uint8_t> block(versionInfo().InfoSize(path.c_str()));
    std::string value;
    if (!versionInfo().Info(path.c_str(), &block) ||
        !versionInfo().QueryString(block, subBlock, &value))
        return "(none)";
    return value;
}

TEST(VersionInfoContract, ImagesWithoutAResourceHaveSizeZero) {
    EXPECT_EQ(0u, versionInfo().InfoSize(TestDriver("PLAIN.SYS").c_str()));
    EXPECT_EQ(0u, versionInfo().InfoSize(TestDriver("MISSING.SYS").c_str()));
    EXPECT_NE(0u, versionInfo().InfoSize(TestDriver("DESCRIBED.SYS").c_str()));
    EXPECT_EQ("(none)", Query("PLAIN.SYS", "\\StringFileInfo\\040904B0\\FileDescription"));
}

struct Lookup {
    const char* image;
    const char* subBlock;
    const char* value;
};

class VersionStrings : public ::testing::TestWithParam<Lookup> {};

TEST_P(VersionStrings, AreFoundInTheirOwnTableOnly) {
    EXPECT_EQ(GetParam().value, Query(GetParam().image, GetParam().subBlock));
}

INSTANTIATE_TEST_SUITE_P(
    Images, VersionStrings,
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
        // A product name with an e acute, in the ANSI code page; no file description.
        Lookup{"PRODUCT.SYS", "\\StringFileInfo\\040904B0\\ProductName",
               "Produit d\xE9"
               "crit"},
        Lookup{"PRODUCT.SYS", "\\StringFileInfo\\040904B0\\FileDescription", "(none)"}));

TEST(VersionInfoContract, EmptyBlockHoldsNoStrings) {
    std::string value;
    EXPECT_FALSE(versionInfo().QueryString({}, "\\StringFileInfo\\040904B0\\ProductName", &value));
}

} // namespace
