#include "stores/hook_state_file.h"

#include "platform/file_system.h"
#include "stores/install_dirs.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using kelvd::test::StoreFixture;

class HookStateFile : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        InstallSuite();
    }
    std::string FileName() const {
        return dir_.File(model_.isWin9x ? "hookstate9x.dat" : "hookstate.dat");
    }
    std::string Saved() {
        SaveHookState();
        std::string content;
        EXPECT_TRUE(platform::ReadWholeFile(FileName(), platform::OpenMode::ReadBinary, &content));
        return content;
    }
    void Load(const std::string& content) {
        ASSERT_TRUE(platform::WriteWholeFile(FileName(), content));
        LoadHookState();
    }
    ApiCategory& AlphaBeta(const std::vector<uint8_t>& flags = {1, 0}) {
        return AddCategory(model_.apiCategories, "Cat", flags, {"Alpha", "Beta"});
    }
};

TEST_F(HookStateFile, OneLinePerEventEndingInLineFeedAlone) {
    AlphaBeta();
    AddCategory(model_.apiCategories, "None", {});
    AddCategory(model_.apiCategories, "Odd", {255, 2}, {"A=B", "Gamma"});
    AddCategory(model_.vxdApiCategories, "VxD", {1}, {"_Vxd"}); // NT: not written
    EXPECT_EQ("Alpha=1\nBeta=0\nA=B=255\nGamma=2\n", Saved());
}

TEST_F(HookStateFile, OnWindows9xTheVxdCategoriesFollowInTheirOwnFile) {
    model_.isWin9x = true;
    AlphaBeta();
    AddCategory(model_.vxdApiCategories, "VxD", {1}, {"_Vxd"});
    EXPECT_EQ("Alpha=1\nBeta=0\n_Vxd=1\n", Saved());
    ApiCategory& vxd = model_.vxdApiCategories[0];
    vxd.eventFlags[0] = 0;
    LoadHookState();
    EXPECT_EQ(1u, vxd.eventFlags[0]);
    EXPECT_EQ(1u, vxd.checkState);
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

TEST_F(HookStateFile, TwoEventsOfOneNameShareTheLaterLine) {
    AddCategory(model_.apiCategories, "First", {1}, {"Gamma"});
    AddCategory(model_.apiCategories, "Second", {0}, {"Gamma"});
    EXPECT_EQ("Gamma=1\nGamma=0\n", Saved());
    LoadHookState();
    EXPECT_EQ(0u, model_.apiCategories[0].eventFlags[0]);
    EXPECT_EQ(0u, model_.apiCategories[1].eventFlags[0]);
}

struct LoadCase {
    const char* content;
    std::vector<uint8_t> flags; // of Alpha and Beta
    uint32_t checkState;
};

class HookStateLoad : public HookStateFile, public ::testing::WithParamInterface<LoadCase> {};

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

TEST_F(HookStateFile, KeyIsTheTextBeforeTheLastEquals) {
    ApiCategory& category = AddCategory(model_.apiCategories, "Cat", {0, 0}, {"A=B", "A"});
    Load("A=B=1\n");
    EXPECT_EQ((std::vector<uint8_t>{1, 0}), category.eventFlags);
}

TEST_F(HookStateFile, LongLinesAreReadInPiecesWithinTheBuffer) {
    const std::string longName(300, 'n');
    ApiCategory& category =
        AddCategory(model_.apiCategories, "Cat", {0, 0}, {longName, std::string(300 - 255, 'n')});
    Load(longName + "=1\n");
    // The first 255 characters hold no "="; the rest is a line of its own.
    EXPECT_EQ((std::vector<uint8_t>{0, 1}), category.eventFlags);
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
