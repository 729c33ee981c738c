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

class SetAllCheckedTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        model_->isWin9x = GetParam();
        model_->drivers.Append(Row("a.sys", 7));
        model_->displayDrivers.Append(Row("disp.dll"));
        model_->userDrivers.Append(Row("c:\\user.sys"));
        model_->vxds.Append(Row("VXD1    ", 5));
        model_->userVxds.Append(Row("USERVXD ", 5));
        model_->apiCategories.Append(Category("Memory", 3));
        model_->vxdApiCategories.Append(Category("VxD", 2));
        model_->vxdApiCategories[0].eventFlags = {0, 1};
        model_->vxdApiCategories[0].checkState = 2;
    }
    std::unique_ptr<ConfigModel> model_ = std::make_unique<ConfigModel>();
};

TEST_P(SetAllCheckedTest, OneMarksEverythingWithDisplayDriversTakingTwoAndZeroClears) {
    for (uint32_t state : {1u, 0u}) {
        model_->SetAllChecked(state);
        EXPECT_EQ(state, model_->drivers[0].checkState);
        EXPECT_EQ(2 * state, model_->displayDrivers[0].checkState);
        EXPECT_EQ(state, model_->userDrivers[0].checkState);
        EXPECT_EQ(state, model_->apiCategories[0].checkState);
        EXPECT_EQ(std::vector<uint8_t>(3, state), model_->apiCategories[0].eventFlags);
    }
}

TEST_P(SetAllCheckedTest, VxdTablesChangeOnlyOnWindows9x) {
    model_->SetAllChecked(1);
    const bool win9x = GetParam();
    EXPECT_EQ(win9x ? 1u : 5u, model_->vxds[0].checkState);
    EXPECT_EQ(win9x ? 1u : 5u, model_->userVxds[0].checkState);
    EXPECT_EQ(win9x ? 1u : 2u, model_->vxdApiCategories[0].checkState);
    EXPECT_EQ(win9x ? std::vector<uint8_t>({1, 1}) : std::vector<uint8_t>({0, 1}),
              model_->vxdApiCategories[0].eventFlags);
}

INSTANTIATE_TEST_SUITE_P(Platforms, SetAllCheckedTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Win9x" : "NT"; });

TEST(FixedTable, RefusesRowsAtItsCapacity) {
    auto table = std::make_unique<DriverTable<128>>();
    for (int i = 0; i < 128; ++i)
        ASSERT_TRUE(table->Append(Row("x.sys")));
    EXPECT_TRUE(table->IsFull());
    EXPECT_FALSE(table->Append(Row("y.sys")));
    EXPECT_EQ(nullptr, table->AppendSlot());
    EXPECT_EQ(128u, table->Count());
}

TEST(ApiCategory, StateFollowsTheFlags) {
    ApiCategory category = Category("C", 3);
    EXPECT_EQ(0u, category.StateFromFlags());
    category.eventFlags = {1, 0, 1};
    EXPECT_EQ(2u, category.StateFromFlags());
    category.eventFlags = {1, 1, 1};
    EXPECT_EQ(1u, category.StateFromFlags());
    category.eventFlags = {1, 7, 1}; // a flag that is not 1 counts as not hooked
    EXPECT_EQ(2u, category.StateFromFlags());
}

} // namespace
