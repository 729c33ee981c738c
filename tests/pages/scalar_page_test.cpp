// The scalar settings pages (general, memory tracking, advanced): their controls and values.
#include "pages/advanced_settings_page.h"
#include "pages/general_settings_page.h"
#include "pages/memory_track_page.h"

#include "platform/substitute/headless/memory_edit.h"
#include "res/string_table.h"
#include "support/page_harness.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using platform::kChecked;

struct GeneralCase {
    uint32_t start, drPopup;
    int startButton, popupButton; // the buttons checked after initialisation, 0 for none
    uint32_t startShown;          // what GetStart gives after initialisation
};

struct GeneralPageShows : ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralPageShows, TheButtonOfEachKnownValue) {
    const GeneralCase& c = GetParam();
    GeneralSettingsPage page;
    page.SetStart(c.start);
    page.SetDRPopup(c.drPopup);
    test::PageHarness harness;
    platform::HeadlessDialogWindow& window = harness.Open(page);
    for (int id : {IDC_START_BOOT, IDC_START_DISABLED, IDC_POPUP_NEVER, IDC_POPUP_ERRORS,
                   IDC_POPUP_ERRORS_AND_WARNINGS}) {
        bool checked = id == c.startButton || id == c.popupButton;
        EXPECT_EQ(checked, window.Button(id).GetCheck() == kChecked) << id;
        EXPECT_TRUE(window.Button(id).IsEnabled()) << id;
    }
    EXPECT_EQ(c.startShown, page.GetStart());
    EXPECT_EQ(c.drPopup, page.GetDRPopup());
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralPageShows,
    ::testing::Values(GeneralCase{0, 0, IDC_START_BOOT, IDC_POPUP_NEVER, 0},
                      GeneralCase{3, 1, IDC_START_DISABLED, IDC_POPUP_ERRORS, 3},
                      GeneralCase{4, 2, IDC_START_DISABLED, IDC_POPUP_ERRORS_AND_WARNINGS, 3},
                      GeneralCase{2, 7, 0, 0, 2}, GeneralCase{5, 3, 0, 0, 5}));

TEST(GeneralPage, ClickedButtonsSetTheirValuesAndLaterSettersLeaveTheButtons) {
    GeneralSettingsPage page;
    page.SetStart(2);
    page.SetDRPopup(7);
    test::PageHarness harness;
    platform::HeadlessDialogWindow& window = harness.Open(page);
    window.Click(IDC_POPUP_ERRORS_AND_WARNINGS);
    window.Click(IDC_START_DISABLED);
    EXPECT_EQ(2u, page.GetDRPopup());
    EXPECT_EQ(3u, page.GetStart());
    window.Click(IDC_POPUP_NEVER);
    window.Click(IDC_START_BOOT);
    EXPECT_EQ(0u, page.GetDRPopup());
    EXPECT_EQ(0u, page.GetStart());
    EXPECT_NE(kChecked, window.Button(IDC_START_DISABLED).GetCheck());
    page.SetStart(3);
    EXPECT_EQ(kChecked, window.Button(IDC_START_BOOT).GetCheck());
    // A click leaving its button unchecked changes nothing; one on another control is not handled.
    window.Button(IDC_START_BOOT).SetCheck(platform::kUnchecked);
    EXPECT_TRUE(page.OnButtonClicked(IDC_START_BOOT));
    EXPECT_EQ(3u, page.GetStart());
    EXPECT_FALSE(page.OnButtonClicked(IDC_MEMORY_TRACKING));
}

struct MemoryPage : ::testing::Test {
    platform::HeadlessDialogWindow& Open(uint32_t trackingOn, uint32_t guardBytes) {
        page_.SetMemTrackingOn(trackingOn);
        page_.SetNumGuardBytes(guardBytes);
        return harness_.Open(page_);
    }

    MemoryTrackPage page_;
    test::PageHarness harness_;
};

TEST_F(MemoryPage, ShowsTheCountOfferedAndNoSelectionForAnotherAndPickedItemsGiveTheirCounts) {
    platform::HeadlessDialogWindow& window = Open(1, 16);
    platform::MemoryComboBox& guardBytes = window.ComboBox(IDC_GUARD_BYTES);
    EXPECT_EQ((std::vector<std::string>{"0", "8", "16", "32"}), guardBytes.Items());
    EXPECT_EQ(2, guardBytes.GetCurSel());
    EXPECT_TRUE(guardBytes.IsEnabled());
    EXPECT_EQ(kChecked, window.Button(IDC_MEMORY_TRACKING).GetCheck());
    page_.SetNumGuardBytes(12);
    page_.ShowSettings(); // the selection stays as it was
    EXPECT_EQ(2, guardBytes.GetCurSel());
    EXPECT_EQ(12u, page_.GetNumGuardBytes());
    for (auto [item, count] : {std::pair{2, 16u}, {0, 0u}, {1, 8u}, {3, 32u}}) {
        guardBytes.Choose(item);
        EXPECT_EQ(count, page_.GetNumGuardBytes()) << item;
    }
    guardBytes.SetCurSel(platform::kNoSelection); // the user cannot choose that: eight
    page_.OnGuardBytesSelChange();
    EXPECT_EQ(8u, page_.GetNumGuardBytes());

    MemoryTrackPage fresh;
    fresh.SetNumGuardBytes(12);
    test::PageHarness other;
    EXPECT_EQ(platform::kNoSelection, other.Open(fresh).ComboBox(IDC_GUARD_BYTES).GetCurSel());
}

