// The host's side of a change: the control panel applet, and the checker's system.ini line.
#include "drivers/host_integration.h"

#include "platform/dynamic_library.h"
#include "platform/profile_sections.h"
#include "res/string_table.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

// What the applet does: whether it loads, whether it has the export, what the export answers.
struct Applet {
    bool loads;
    bool hasExport;
    int32_t answer;
    uint32_t disabledTempora;
    const char* text; // of the message shown, nullptr for none
    const char* caption;
    int freed;
};

struct ControlPanel : ::testing::TestWithParam<Applet>, platform::DynamicLibraries {
    platform::LibraryHandle Load(const char* name) override {
        EXPECT_STREQ("FLine.cpl", name);
        return GetParam().loads ? 0x5000 : 0;
    }
    void* Symbol(platform::LibraryHandle, const char* name) override {
        EXPECT_STREQ("FLCPanel_SetDriverState", name);
        return GetParam().hasExport ? reinterpret_cast<void*>(&SetDriverState) : nullptr;
    }
    void Free(platform::LibraryHandle) override { ++freed_; }

#ifdef _WIN32
    static int32_t __stdcall SetDriverState(uint32_t a, uint32_t b, DriverStateResult* result) {
#else
    static int32_t SetDriverState(uint32_t a, uint32_t b, DriverStateResult* result) {
#endif
        EXPECT_EQ(0u, a | b);
        result->member[1] = GetParam().disabledTempora;
        return GetParam().answer;
    }

    int freed_ = 0;
    platform::RecordedMessageBoxes messages_;
    platform::ScopedDynamicLibraries librariesScope_{*this};
    platform::ScopedMessageBoxes messagesScope_{messages_};
};

TEST_P(ControlPanel, ReportsAMissingAppletOrADisabledTemporaOnly) {
    NotifyControlPanel(0x77);
    EXPECT_EQ(GetParam().freed, freed_); // a called applet stays loaded
    ASSERT_EQ(GetParam().text ? 1u : 0u, messages_.shown.size());
    if (!GetParam().text)
        return;
    EXPECT_EQ(0x77u, messages_.shown[0].owner);
    EXPECT_EQ(GetParam().text, messages_.shown[0].text);
    EXPECT_EQ(GetParam().caption, messages_.shown[0].caption);
    EXPECT_EQ(platform::kMbIconHand, messages_.shown[0].type);
}

INSTANTIATE_TEST_SUITE_P(
    Applets, ControlPanel,
    ::testing::Values(Applet{false, true, 1, 1, "Error accessing Forgeline control panel!",
                             "Kelvarin Settings", 0},
                      Applet{true, true, 1, 1, TableString(kStrTemporaDisabled), "Kitwright", 0},
                      Applet{true, false, 1, 1, nullptr, nullptr, 1},
                      Applet{true, true, 0, 1, nullptr, nullptr, 0},
                      Applet{true, true, 1, 0, nullptr, nullptr, 0}));

// The 386Enh section of system.ini in memory: entries before, the checker's start, entries after.
struct Update {
    std::vector<std::string> before;
    uint32_t start;
    std::vector<std::string> after;
    bool readable = true;
};

std::string Entries(const std::vector<std::string>& entries) {
    std::string text;
    for (const std::string& entry : entries)
        text += entry + '\0';
    return text + '\0';
}

struct SystemIni : ::testing::TestWithParam<Update>, platform::ProfileSections {
    bool Read(const char* name, const char* file, std::string* entries) override {
        EXPECT_STREQ("386Enh", name);
        EXPECT_STREQ("system.ini", file);
        *entries = section_;
        return GetParam().readable;
    }
    bool Write(const char*, const std::string& entries, const char*) override {
        section_ = entries;
        return true;
    }

    std::string section_ = Entries(GetParam().before);
    platform::ScopedProfileSections scope_{*this};
};

TEST_P(SystemIni, KeepsOneCheckerLineAtTheEndOnlyWhenItStartsAtBoot) {
    UpdateSystemIni(GetParam().start);
    EXPECT_EQ(Entries(GetParam().after), section_);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, SystemIni,
    ::testing::Values(
        Update{{"device=kelvd.vxd", "woafont=dosapp.fon", "device=kelvd.vxd", "device=KELVD.VXD"},
               0,
               {"woafont=dosapp.fon", "device=KELVD.VXD", "device=kelvd.vxd"}},
        Update{{"a=1", "device=kelvd.vxd", "b=2"}, 3, {"a=1", "b=2"}},
        Update{{}, 0, {"device=kelvd.vxd"}}, Update{{}, 3, {}},
        Update{{"a=1"}, 0, {"a=1"}, false})); // a section that cannot be read whole is left alone

} // namespace
