#include "stores/hook_state_file.h"

#include "platform/file_system.h"
#include "stores/api_catalogue.h"
#include "stores/install_dirs.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct HookStateFile : test::StoreFixture {
    void SetUp() override {
        test::StoreFixture::SetUp();
        InstallSuite();
    }
    std::string Saved() {
        SaveHookState();
        return FileText(model_.isWin9x ? "hookstate9x.dat" : "hookstate.dat");
    }
    void Load(const std::string& content) {
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File("hookstate.dat"), content));
        LoadHookState();
    }
    ApiCategory& AlphaBeta(const std::vector<uint8_t>& flags = {1, 0}) {
        return AddCategory(model_.apiCategories, "Cat", flags, {"Alpha", "Beta"});
    }
};

// Two events of one name (Gamma) each get a line, and both load the later one.
TEST_F(HookStateFile, OneLinePerEventEndingInLineFeedAloneOnWindows9xTheVxdEventsToo) {
    AlphaBeta();
    AddCategory(model_.apiCategories, "None", {});
    ApiCategory& odd = AddCategory(model_.apiCategories, "Odd", {255, 2}, {"A=B", "Gamma"});
    AddCategory(model_.apiCategories, "Second", {0}, {"Gamma"});
    ApiCategory& vxd = AddCategory(model_.vxdApiCategories, "VxD", {1}, {"_Vxd"});
    EXPECT_EQ("Alpha=1\nBeta=0\nA=B=255\nGamma=2\nGamma=0\n", Saved());
    model_.isWin9x = true; // in a file of its own
    EXPECT_EQ("Alpha=1\nBeta=0\nA=B=255\nGamma=2\nGamma=0\n_Vxd=1\n", Saved());
    vxd.eventFlags[0] = 0;
    LoadHookState();
    EXPECT_EQ(1u, vxd.eventFlags[0]);
    EXPECT_EQ(1u, vxd.checkState);
    EXPECT_EQ((std::vector<uint8_t>{255, 0}), odd.eventFlags);
}

// The choices are written whenever the model holds categories, even those of a catalogue whose
// version reads as missing; with none loaded the file, and the choices it holds, stay.
TEST_F(HookStateFile, WrittenWheneverCategoriesAreLoadedAndLeftAloneWithoutAny) {
    Load("Alpha=0\n");
    model_.catalogueVersion = kNoCatalogue;
    EXPECT_EQ("Alpha=0\n", Saved());
    AlphaBeta();
    EXPECT_EQ("Alpha=1\nBeta=0\n", Saved());
    model_.apiCategories.Clear();
    AddCategory(model_.vxdApiCategories, "VxD", {1}, {"_Vxd"});
    model_.isWin9x = true;
    EXPECT_EQ("_Vxd=1\n", Saved());
}

TEST_F(HookStateFile, SavedFileLoadsBackWithTheSameFlagsAndStates) {
    ApiCategory& category = AlphaBeta();
    category.checkState = 1;
    LoadHookState(); // no file yet: nothing changes
    EXPECT_EQ((std::vector<uint8_t>{1, 0}), category.eventFlags);
    EXPECT_EQ(1u, category.checkState);
    SaveHookState();
    category.eventFlags = {0, 1};
    LoadHookState();
    EXPECT_EQ((std::vector<uint8_t>{1, 0}), category.eventFlags);
    EXPECT_EQ(2u, category.checkState);
    EXPECT_EQ(0u, hookStateMap().Count());
}

struct LoadCase {
    const char* content;
    std::vector<uint8_t> flags; // of Alpha and Beta
    uint32_t checkState;
};

struct HookStateLoad : HookStateFile, ::testing::WithParamInterface<LoadCase> {};

TEST_P(HookStateLoad, GivesTheFlagsAndTheCategoryState) {
    ApiCategory& category = AlphaBeta({1, 1});
    ApiCategory& empty = AddCategory(model_.apiCategories, "Empty", {});
    empty.checkState = 1;
    Load(GetParam().content);
    EXPECT_EQ(GetParam().flags, category.eventFlags) << GetParam().content;
    EXPECT_EQ(GetParam().checkState, category.checkState) << GetParam().content;
    EXPECT_EQ(0u, empty.checkState);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HookStateLoad,
    ::testing::Values(LoadCase{"Alpha=1\nBeta=0\n", {1, 0}, 2},
                      LoadCase{"Beta=0\nAlpha=1\n", {1, 0}, 2},
                      LoadCase{"Alpha=1\n", {1, 0}, 1}, // a missing name is not unselected
                      LoadCase{"", {0, 0}, 0}, LoadCase{"Alpha=0\nBeta=0\n", {0, 0}, 0},
                      LoadCase{"alpha=1\nBeta=1\n", {0, 1}, 1},   // keys are case-sensitive
                      LoadCase{"Alpha = 1\nBeta=1\n", {0, 1}, 1}, // "Alpha " is another key
                      LoadCase{"Alpha=\nBeta=1\n", {0, 1}, 2},    // no digits: 0
                      LoadCase{"[Cat]\nAlpha=1\n", {1, 0}, 1},    // no "=": ignored
                      LoadCase{"Alpha=2\nBeta=256\n", {2, 0}, 1}, // low byte; 256 is selected
                      LoadCase{"Alpha=1\nAlpha=0\n", {0, 0}, 0},  // the last line wins
                      LoadCase{"Alpha=0\nBeta=1\nAlpha=1\n", {1, 1}, 1}, // also in place
                      LoadCase{"Beta=1\nAlpha=0\n", {0, 1}, 2},          // out of catalogue order
                      LoadCase{"Alpha=1\r\nBeta=0\r\n", {1, 0}, 2},      // text mode drops the CR
                      LoadCase{"Alpha=  -1x\nBeta=1", {255, 1}, 1}));

// The key is the text before the last "="; the first 255 characters of a longer line are read as
// a line of their own, without "=", and the rest as the next line.
TEST_F(HookStateFile, KeyIsTheTextBeforeTheLastEqualsAndLongLinesAreReadInPieces) {
    const std::string longName(300, 'n');
    ApiCategory& category = AddCategory(model_.apiCategories, "Cat", {0, 0, 0, 0},
                                        {"A=B", "A", longName, std::string(300 - 255, 'n')});
    Load("A=B=1\n" + longName + "=1\n");
    EXPECT_EQ((std::vector<uint8_t>{1, 0, 0, 1}), category.eventFlags);
}

TEST_F(HookStateFile, InstallDirectoryTooLongForThePathBufferNamesNoFile) {
    std::string path;
    platform::DeleteKeyTree(platform::kLocalMachine, kSuiteKey);
    ASSERT_TRUE(HookStatePath(&path)); // without an install directory: the file name alone
    EXPECT_EQ("\\hookstate.dat", path);
    // 245 characters and "\hookstate.dat" just fit 260 bytes; one more does not.
    const std::tuple<bool, int, bool> cases[] = {
        {false, 245, true}, {false, 246, false}, {true, 243, true}, {true, 244, false}};
    for (const auto& [win9x, length, fits] : cases) {
        model_.isWin9x = win9x;
        PutString(kSuiteKey, kInstallDirValue, std::string(length, 'd'));
        path.clear();
        EXPECT_EQ(fits, HookStatePath(&path)) << length;
        const char* name = win9x ? "\\hookstate9x.dat" : "\\hookstate.dat";
        EXPECT_EQ(fits ? std::string(length, 'd') + name : "", path);
    }
}

} // namespace