TEST_F(MemoryPage, TrackingCheckBoxEnablesTheListAndKeepsTheCount) {
    platform::HeadlessDialogWindow& window = Open(0, 32);
    platform::MemoryComboBox& guardBytes = window.ComboBox(IDC_GUARD_BYTES);
    EXPECT_FALSE(guardBytes.IsEnabled());
    EXPECT_NE(kChecked, window.Button(IDC_MEMORY_TRACKING).GetCheck());
    window.Click(IDC_MEMORY_TRACKING);
    EXPECT_EQ(1u, page_.GetMemTrackingOn());
    EXPECT_TRUE(guardBytes.IsEnabled());
    window.Click(IDC_MEMORY_TRACKING);
    EXPECT_EQ(0u, page_.GetMemTrackingOn());
    EXPECT_FALSE(guardBytes.IsEnabled());
    EXPECT_EQ(32u, page_.GetNumGuardBytes());
}

// Typed texts: the event buffer size in decimal, the stack threshold in hex, empty as 1024.
TEST(EditText, ParsesAsStrtoulOfItsBase) {
    const std::pair<const char*, uint32_t> memUsage[] = {
        {"", 1024}, {"1023", 1023}, {"abc", 0}, {"2048KB", 2048}, {"-1", 0xFFFFFFFF}, {"0x800", 0}};
    for (auto [text, value] : memUsage)
        EXPECT_EQ(value, ParseMemUsage(text)) << text;
    const std::pair<const char*, uint32_t> stackThreshold[] = {
        {"", 0x400}, {"400", 0x400}, {"0x400", 0x400}, {"1024", 0x1024}, {"xyz", 0}};
    for (auto [text, value] : stackThreshold)
        EXPECT_EQ(value, ParseStackThreshold(text)) << text;
}

struct AdvancedPage : ::testing::Test {
    void SetUp() override { page_.AttachEdits(&stackThreshold_, &memUsage_); }
    uint32_t Validate(const char* memUsage, const char* stackThreshold) {
        memUsage_.SetText(memUsage);
        stackThreshold_.SetText(stackThreshold);
        return page_.FirstValidationFailure();
    }

    AdvancedSettingsPage page_;
    platform::MemoryEditControl stackThreshold_;
    platform::MemoryEditControl memUsage_;
};

TEST_F(AdvancedPage, ShowSettingsFillsTheEditsWhichTheGettersReadAndSettersDoNotChange) {
    page_.SetMemUsage(0xFFFFFFFF);
    page_.SetStackThreshold(0xFFFFABCD);
    page_.ShowSettings();
    EXPECT_EQ("-1", memUsage_.GetText());
    EXPECT_EQ("0xFFFFABCD", stackThreshold_.GetText());
    page_.SetMemUsage(5000);
    page_.ShowSettings();
    page_.SetMemUsage(6000);
    EXPECT_EQ("5000", memUsage_.GetText());
    EXPECT_EQ(5000u, page_.GetMemUsage());
    memUsage_.SetText("");
    stackThreshold_.SetText("");
    EXPECT_EQ(1024u, page_.GetMemUsage());
    EXPECT_EQ(1024u, page_.GetStackThreshold());
    page_.ShowSettings(); // the getters kept what they read
    EXPECT_EQ("1024", memUsage_.GetText());
    EXPECT_EQ("0x00000400", stackThreshold_.GetText());
    page_.PostNcDestroy(); // the window has gone: its edits are no longer read
    memUsage_.SetText("5000");
    EXPECT_EQ(1024u, page_.GetMemUsage());
}

TEST_F(AdvancedPage, OnlyTheFirstBrokenRuleIsReported) {
    EXPECT_EQ(kStrSmallEventBuffer, Validate("1023", "0x3FF"));
    EXPECT_EQ(kStrBadStackThreshold, Validate("1024", "0x3FF"));
    EXPECT_EQ(kStrBadStackThreshold, Validate("1024", "2801"));
    EXPECT_EQ(0u, Validate("", ""));
    EXPECT_EQ(0u, Validate("-1", "1024"));
    EXPECT_EQ(0u, Validate("2048KB", "0x2800")); // both bounds of the threshold pass
    EXPECT_EQ(0u, Validate("1024", "400"));
}

} // namespace
