#include "stores/install_dirs.h"

#include "support/registry_fixture.h"

namespace {

using namespace kelvd;

class InstallDirs : public kelvd::test::RegistryFixture {
protected:
    InstallDirs() : RegistryFixture({kSuiteKey, kFamilyKey}) {}
};

TEST_F(InstallDirs, EachProductHasItsOwnKey) {
    PutString(kSuiteKey, kInstallDirValue, "C:\\Kitwright");
    PutString(kFamilyKey, kInstallDirValue, "C:\\Forgeline");
    std::string suite, family;
    GetSuiteInstallDir(&suite);
    GetFamilyInstallDir(&family);
    EXPECT_EQ("C:\\Kitwright", suite);
    EXPECT_EQ("C:\\Forgeline", family);
}

TEST_F(InstallDirs, MissingKeyOrValueGivesTheEmptyText) {
    std::string dir = "stale";
    GetSuiteInstallDir(&dir);
    EXPECT_EQ("", dir);
    PutDword(kFamilyKey, "Other", 1);
    dir = "stale";
    GetFamilyInstallDir(&dir);
    EXPECT_EQ("", dir);
}

TEST_F(InstallDirs, HoldsUpTo511Characters) {
    PutString(kSuiteKey, kInstallDirValue, std::string(511, 'd'));
    std::string dir;
    GetSuiteInstallDir(&dir);
    EXPECT_EQ(511u, dir.size());
    PutString(kSuiteKey, kInstallDirValue, std::string(512, 'd'));
    GetSuiteInstallDir(&dir);
    EXPECT_EQ("", dir);
}

} // namespace
