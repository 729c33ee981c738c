#include "stores/api_catalogue.h"

#include "stores/install_dirs.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace std::string_literals;

// Two categories for NT, then one VxD category for Windows 9x.
const char* const kCatalogue =
    "1A2B\n2\nMemory\n2\n1\n17\nExAllocatePool\nExFreePool\nEmpty\n0\n0\n-4"
    "\n1\nVxD Memory\n1\n2\n3\n_HeapAllocate\n";

struct CatalogueParse : test::StoreFixture {
    std::optional<uint32_t> Parse(const std::string& content, bool win9x = false) {
        std::string path = dir_.File("KELVD.API");
        EXPECT_TRUE(platform::WriteWholeFile(path, content));
        auto file = platform::fileSystem().Open(path.c_str(), platform::OpenMode::ReadText);
        EXPECT_TRUE(file);
        return ParseApiCatalogue(*file, win9x, model_.apiCategories, model_.vxdApiCategories);
    }
};

// A table's categories as "name|events|state|tag|event=flag|...", separated by ";".
std::string Describe(const CategoryTable& table) {
    std::string text;
    for (const ApiCategory& category : table) {
        text += (text.empty() ? "" : ";") + category.name + "|" +
                std::to_string(category.eventCount) + "|" + std::to_string(category.checkState) +
                "|" + std::to_string(category.tag);
        for (size_t i = 0; i < category.eventNames.size(); ++i)
            text += "|" + category.eventNames[i] + "=" + std::to_string(category.eventFlags[i]);
    }
    return text;
}

struct ReadCase {
    std::string text;
    bool win9x;
    uint32_t version;
    std::string api, vxdApi = "";
};

struct CatalogueRead : CatalogueParse, ::testing::WithParamInterface<ReadCase> {};

TEST_P(CatalogueRead, GivesTheVersionAndTheCategories) {
    EXPECT_EQ(GetParam().version, Parse(GetParam().text, GetParam().win9x));
    EXPECT_EQ(GetParam().api, Describe(model_.apiCategories));
    EXPECT_EQ(GetParam().vxdApi, Describe(model_.vxdApiCategories));
}

// The Memory category's state is as the block says, while every flag is 0.
const std::string kNtPart = "Memory|2|1|17|ExAllocatePool=0|ExFreePool=0;Empty|0|0|-4";
const std::string kLong(100, 'n'), kCut(79, 'n');

// NT reads no VxD part. Names keep their spaces, numbers skip leading ones; names are cut to
// their field; the rest of a line over 255 characters is the next line (here 0 events); a state
// outside 0 to 2 is none hooked; a CR before the LF is no part of a line; no version is 0; a
// 0 byte ends a name, even at the start of its line.
const ReadCase kReads[] = {
    {kCatalogue, false, 0x1A2B, kNtPart},
    {kCatalogue, true, 0x1A2B, kNtPart, "VxD Memory|1|2|3|_HeapAllocate=0"},
    {"0xFF\n  1\n  Spaced  \n  1\n0\n0\n Event \n", false, 0xFF, "  Spaced  |1|0|0| Event =0"},
    {"1\n1\n" + kLong + "\n1\n0\n0\n" + kLong + "\n", false, 1, kCut + "|1|0|0|" + kCut + "=0"},
    {"1\n1\n" + std::string(300, 'n') + "\n0\n7\n", false, 1, kCut + "|0|0|7"},
    {"1\n1\nC\n0\n9\n0\n", false, 1, "C|0|0|0"},
    {"F\r\n1\r\nC\r\n1\r\n1\r\n2\r\nE\r\n", false, 0xF, "C|1|1|2|E=0"},
    {"\n0\n", false, 0, ""},
    {"1\n1\n\0C\n0\n0\n0\n"s, false, 1, "|0|0|0"}};
INSTANTIATE_TEST_SUITE_P(Cases, CatalogueRead, ::testing::ValuesIn(kReads));

// Catalogues that break the format are not read at all: the tables stay empty.
struct DamagedCatalogue : CatalogueParse, ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedCatalogue, IsRejectedWithEmptyTables) {
    ASSERT_EQ(0x1A2Bu, Parse(kCatalogue, true)); // rows of an earlier read must not survive
    EXPECT_EQ(std::nullopt, Parse(GetParam(), true));
    EXPECT_EQ(0u, model_.apiCategories.Count());
    EXPECT_EQ(0u, model_.vxdApiCategories.Count());
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
    EXPECT_EQ(50u, model_.apiCategories.Count());
    EXPECT_EQ("C49", model_.apiCategories[49].name);
}

// Finding the catalogue through the suite's install directory.
using CatalogueLookup = test::StoreFixture;

TEST_F(CatalogueLookup, MissingKeyFileOrDirectoryLongerThan255CharactersGivesNoCatalogue) {
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    InstallSuite();
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    PutString(kSuiteKey, kInstallDirValue, std::string(256, 'd'));
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
}

TEST_F(CatalogueLookup, ReadsTheFileOfThePlatformAndEmptiesTheTablesWithoutOne) {
    InstallSuite();
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("KELVD.API"), "10\n0\n"));
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("KELVD9X.API"), "9\n1\nC\n0\n0\n0\n0\n"));
    EXPECT_EQ(0x10u, ReadApiCatalogue());
    EXPECT_EQ(0u, model_.apiCategories.Count());
    model_.isWin9x = true;
    EXPECT_EQ(9u, ReadApiCatalogue());
    EXPECT_EQ(1u, model_.apiCategories.Count());
    PutString(kSuiteKey, kInstallDirValue, dir_.File("elsewhere"));
    EXPECT_EQ(kNoCatalogue, ReadApiCatalogue());
    EXPECT_EQ(0u, model_.apiCategories.Count());
}

} // namespace
