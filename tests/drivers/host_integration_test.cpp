#include "drivers/host_integration.h"

#include "platform/dynamic_library.h"
#include "platform/profile_sections.h"
#include "res/string_table.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace kelvd;
using platform::RecordedMessageBoxes;

// An applet that the test describes: whether it loads, whether it has the export, what the
// export answers.
class FakeApplet final : public platform::DynamicLibraries {
public:
    bool loads = true;
    bool hasExport = true;
    static int32_t answer;
    static uint32_t disabledTempora;
    int loaded = 0, freed = 0;

    platform::LibraryHandle Load(const char* name) override {
        EXPECT_STREQ(kControlPanelApplet, name);
        loaded += loads;
        return loads ? 0x5000 : 0;
    }
    void* Symbol(platform::LibraryHandle, const char* name) override {
        EXPECT_STREQ(kSetDriverStateExport, name);
        return hasExport ? reinterpret_cast<void*>(&SetDriverState) : nullptr;
    }
    void Free(platform::LibraryHandle) override { ++freed; }

private:
#ifdef _WIN32
    static int32_t __stdcall SetDriverState(uint32_t a, uint32_t b, DriverStateResult* result){
#else
    static int32_t SetDriverState(uint32_t a, uint32_t b, DriverStateResult* result) {
#endif
        EXPECT_EQ(0u, a);
    EXPECT_EQ(0u, b);
    result->member[1] = disabledTempora;
    return answer;
}
}; // namespace
int32_t FakeApplet::answer = 1;
uint32_t FakeApplet::disabledTempora = 0;

class ControlPanel : public ::testing::Test {
protected:
    void SetUp() override {
        FakeApplet::answer = 1;
        FakeApplet::disabledTempora = 0;
    }
    FakeApplet applet_;
    RecordedMessageBoxes messages_;
    platform::ScopedDynamicLibraries librariesScope_{applet_};
    platform::ScopedMessageBoxes messagesScope_{messages_};
};

TEST_F(ControlPanel, MissingAppletIsReportedWithTheStopIcon) {
    applet_.loads = false;
    NotifyControlPanel(0x77);
    ASSERT_EQ(1u, messages_.shown.size());
    EXPECT_EQ(0x77u, messages_.shown[0].owner);
    EXPECT_EQ("Error accessing Forgeline control panel!", messages_.shown[0].text);
    EXPECT_EQ("Kelvarin Settings", messages_.shown[0].caption);
    EXPECT_EQ(platform::kMbIconHand, messages_.shown[0].type);
}

TEST_F(ControlPanel, DisabledTemporaIsReportedAndTheAppletStaysLoaded) {
    FakeApplet::disabledTempora = 1;
    NotifyControlPanel(0);
    ASSERT_EQ(1u, messages_.shown.size());
    EXPECT_EQ(TableString(kStrTemporaDisabled), messages_.shown[0].text);
    EXPECT_NE(std::string::npos, messages_.shown[0].text.find("compatible.  The Tempora"));
    EXPECT_EQ("Kitwright", messages_.shown[0].caption);
    EXPECT_EQ(platform::kMbIconHand, messages_.shown[0].type);
    EXPECT_EQ(0, applet_.freed);
}

TEST_F(ControlPanel, MissingExportFailedCallOrUntouchedTemporaShowsNothing) {
    applet_.hasExport = false;
    NotifyControlPanel(0);
    EXPECT_EQ(1, applet_.freed);
    applet_.hasExport = true;
    FakeApplet::disabledTempora = 1;
    FakeApplet::answer = 0;
    NotifyControlPanel(0);
    FakeApplet::answer = 1;
    FakeApplet::disabledTempora = 0;
    NotifyControlPanel(0);
    EXPECT_TRUE(messages_.shown.empty());
}

// The 386Enh section held in memory.
class FakeProfile final : public platform::ProfileSections {
public:
    std::string section = std::string(1, '\0');
    bool readable = true;
    int writes = 0;

    bool Read(const char* name, const char* file, std::string* entries) override {
        EXPECT_STREQ("386Enh", name);
        EXPECT_STREQ("system.ini", file);
        *entries = section;
        return readable;
    }
    bool Write(const char*, const std::string& entries, const char*) override {
        section = entries;
        ++writes;
        return true;
    }
};

class SystemIni : public ::testing::Test {
protected:
    static std::string Entries(std::initializer_list<const char*> entries) {
        std::string text;
        for (const char* entry : entries)
            text += std::string(entry) + '\0';
        return text + '\0';
    }
    FakeProfile profile_;
    platform::ScopedProfileSections scope_{profile_};
};

TEST_F(SystemIni, BootLeavesExactlyOneCheckerLineAtTheEnd) {
    profile_.section =
        Entries({"device=kelvd.vxd", "woafont=dosapp.fon", "device=kelvd.vxd", "device=KELVD.VXD"});
    UpdateSystemIni(0);
    EXPECT_EQ(Entries({"woafont=dosapp.fon", "device=KELVD.VXD", "device=kelvd.vxd"}),
              profile_.section);
}

TEST_F(SystemIni, DisabledRemovesTheCheckerLineOnlyAndAMissingSectionGetsOnlyIt) {
    profile_.section = Entries({"a=1", "device=kelvd.vxd", "b=2"});
    UpdateSystemIni(3);
    EXPECT_EQ(Entries({"a=1", "b=2"}), profile_.section);
    profile_.section = std::string(1, '\0');
    UpdateSystemIni(0);
    EXPECT_EQ(Entries({"device=kelvd.vxd"}), profile_.section);
    profile_.section = std::string(1, '\0');
    UpdateSystemIni(3);
    EXPECT_EQ(Entries({}), profile_.section);
}

TEST_F(SystemIni, SectionThatCannotBeReadWholeIsLeftAlone) {
    profile_.readable = false;
    UpdateSystemIni(0);
    EXPECT_EQ(0, profile_.writes);
}

} // namespace
