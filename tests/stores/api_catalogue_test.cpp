#include "stores/api_catalogue.h"

#include "stores/install_dirs.h"
#include "support/registry_fixture.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using kelvd::test::RegistryFixture;
using kelvd::test::TempDir;

// Two categories for NT, then one VxD category for Windows 9x.
const char* const kCatalogue = "1A2B\n"
                               "2\n"
                               "Memory\n"
                               "2\n"
                               "1\n"
                               "17\n"
                               "ExAllocatePool\n"
                               "ExFreePool\n"
                               "Empty\n"
                               "0\n"
                               "0\n"
                               "-4\n"
                               "1\n"
                               "VxD Memory\n"
                               "1\n"
                               "2\n"
                               "3\n"
                               "_HeapAllocate\n";

class CatalogueParse : public ::testing::Test {
protected:
    std::optional<uint32_t> Parse(const std::string& content, bool win9x = false) {
        std::string path = dir_.File("KELVD.API");
        EXPECT_TRUE(platform::WriteWholeFile(path, content));
        std::unique_ptr<platform::File> file =
            platform::fileSystem().Open(path.c_str(), platform::OpenMode::ReadText);
        EXPECT_TRUE(file);
        return ParseApiCatalogue(*file, win9x, model_->apiCategories, model_->vxdApiCategories);
    }
    const ApiCategory& Api(size_t i) const { return model_->apiCategories[i]; }

    TempDir dir_;
    std::unique_ptr<ConfigModel> model_ = std::make_unique<ConfigModel>();
};

// With either line end: a CR before the LF is no part of a name.
class CatalogueLineEnds : public CatalogueParse, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Text() const {
        std::string text;
        for (const char* p = kCatalogue; *p; ++p)
            text += *p == '\n' ? std::string(GetParam()) : std::string(1, *p);
        return text;
    }
};

TEST_P(CatalogueLineEnds, ReadCategoriesWithTheirEventsOnNt) {
    ASSERT_EQ(0x1A2Bu, Parse(Text()));
    ASSERT_EQ(2u, model_->apiCategories.Count());
    EXPECT_EQ("Memory", Api(0).name);
    EXPECT_EQ(2u, Api(0).eventCount);
    EXPECT_EQ(1u, Api(0).checkState); // as the block says, while every flag is 0
    EXPECT_EQ(17, Api(0).tag);
    EXPECT_EQ((std::vector<std::string>{"ExAllocatePool", "ExFreePool"}), Api(0).eventNames);
    EXPECT_EQ((std::vector<uint8_t>{0, 0}), Api(0).eventFlags);
    EXPECT_EQ("Empty", Api(1).name);
    EXPECT_EQ(0u, Api(1).eventCount);
    EXPECT_TRUE(Api(1).eventNames.empty());
    EXPECT_EQ(-4, Api(1).tag);
    EXPECT_EQ(0u, model_->vxdApiCategories.Count()); // the VxD part is not read on NT
}

INSTANTIATE_TEST_SUITE_P(LfAndCrLf, CatalogueLineEnds, ::testing::Values("\n", "\r\n"));

TEST_F(CatalogueParse, ReadsTheVxdPartOnWindows9x) {
    ASSERT_EQ(0x1A2Bu, Parse(kCatalogue, true));
    ASSERT_EQ(1u, model_->vxdApiCategories.Count());
    const ApiCategory& vxd = model_->vxdApiCategories[0];
    EXPECT_EQ("VxD Memory", vxd.name);
    EXPECT_EQ(2u, vxd.checkState);
    EXPECT_EQ(3, vxd.tag);
    EXPECT_EQ((std::vector<std::string>{"_HeapAllocate"}), vxd.eventNames);
}

TEST_F(CatalogueParse, NamesKeepTheirSpacesAndNumbersSkipLeadingOnes) {
    ASSERT_EQ(0xFFu, Parse("0xFF\n  1\n  Spaced  \n  1\n0\n0\n Event \n"));
    EXPECT_EQ("  Spaced  ", Api(0).name);
    EXPECT_EQ(" Event ", Api(0).eventNames[0]);
}

TEST_F(CatalogueParse, NamesLongerThanTheirFieldAreCut) {
    std::string longName(100, 'n');
    ASSERT_EQ(1u, Parse("1\n1\n" + longName + "\n1\n0\n0\n" + longName + "\n"));
    EXPECT_EQ(std::string(79, 'n'), Api(0).name);
    EXPECT_EQ(std::string(79, 'n'), Api(0).eventNames[0]);
}

