#include "model/config_model.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace kelvd;

DriverEntry Row(const char* path, uint32_t state = 0) {
    DriverEntry row;
    row.path = path;
    row.checkState = state;
    return row;
}

ApiCategory Category(const char* name, uint32_t events) {
    ApiCategory category;
    category.name = name;
    category.AllocateEvents(events);
    return category;
}

class SetAllCheckedTest : public ::testing::TestWithParam<bool> {};

// One marks everything, display drivers taking two, and zero clears; the VxD tables change only
// on Windows 9x.
TEST_P(SetAllCheckedTest, MarksEveryTableOfThePlatform) {
    auto model = std::make_unique<ConfigModel>();
    const bool win9x = model->isWin9x = GetParam();
    model->drivers.Append(Row("a.sys", 7));
    model->displayDrivers.Append(Row("disp.dll"));
    model->userDrivers.Append(Row("c:\\user.sys"));
    model->vxds.Append(Row("VXD1    ", 5));
    model->userVxds.Append(Row("USERVXD ", 5));
    model->apiCategories.Append(Category("Memory", 3));
    model->vxdApiCategories.Append(Category("VxD", 2));
    model->vxdApiCategories[0].eventFlags = {0, 1};
    model->vxdApiCategories[0].checkState = 2;
    for (uint32_t state : {1u, 0u}) {
        model->SetAllChecked(state);
        const uint32_t vxd = win9x ? state : 5;
        EXPECT_EQ((std::vector<uint32_t>{state, 2 * state, state, vxd, vxd, state}),
                  (std::vector<uint32_t>{
                      model->drivers[0].checkState, model->displayDrivers[0].checkState,
                      model->userDrivers[0].checkState, model->vxds[0].checkState,
                      model->userVxds[0].checkState, model->apiCategories[0].checkState}));
        EXPECT_EQ(std::vector<uint8_t>(3, state), model->apiCategories[0].eventFlags);
        EXPECT_EQ(win9x ? state : 2u, model->vxdApiCategories[0].checkState);
        EXPECT_EQ(win9x ? std::vector<uint8_t>(2, state) : std::vector<uint8_t>({0, 1}),
                  model->vxdApiCategories[0].eventFlags);
    }
}

INSTANTIATE_TEST_SUITE_P(Platforms, SetAllCheckedTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Win9x" : "NT"; });

TEST(ApiCategory, StateFollowsTheFlags) {
    // a flag that is not 1 counts as not hooked
    const std::pair<std::vector<uint8_t>, uint32_t> cases[] = {
        {{0, 0, 0}, 0}, {{1, 0, 1}, 2}, {{1, 1, 1}, 1}, {{1, 7, 1}, 2}};
    for (const auto& [flags, state] : cases) {
        ApiCategory category = Category("C", 3);
        category.eventFlags = flags;
        EXPECT_EQ(state, category.StateFromFlags());
    }
}

} // namespace
