// Version resources of the driver images the build makes, as the platform's version functions
// give them (Wine's version.dll under wine64, the substitute natively) and as the library's own
// reader finds them: the two must agree.
#include "platform/code_page.h"
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

std::string PlatformValue(const std::string& path, const char* subBlock) {
    std::vector<uint8_t> block;
    std::string value;
    if (!ReadVersionBlock(path.c_str(), &block) || !QueryVersionValue(block, subBlock, &value))
        return "(none)";
    return value;
}

std::string ReaderValue(const std::string& path, const char* subBlock) {
    std::vector<uint8_t> resource{1};
    std::u16string value;
    if (!ReadVersionResource(path.c_str(), &resource)) {
        EXPECT_TRUE(resource.empty());
        return "(none)";
    }
    if (!FindVersionString(resource.data(), resource.size(), subBlock, &value))
        return "(none)";
    return AnsiFromUtf16(value);
}

class VersionInfoContract : public ::testing::TestWithParam<Lookup> {};

TEST_P(VersionInfoContract, StringsAreFoundInTheirOwnTableOnly) {
    const std::string path = kelvd::test::TestDriver(GetParam().image);
    EXPECT_EQ(GetParam().value, PlatformValue(path, GetParam().subBlock));
    EXPECT_EQ(GetParam().value, ReaderValue(path, GetParam().subBlock));
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

} // namespace