TEST_F(CatalogueParse, LineOver255CharactersCountsAsTwoLines) {
    // The name line's remainder (45 characters) is read as the event count line: 0 events.
    ASSERT_EQ(1u, Parse("1\n1\n" + std::string(300, 'n') + "\n0\n7\n"));
    EXPECT_EQ(0u, Api(0).eventCount);
    EXPECT_EQ(0u, Api(0).checkState);
    EXPECT_EQ(7, Api(0).tag);
}

TEST_F(CatalogueParse, TriStateOutsideZeroToTwoReadsAsNoneHookedAndNoVersionAsZero) {
    ASSERT_EQ(1u, Parse("1\n1\nC\n0\n9\n0\n"));
    EXPECT_EQ(0u, Api(0).checkState);
    EXPECT_EQ(0u, Parse("\n0\n"));
}

// Catalogues that break the format are not read at all: the tables stay empty.
class DamagedCatalogue : public CatalogueParse,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedCatalogue, IsRejectedWithEmptyTables) {
    ASSERT_EQ(0x1A2Bu, Parse(kCatalogue, true)); // rows of an earlier read must not survive
    EXPECT_EQ(std::nullopt, Parse(GetParam(), true));
    EXPECT_EQ(0u, model_->apiCategories.Count());
    EXPECT_EQ(0u, model_->vxdApiCategories.Count());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedCatalogue,
    ::testing::Values("",                                 // no version line
                      "1\n",                              // no count line
                      "1\n2\nOnly\n0\n0\n0\n0\n",         // one category of two, and no VxD count
                      "1\n1\nCat\n3\n0\n0\nE1\nE2\n",     // two events of three
                      "1\n1\nCat\n",                      // a block cut after its name
                      "1\n51\n",                          // more categories than the table holds
                      "1\n-1\n",                          // a negative count
                      "1\n0\n99\n",                       // too many VxD categories
                      "1\n1\nCat\n-2\n0\n0\n0\n",         // a negative event count
                      "1\n1\nCat\n2147483647\n0\n0\nE\n") // a huge count with one line behind it
);

TEST_F(CatalogueParse, FiftyCategoriesFitExactly) {
    std::string text = "2\n50\n";
    for (int i = 0; i < 50; ++i)
        text += "C" + std::to_string(i) + "\n1\n0\n0\nE\n";
    ASSERT_EQ(2u, Parse(text));
    EXPECT_EQ(50u, model_->apiCategories.Count());
    EXPECT_EQ("C49", Api(49).name);
}

// Finding the catalogue through the suite's install directory.
class CatalogueLookup : public RegistryFixture {
protected:
    CatalogueLookup() : RegistryFixture({kSuiteKey}) {}
    void TearDown() override {
        configModel().isWin9x = false;
        ReleaseCategories(configModel().apiCategories);
        ReleaseCategories(configModel().vxdApiCategories);
        RegistryFixture::TearDown();
    }
    TempDir dir_;
};

TEST_F(CatalogueLookup, MissingKeyFileOrDirectoryLongerThan255CharactersGivesNoCatalogue) {
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    PutString(kSuiteKey, kInstallDirValue, dir_.path());
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    PutString(kSuiteKey, kInstallDirValue, std::string(256, 'd'));
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
}

TEST_F(CatalogueLookup, ReadsTheFileOfThePlatform) {
    PutString(kSuiteKey, kInstallDirValue, dir_.path());
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("KELVD.API"), "10\n0\n"));
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("KELVD9X.API"), "9\n1\nC\n0\n0\n0\n0\n"));
    EXPECT_EQ(0x10u, ReadApiCatalogue());
    EXPECT_EQ(0u, configModel().apiCategories.Count());
    configModel().isWin9x = true;
    EXPECT_EQ(9u, ReadApiCatalogue());
    EXPECT_EQ(1u, configModel().apiCategories.Count());
}

TEST_F(CatalogueLookup, EarlierRowsAreGoneWhenTheCatalogueIsMissing) {
    PutString(kSuiteKey, kInstallDirValue, dir_.path());
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("KELVD.API"), "1\n1\nC\n0\n0\n0\n"));
    ASSERT_EQ(1u, ReadApiCatalogue());
    PutString(kSuiteKey, kInstallDirValue, dir_.File("elsewhere"));
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    EXPECT_EQ(0u, configModel().apiCategories.Count());
}

} // namespace
