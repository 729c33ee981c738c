// The test drivers' version strings: the library's reader agrees with version.dll (Wine).
#include "platform/version_info.h"
#include "support/test_drivers.h"

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#endif

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Lookup {
    const char *image, *subBlock, *value;
};

std::string LibraryValue(const std::string& path, const char* subBlock) {
    std::vector<uint8_t> resource{1};
    std::string value;
    const bool read = ReadVersionResource(path.c_str(), &resource);
    EXPECT_EQ(read, !resource.empty());
    return read && QueryVersionValue(resource, subBlock, &value) ? value : "(none)";
}

#ifdef _WIN32
// GetFileVersionInfoSizeA, GetFileVersionInfoA and VerQueryValueA on a sound image.
std::string SystemValue(const std::string& path, const char* subBlock) {
    DWORD handle = 0;
    std::vector<uint8_t> block(::GetFileVersionInfoSizeA(path.c_str(), &handle));
    void* text = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !::VerQueryValueA(block.data(), subBlock, &text, &length) || !text)
        return "(none)";
    return static_cast<const char*>(text);
}
#endif

struct VersionInfoContract : ::testing::TestWithParam<Lookup> {};

TEST_P(VersionInfoContract, StringsAreFoundInTheirOwnTableOnly) {
    const std::string path = kelvd::test::TestDriver(GetParam().image);
    EXPECT_EQ(GetParam().value, LibraryValue(path, GetParam().subBlock));
#ifdef _WIN32
    EXPECT_EQ(GetParam().value, SystemValue(path, GetParam().subBlock));
#endif
}

constexpr const char* kDescription = "\\StringFileInfo\\040904B0\\FileDescription";

// DESCRIBED.SYS is PE32+ with strings in 040904B0, FOREIGN.SYS PE32 with German ones only,
// PRODUCT.SYS has an e acute in the ANSI code page, PLAIN.SYS no version resource.
INSTANTIATE_TEST_SUITE_P(
    Images, VersionInfoContract,
    ::testing::Values(
        Lookup{"DESCRIBED.SYS", kDescription, "Described test driver with a long description"},
        Lookup{"DESCRIBED.SYS", "\\stringfileinfo\\040904b0\\PRODUCTNAME", "Described product"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904B0\\Comments", "(none)"},
        Lookup{"DESCRIBED.SYS", "\\StringFileInfo\\040904E4\\FileDescription", "(none)"},
        Lookup{"FOREIGN.SYS", kDescription, "(none)"},
        Lookup{"FOREIGN.SYS", "\\StringFileInfo\\040704B0\\FileDescription", "Fremder Testtreiber"},
        Lookup{"PRODUCT.SYS", "\\StringFileInfo\\040904B0\\ProductName", "Produit d\351crit"},
        Lookup{"PLAIN.SYS", kDescription, "(none)"},
        Lookup{"MISSING.SYS", kDescription, "(none)"}));

} // namespace
