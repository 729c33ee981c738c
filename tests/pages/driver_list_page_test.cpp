// The driver and VxD selection pages: the list shown, in agreement with the model's states.
#include "pages/driver_settings_page.h"
#include "pages/vxd_settings_page.h"

#include "doubles/legacy_images.h"
#include "platform/file_system.h"
#include "res/string_table.h"
#include "support/page_harness.h"
#include "support/store_fixture.h"
#include "support/test_drivers.h"

namespace {

using namespace kelvd;
using platform::MemoryListView;

// A driver is listed by its upper-cased file name part, unless its only backslash leads.
TEST(ListedText, DriverNameIsItsFileNamePartAndStartTypesAreNamedFrom0To4) {
    EXPECT_EQ("\\VMM.VXD", ListedDriverName("\\vmm.vxd"));
    EXPECT_EQ("B.SYS", ListedDriverName("\\a\\b.sys"));
    EXPECT_EQ("", ListedDriverName("C:\\dir\\"));
    EXPECT_STREQ("Boot", StartTypeName(0));
    EXPECT_STREQ("Disabled", StartTypeName(4));
    EXPECT_STREQ("???", StartTypeName(5));
}

// Each page's first table (Listed) and the one the user adds to (User).
struct DriverPageKind {
    using Page = DriverSettingsPage;
    static constexpr int kList = IDC_DRIVER_LIST;
    static constexpr int kAdd = IDC_ADD_DRIVER;
    static constexpr uint32_t kFilter = kStrDriverFileFilter;
    static constexpr const char* kExtension = "sys";
    static constexpr intptr_t kClickResult = 1;
    static DriverTable<256>& Listed() { return configModel().drivers; }
    static DriverTable<128>& User() { return configModel().userDrivers; }
    static void Fill(Page& page) { page.FillDriverList(); }
    // A 16-bit driver, whose description is in a 16-bit version resource.
    static constexpr const char* kOldName = "OLD16.DRV";
    static platform::ImageBytes OldImage(const platform::ImageBytes& block) {
        return platform::NeVersionImage(block);
    }
};

struct VxdPageKind {
    using Page = VxDSettingsPage;
    static constexpr int kList = IDC_VXD_LIST;
    static constexpr int kAdd = IDC_ADD_VXD;
    static constexpr uint32_t kFilter = kStrVxdFileFilter;
    static constexpr const char* kExtension = "vxd";
    static constexpr intptr_t kClickResult = 0;
    static DriverTable<256>& Listed() { return configModel().vxds; }
    static DriverTable<256>& User() { return configModel().userVxds; }
    static void Fill(Page& page) { page.FillVxdList(); }
    static constexpr const char* kOldName = "OLDDEV.VXD";
    static platform::ImageBytes OldImage(const platform::ImageBytes& block) {
        return platform::VxdVersionImage(block);
    }
};

template <typename Kind> class DriverList : public test::StoreFixture {
protected:
    // Listed rows d (checked), B, c, a and user row e (checked), shown sorted: A B C D E.
    void Open() {
        for (const char* name : {"d.sys", "B.sys", "c.sys", "a.sys"})
            AddRow(Kind::Listed(), name, name[0] == 'd');
        AddRow(Kind::User(), "C:\\u\\e.sys", 1);
        window_ = &harness_.Open(page_);
        Kind::Fill(page_);
        list_ = &window_->ListView(Kind::kList);
    }

    int Row(const char* name) const { return list_->FindItemByText(name); }
    std::string Name(int row) const { return list_->GetItemText(row, 0, 255); }
    std::vector<bool> Checks() const {
        std::vector<bool> checks;
        for (int row = 0; row < list_->GetItemCount(); ++row)
            checks.push_back(list_->GetCheck(row));
        return checks;
    }
    // Every box shows the state of the model row its key names: keys count through the tables.
    void ExpectAgreement() {
        std::vector<const DriverEntry*> rows;
        auto add = [&rows](const auto& table) {
            for (const DriverEntry& row : table)
                rows.push_back(&row);
        };
        add(Kind::Listed());
        add(configModel().displayDrivers);
        add(Kind::User());
        for (int row = 0; row < list_->GetItemCount(); ++row)
            EXPECT_EQ(list_->GetCheck(row), rows.at(list_->GetItemData(row))->checkState != 0);
    }

    typename Kind::Page page_;
    test::PageHarness harness_;
    platform::HeadlessDialogWindow* window_ = nullptr;
    MemoryListView* list_ = nullptr;
};

using Kinds = ::testing::Types<DriverPageKind, VxdPageKind>;
TYPED_TEST_SUITE(DriverList, Kinds);

TYPED_TEST(DriverList, FillShowsEveryRowSortedAndSelectAllChecksThemAll) {
    this->Open();
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(std::string(1, 'A' + row) + ".SYS", this->Name(row));
    EXPECT_EQ((std::vector<bool>{false, false, false, true, true}), this->Checks());
    MemoryListView& list = *this->list_;
    // The first row made (the first row of the first table) is selected and focused.
    EXPECT_EQ(std::vector<int>{this->Row("D.SYS")}, list.SelectedRows());
    EXPECT_TRUE(list.GetItemState(this->Row("D.SYS"), platform::kLvisFocused));
    EXPECT_EQ(0x24u, list.ExtendedStyle());
    ASSERT_EQ(4u, list.Columns().size());
    EXPECT_EQ("Startup", list.Columns()[3].heading);
    for (auto [column, width] : {std::pair{0, 110}, {1, 190}, {2, 75}, {3, 62}})
        EXPECT_EQ(width, list.Columns()[column].width) << column;
    EXPECT_EQ(0, this->page_.SortColumn());
    // Keys are positions in the tables: the user row comes after the four listed ones.
    EXPECT_EQ(4u, list.GetItemData(this->Row("E.SYS")));
    // Filling and Select All are updates that have ended; Select All checks what Deselect clears.
    EXPECT_TRUE(list.Redrawing());
    this->window_->Click(IDC_SELECT_ALL);
    EXPECT_TRUE(list.Redrawing());
    EXPECT_EQ(std::vector<bool>(5, true), this->Checks());
    EXPECT_EQ(std::vector<uint32_t>(4, 1), test::States(TypeParam::Listed()));
    this->window_->Click(IDC_DESELECT_ALL);
    EXPECT_EQ(std::vector<bool>(5, false), this->Checks());
    this->ExpectAgreement();
}

TYPED_TEST(DriverList, ClickOnASelectedRowsBoxSetsTheSelectionToTheOppositeOfThatRow) {
    this->Open();
    MemoryListView& list = *this->list_;
    list.ClickItem(this->Row("B.SYS"));
    list.ControlClickItem(this->Row("D.SYS"));
    list.ControlClickItem(this->Row("C.SYS"));
    list.ClickCheckBox(this->Row("D.SYS")); // D was checked
    EXPECT_EQ(TypeParam::kClickResult, list.LastResult());
    EXPECT_EQ((std::vector<bool>{false, false, false, false, true}), this->Checks());
    this->ExpectAgreement();
    EXPECT_EQ(3u, list.SelectedRows().size());
    // The box of an unselected row: it becomes the only selected row and changes alone.
    list.ClickCheckBox(this->Row("A.SYS"));
    EXPECT_EQ(std::vector<int>{this->Row("A.SYS")}, list.SelectedRows());
    EXPECT_EQ((std::vector<bool>{true, false, false, false, true}), this->Checks());
    this->ExpectAgreement();
    // A click beside the box changes no state and is left to the list.
    list.ClickItem(this->Row("E.SYS"));
    EXPECT_EQ(0, list.LastResult());
    this->ExpectAgreement();
}

TYPED_TEST(DriverList, SpaceSetsTheSelectionToTheOppositeOfItsFirstRow) {
    this->Open();
    MemoryListView& list = *this->list_;
    list.ClickItem(this->Row("E.SYS")); // E checked, B clear; B is first in list order
    list.ControlClickItem(this->Row("B.SYS"));
    list.PressSpace();
    EXPECT_EQ(1, list.LastResult());
    EXPECT_EQ((std::vector<bool>{false, true, false, true, true}), this->Checks());
    this->ExpectAgreement();
    list.ControlClickItem(this->Row("B.SYS")); // the list left B alone selected: now none is
    list.PressSpace();
    EXPECT_EQ(1, list.LastResult());
    EXPECT_EQ(0, this->page_.OnKeyDownList({TypeParam::kList, platform::kLvnKeyDown, -1, 'A'}));
    this->ExpectAgreement();
}

TYPED_TEST(DriverList, SortingByAColumnKeepsEachRowOnItsModelRow) {
    this->AddRow(TypeParam::Listed(), "0.sys", 0);
    TypeParam::Listed()[0].description = "zeta";
    TypeParam::Listed()[0].group = "Base";
    this->Open();
    ASSERT_EQ(6, this->list_->GetItemCount());
    this->list_->ClickColumn(1);
    EXPECT_EQ(1, this->page_.SortColumn());
    EXPECT_EQ(0, this->list_->LastResult());
    EXPECT_EQ("0.SYS", this->Name(5)); // first by name, the only one with a description
    EXPECT_EQ("Base", this->list_->GetItemText(5, 2, 255));
    this->list_->ClickCheckBox(this->Row("0.SYS"));
    EXPECT_EQ(1u, TypeParam::Listed()[0].checkState);
    this->ExpectAgreement();
}

// A listed name, a cancelled dialog and a full user table (before the dialog) add no row.
TYPED_TEST(DriverList, AddedFileBecomesACheckedUserRowUnlessListedCancelledOrFull) {
    this->Open();
    auto& files = this->harness_.Sheet().FileDialog();
    files.Answer("C:\\Tools\\b.SYS");
    files.Answer("");
    files.Answer(test::TestDriver("DESCRIBED.SYS"));
    for (int click = 0; click < 3; ++click)
        this->window_->Click(TypeParam::kAdd);
    const auto& request = files.shown.at(2);
    EXPECT_EQ(this->window_->Handle(), request.owner);
    EXPECT_TRUE(request.request.open);
    EXPECT_EQ(TableString(TypeParam::kFilter), request.request.filter);
    EXPECT_EQ(TypeParam::kExtension, request.request.defaultExtension);
    EXPECT_EQ(platform::kOfnFileMustExist, request.request.flags);
    MemoryListView& list = *this->list_;
    ASSERT_EQ(6, list.GetItemCount());
    EXPECT_EQ("DESCRIBED.SYS", this->Name(5));
    EXPECT_NE("", list.GetItemText(5, 1, 255));
    EXPECT_EQ("", list.GetItemText(5, 2, 255) + list.GetItemText(5, 3, 255));
    EXPECT_TRUE(list.GetCheck(5));
    ASSERT_EQ(2u, TypeParam::User().Count());
    EXPECT_EQ(test::TestDriver("DESCRIBED.SYS"), TypeParam::User()[1].path);
    EXPECT_EQ(1u, TypeParam::User()[1].checkState);
    EXPECT_EQ("", TypeParam::User()[1].group);
    list.ClickCheckBox(5);
    EXPECT_EQ(0u, TypeParam::User()[1].checkState);
    while (!TypeParam::User().IsFull())
        this->AddRow(TypeParam::User(), "u" + std::to_string(TypeParam::User().Count()), 0);
    TypeParam::Fill(this->page_);
    files.Answer("C:\\new.sys");
    this->window_->Click(TypeParam::kAdd);
    EXPECT_EQ(3u, files.shown.size());
    ASSERT_EQ(2u, this->messages_.shown.size());
    EXPECT_EQ(TableString(kStrDuplicateDriver), this->messages_.shown[0].text);
    EXPECT_EQ(this->window_->Handle(), this->messages_.shown[0].owner);
    EXPECT_EQ(TableString(kStrUserListFull), this->messages_.shown[1].text);
    EXPECT_EQ(static_cast<int>(TypeParam::User().kCapacity) + 4, list.GetItemCount());
}

// A 16-bit driver added on the driver page, and a VxD on the VxD page, show the description of
// their 16-bit version resource.
TYPED_TEST(DriverList, AddedSixteenBitImageShowsItsDescription) {
    this->Open();
    test::TempDir dir;
    const std::string path = dir.File(TypeParam::kOldName);
    const platform::ImageBytes image = TypeParam::OldImage(platform::VersionBlock16(
        {platform::VersionText16("FileDescription", "Old device of long ago")}));
    ASSERT_TRUE(platform::WriteWholeFile(path, std::string(image.begin(), image.end())));
    this->harness_.Sheet().FileDialog().Answer(path);
    this->window_->Click(TypeParam::kAdd);
    ASSERT_EQ(6, this->list_->GetItemCount());
    EXPECT_EQ("Old device of long ago",
              this->list_->GetItemText(this->Row(TypeParam::kOldName), 1, 255));
}

struct DriverPage : DriverList<DriverPageKind> {};

TEST_F(DriverPage, DisplayDriversShowNoStartupAndStoreTwoWhenChecked) {
    AddRow(model_.displayDrivers, "vga.dll", 0);
    model_.displayDrivers[0].startType = -1;
    Open();
    int row = Row("VGA.DLL");
    EXPECT_EQ("???", list_->GetItemText(row, 3, 255));
    EXPECT_EQ(4u, list_->GetItemData(row));
    list_->ClickCheckBox(row);
    EXPECT_EQ(2u, model_.displayDrivers[0].checkState);
    window_->Click(IDC_DESELECT_ALL);
    window_->Click(IDC_SELECT_ALL);
    EXPECT_EQ(2u, model_.displayDrivers[0].checkState);
    EXPECT_EQ(1u, model_.userDrivers[0].checkState);
    list_->ClickCheckBox(row);
    EXPECT_EQ(0u, model_.displayDrivers[0].checkState);
    ExpectAgreement();
}

} // namespace
