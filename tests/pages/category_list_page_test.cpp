// The event and VxD API selection pages: category boxes over their events' flags.
#include "pages/select_events_page.h"
#include "pages/vxd_apis_page.h"

#include "support/page_harness.h"
#include "support/store_fixture.h"

namespace {

using namespace kelvd;
using namespace platform;
using Flags = std::vector<uint8_t>;
using Boxes = std::vector<int>;

struct EventsPageKind {
    using Page = SelectEventsPage;
    static constexpr int kCategories = IDC_CATEGORY_LIST;
    static constexpr int kEvents = IDC_EVENT_LIST;
    static CategoryTable& Table() { return configModel().apiCategories; }
};

struct VxdApisPageKind {
    using Page = VxDAPIsPage;
    static constexpr int kCategories = IDC_VXD_GROUP_LIST;
    static constexpr int kEvents = IDC_VXD_API_LIST;
    static CategoryTable& Table() { return configModel().vxdApiCategories; }
};

template <typename Kind> class CategoryList : public test::StoreFixture {
protected:
    // Memory (flags 1 0 0 0), Io (1 1, shown checked) and Sync (0 0 1, stored as mixed).
    void Open() {
        this->AddCategory(Kind::Table(), "Memory", {1, 0, 0, 0});
        this->AddCategory(Kind::Table(), "Io", {1, 1});
        this->AddCategory(Kind::Table(), "Sync", {0, 0, 1});
        window_ = &harness_.Open(page_);
        categories_ = &window_->CheckList(Kind::kCategories);
        events_ = &window_->CheckList(Kind::kEvents);
    }
    ApiCategory& Category(int index) { return Kind::Table()[index]; }
    // The lists are filled and changed as updates of their own, each of which has ended.
    bool Redrawing() const { return categories_->Redrawing() && events_->Redrawing(); }

    typename Kind::Page page_;
    test::PageHarness harness_;
    HeadlessDialogWindow* window_ = nullptr;
    MemoryCheckList* categories_ = nullptr;
    MemoryCheckList* events_ = nullptr;
};

using Kinds = ::testing::Types<EventsPageKind, VxdApisPageKind>;
TYPED_TEST_SUITE(CategoryList, Kinds);

TYPED_TEST(CategoryList, FillShowsTheStoredStatesAndTheFirstCategorysEvents) {
    this->Open();
    EXPECT_EQ((Boxes{kBoxMixed, kBoxChecked, kBoxMixed}), this->categories_->Checks());
    EXPECT_EQ("Io", this->categories_->GetText(1));
    EXPECT_EQ(0, this->categories_->GetCurSel());
    EXPECT_EQ("Event3", this->events_->GetText(3));
    EXPECT_EQ((Boxes{kBoxChecked, kBoxClear, kBoxClear, kBoxClear}), this->events_->Checks());
    // The stored state is shown whatever the flags say.
    this->Category(2).checkState = 0;
    this->Category(0).eventFlags = {1, 1, 1, 1};
    this->categories_->ClickItem(2);
    EXPECT_EQ(3, this->events_->GetCount());
    EXPECT_TRUE(this->Redrawing());
    this->page_.FillCategoryList();
    EXPECT_TRUE(this->Redrawing());
    EXPECT_EQ((Boxes{kBoxMixed, kBoxChecked, kBoxClear}), this->categories_->Checks());
    EXPECT_EQ(0, this->categories_->GetCurSel());
    EXPECT_EQ((Boxes{kBoxChecked, kBoxChecked, kBoxChecked, kBoxChecked}), this->events_->Checks());
}

TYPED_TEST(CategoryList, ToggledEventsAmongTheSelectedOnesSetTheFlagsAndTheCategoryBox) {
    this->Open();
    this->events_->ClickItem(1);
    this->events_->ControlClickItem(2);
    this->events_->ClickCheckBox(1);
    EXPECT_EQ((Flags{1, 1, 1, 0}), this->Category(0).eventFlags);
    EXPECT_EQ(kBoxMixed, this->categories_->GetCheck(0));
    // Only the first selected, toggled to clear: nothing is hooked any more.
    this->Category(0).eventFlags = {1, 0, 0, 0};
    this->page_.FillCategoryList();
    this->events_->ClickCheckBox(0);
    EXPECT_EQ((Flags{0, 0, 0, 0}), this->Category(0).eventFlags);
    EXPECT_EQ(kBoxClear, this->categories_->GetCheck(0));
    this->events_->PressSpace();
    EXPECT_EQ((Flags{1, 0, 0, 0}), this->Category(0).eventFlags);
    EXPECT_EQ(kBoxMixed, this->categories_->GetCheck(0));
    this->window_->Click(IDC_SELECT_ALL);
    this->events_->ClickCheckBox(3);
    EXPECT_EQ(kBoxMixed, this->categories_->GetCheck(0));
    this->events_->ClickCheckBox(3);
    EXPECT_EQ(kBoxChecked, this->categories_->GetCheck(0));
}

TYPED_TEST(CategoryList, CategoryBoxSetsEveryFlagAndEventBoxOfItsCategory) {
    this->Open();
    this->categories_->ClickCheckBox(1); // Io, checked: not yet selected
    EXPECT_EQ(1, this->categories_->GetCurSel());
    EXPECT_EQ((Flags{0, 0}), this->Category(1).eventFlags);
    EXPECT_EQ((Boxes{kBoxClear, kBoxClear}), this->events_->Checks());
    this->categories_->ClickCheckBox(1);
    EXPECT_TRUE(this->Redrawing());
    EXPECT_EQ((Flags{1, 1}), this->Category(1).eventFlags);
    EXPECT_EQ((Boxes{kBoxChecked, kBoxChecked}), this->events_->Checks());
    // A mixed box is cleared by the click, and clears its events.
    this->categories_->ClickCheckBox(2);
    EXPECT_EQ((Flags{0, 0, 0}), this->Category(2).eventFlags);
    EXPECT_EQ(kBoxClear, this->categories_->GetCheck(2));
    EXPECT_EQ(2u, this->Category(2).checkState); // never written by the page
}

TYPED_TEST(CategoryList, SelectAllSetsEveryCategoryAndSwitchingChangesNoFlag) {
    this->Open();
    this->categories_->ClickItem(2);
    this->window_->Click(IDC_SELECT_ALL);
    EXPECT_TRUE(this->Redrawing());
    EXPECT_EQ((Boxes{kBoxChecked, kBoxChecked, kBoxChecked}), this->categories_->Checks());
    EXPECT_EQ((Boxes{kBoxChecked, kBoxChecked, kBoxChecked}), this->events_->Checks());
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(Flags(this->Category(index).eventCount, 1), this->Category(index).eventFlags);
    EXPECT_EQ(2u, this->Category(2).checkState);
    this->categories_->ClickItem(0);
    EXPECT_EQ(Boxes(4, kBoxChecked), this->events_->Checks());
    this->window_->Click(IDC_DESELECT_ALL);
    this->categories_->ClickItem(1);
    this->categories_->ClickItem(0);
    EXPECT_EQ(Flags(4, 0), this->Category(0).eventFlags);
    EXPECT_EQ(Boxes(4, kBoxClear), this->events_->Checks());
}

TYPED_TEST(CategoryList, EmptyCatalogueLeavesBothListsEmpty) {
    HeadlessDialogWindow& window = this->harness_.Open(this->page_);
    window.Click(IDC_SELECT_ALL);
    window.CheckList(TypeParam::kCategories).PressSpace();
    this->page_.OnEventCheckChange();
    this->page_.OnCategoryCheckChange();
    EXPECT_EQ(0, window.CheckList(TypeParam::kCategories).GetCount());
    EXPECT_EQ(0, window.CheckList(TypeParam::kEvents).GetCount());
}

} // namespace
