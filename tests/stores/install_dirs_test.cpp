#include "stores/install_dirs.h"

#include "support/store_fixture.h"

namespace {

using namespace kelvd;
using InstallDirs = test::StoreFixture;

TEST_F(InstallDirs, EachProductHasItsOwnKeyHoldingUpTo511Characters) {
    std::string suite = "stale", family = "stale";
    PutDword(kFamilyKey, "Other", 1);
    GetSuiteInstallDir(&suite);   // no key
    GetFamilyInstallDir(&family); // no value
    EXPECT_EQ("", suite + family);
    PutString(kSuiteKey, kInstallDirValue, std::string(511, 's'));
    PutString(kFamilyKey, kInstallDirValue, "C:\\Forgeline");
    GetSuiteInstallDir(&suite);
    GetFamilyInstallDir(&family);
    EXPECT_EQ(std::string(511, 's'), suite);
    EXPECT_EQ("C:\\Forgeline", family);
    PutString(kSuiteKey, kInstallDirValue, std::string(512, 's'));
    GetSuiteInstallDir(&suite);
    EXPECT_EQ("", suite);
}

} // namespace
