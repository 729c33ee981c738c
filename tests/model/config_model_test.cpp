#include "model/config_model.h"

#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

struct SetAllCheckedTest : test::StoreFixture, ::testing::WithParamInterface<bool> {};

// One marks everything, display drivers taking two, and zero clears; the VxD tables change only
// on Windows 9x.
TEST_P(SetAllCheckedTest, MarksEveryTableOfThePlatform) {
    const bool win9x = model_.isWin9x = GetParam();
    AddRow(model_.drivers, "a.sys", 7);
    AddRow(model_.displayDrivers, "disp.dll", 0);
    AddRow(model_.userDrivers, "c:\\user.sys", 0);
    AddRow(model_.vxds, "VXD1    ", 5);
    AddRow(model_.userVxds, "USERVXD ", 5);
    const ApiCategory& api = AddCategory(model_.apiCategories, "Memory", {0, 0, 0});
    const ApiCategory& vxd = AddCategory(model_.vxdApiCategories, "VxD", {0, 1});
    for (uint32_t state : {1u, 0u}) {
        model_.SetAllChecked(state);
        const uint32_t vxdRow = win9x ? state : 5;
        EXPECT_EQ((std::vector<uint32_t>{state, 2 * state, state, vxdRow, vxdRow}), AllStates());
        EXPECT_EQ(state, api.checkState);
        EXPECT_EQ(std::vector<uint8_t>(3, state), api.eventFlags);
        EXPECT_EQ(win9x ? state : 2u, vxd.checkState);
        EXPECT_EQ(win9x ? std::vector<uint8_t>(2, state) : std::vector<uint8_t>({0, 1}),
                  vxd.eventFlags);
    }
}

INSTANTIATE_TEST_SUITE_P(Platforms, SetAllCheckedTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Win9x" : "NT"; });

TEST(ApiCategory, StateFollowsTheFlags) {
    // a flag that is not 1 counts as not hooked
    const std::pair<std::vector<uint8_t>, uint32_t> cases[] = {
        {{0, 0, 0}, 0}, {{1, 0, 1}, 2}, {{1, 1, 1}, 1}, {{1, 7, 1}, 2}};
    for (const auto& [flags, state] : cases) {
        ApiCategory category;
        category.AllocateEvents(3);
        category.eventFlags = flags;
        EXPECT_EQ(state, category.StateFromFlags());
    }
}

} // namespace
