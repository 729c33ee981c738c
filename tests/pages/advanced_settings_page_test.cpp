#include "pages/advanced_settings_page.h"

#include "doubles/headless/memory_edit.h"
#include "res/string_table.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

// How a typed text reads: the event buffer size in decimal, the stack threshold in hexadecimal,
// an empty text as 1024.
struct TextCase {
    uint32_t (*parse)(const std::string&);
    const char* text;
    uint32_t value;
};

class EditText : public ::testing::TestWithParam<TextCase> {};

TEST_P(EditText, ParsesAsStrtoulOfItsBase) {
    EXPECT_EQ(GetParam().value, GetParam().parse(GetParam().text)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditText,
    ::testing::Values(TextCase{ParseMemUsage, "", 1024}, TextCase{ParseMemUsage, "1023", 1023},
                      TextCase{ParseMemUsage, "abc", 0}, TextCase{ParseMemUsage, "2048KB", 2048},
                      TextCase{ParseMemUsage, "-1", 0xFFFFFFFF},
                      TextCase{ParseMemUsage, "0x800", 0}, TextCase{ParseStackThreshold, "", 0x400},
                      TextCase{ParseStackThreshold, "400", 0x400},
                      TextCase{ParseStackThreshold, "0x400", 0x400},
                      TextCase{ParseStackThreshold, "1024", 0x1024},
                      TextCase{ParseStackThreshold, "xyz", 0}));

class AdvancedPage : public ::testing::Test {
protected:
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
