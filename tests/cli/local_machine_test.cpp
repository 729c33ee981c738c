// kelvcfg on this machine stores what SelectAll, SelectNone and the sheet's OK store there.
#include "cli/command_error.h"
#include "cli/request.h"
#include "cli/session.h"
#include "drivers/host_integration.h"
#include "include/kelvdcfg.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/profile_sections.h"
#include "platform/registry.h"
#include "res/resource.h"
#include "stores/registry_store.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

using kelvd::test::Platform;

// The loader in force, noting the libraries loaded through it.
struct NotedLoads final : platform::DynamicLibraries {
    platform::LibraryHandle Load(const char* name) override {
        loaded.push_back(name);
        return base.Load(name);
    }
    void* Symbol(platform::LibraryHandle library, const char* name) override {
        return base.Symbol(library, name);
    }
    void Free(platform::LibraryHandle library) override { base.Free(library); }

    std::vector<std::string> loaded;
    platform::DynamicLibraries& base = platform::dynamicLibraries();
};

struct LocalMachine : kelvd::test::SheetFixture {
    // What the platform's local store and the hook-state file hold: the checker's key value by
    // value (NT), or KELVDVXD.CFG and system.ini (Windows 9x).
    std::string Stored() {
        std::string stored = FileExists(HookStateFile()) ? FileText(HookStateFile()) : "(none)";
        if (Win9x())
            return stored + "|" + FileText("KELVDVXD.CFG") + "|" + SystemIniSection();
        platform::KeyHandle key;
        if (!key.Open(platform::kLocalMachine, kelvd::kServiceKey, platform::reg::kRead))
            return stored;
        for (const char* name : {"Type", "Start", "ErrorControl", "Group", "Tag", "MemUsage",
                                 "StackThreshold", "DRPopup", "NumGuardBytes", "MemTrackingOn",
                                 "Memory", "Driver", "InstalledDisplayDrivers", "UserDriver"}) {
            std::vector<uint8_t> bytes;
            stored +=
                std::string("|") + name + "=" +
                (key.QueryBytes(name, &bytes) ? std::string(bytes.begin(), bytes.end()) : "(none)");
        }
        return stored;
    }

    // Removes what the store wrote, as the machine was before.
    void Forget() {
        platform::DeleteKeyTree(platform::kLocalMachine, kelvd::kServiceKey);
        for (const std::string& name : {HookStateFile(), std::string("KELVDVXD.CFG")})
            platform::fileSystem().Remove(dir_.File(name).c_str());
        SetSystemIniSection("woafont=dosapp.fon|");
    }

    // kelvcfg's command; out_ gets what it prints.
    int Kelvcfg(kelvcfg::Command command, std::vector<std::string> arguments = {},
                bool dryRun = false) {
        kelvcfg::Request request;
        request.command = command;
        request.arguments = std::move(arguments);
        request.dryRun = dryRun;
        std::ostringstream out, notes;
        const int code = kelvcfg::RunCommand(request, out, notes);
        out_ = out.str();
        return code;
    }

    std::string out_;
};

TEST_P(LocalMachine, SelectAllAndSelectNoneStoreWhatTheLibraryStores) {
    for (auto [command, library] : {std::pair{kelvcfg::Command::SelectAll, &SelectAll},
                                    std::pair{kelvcfg::Command::SelectNone, &SelectNone}}) {
        library();
        const std::string stored = Stored();
        Forget();
        ASSERT_EQ(0, Kelvcfg(command));
        EXPECT_EQ(stored, Stored());
        Forget();
    }
}

// show lists the platform's drivers and events; set stores what the sheet stores, and as a dry run
// writes nothing and names what would be written.
TEST_P(LocalMachine, ShowAndSetAsTheSheetStores) {
    ASSERT_EQ(0, Kelvcfg(kelvcfg::Command::Show));
    for (const char* shown : {DriverName(), EventName()})
        EXPECT_NE(std::string::npos, out_.find(shown)) << out_;
    Configure(KELVD_RUN_LOCAL, [](platform::HeadlessSheetWindow& sheet) {
        Page(sheet, IDD_ADVANCED).Edit(IDC_EVENT_BUFFER_SIZE).SetText("2048");
        Page(sheet, IDD_ADVANCED).Edit(IDC_STACK_THRESHOLD).SetText("800");
        Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_POPUP_ERRORS);
        Page(sheet, IDD_GENERAL_SETTINGS).Click(IDC_START_BOOT);
        Page(sheet, IDD_MEMORY_TRACKING).ComboBox(IDC_GUARD_BYTES).Choose(3);
        sheet.PressOk();
    });
    const std::string stored = Stored();
    Forget();
    const std::string before = Stored();
    const std::vector<std::string> choices = {"MemUsage=2048", "StackThreshold=800", "DRPopup=1",
                                              "Start=boot", "NumGuardBytes=32"};
    ASSERT_EQ(0, Kelvcfg(kelvcfg::Command::Set, choices, true));
    EXPECT_EQ(before, Stored());
    EXPECT_NE(
        std::string::npos,
        out_.find(Win9x()
                      ? "\nprofile  system.ini  [386Enh]  woafont=dosapp.fon; device=kelvd.vxd\n"
                      : "\ncall     FLine.cpl  FLCPanel_SetDriverState\n"))
        << out_;
    NotedLoads libraries;
    platform::ScopedDynamicLibraries scope{libraries};
    ASSERT_EQ(0, Kelvcfg(kelvcfg::Command::Set, choices));
    EXPECT_EQ(stored, Stored());
    // The control panel hears of the new driver states (NT), once the staged writes are made.
    EXPECT_EQ(Win9x() ? 0 : 1, std::count(libraries.loaded.begin(), libraries.loaded.end(),
                                          kelvd::kControlPanelApplet));
}

// The registry and system.ini, written after the files: one value (NT) or the section (Windows
// 9x) that cannot be written, after every check has passed, leaves the files, the values and the
// keys as they were, whether the checker was stored before or not.
struct RefusingWrites final : platform::Registry, platform::ProfileSections {
    int32_t OpenKey(platform::RegKey parent, const char* subKey, uint32_t access,
                    platform::RegKey* key) override {
        return registry.OpenKey(parent, subKey, access, key);
    }
    int32_t CreateKey(platform::RegKey parent, const char* subKey, uint32_t access,
                      platform::RegKey* key) override {
        return registry.CreateKey(parent, subKey, access, key);
    }
    int32_t QueryValue(platform::RegKey key, const char* name, uint32_t* type, uint8_t* data,
                       uint32_t* size) override {
        return registry.QueryValue(key, name, type, data, size);
    }
    int32_t SetValue(platform::RegKey key, const char* name, uint32_t type, const uint8_t* data,
                     uint32_t size) override {
        return std::string(name) == "Memory" ? platform::reg::kAccessDenied
                                             : registry.SetValue(key, name, type, data, size);
    }
    int32_t DeleteValue(platform::RegKey key, const char* name) override {
        return registry.DeleteValue(key, name);
    }
    int32_t EnumKey(platform::RegKey key, uint32_t index, char* name, uint32_t* size) override {
        return registry.EnumKey(key, index, name, size);
    }
    int32_t DeleteKey(platform::RegKey parent, const char* subKey) override {
        return registry.DeleteKey(parent, subKey);
    }
    int32_t CloseKey(platform::RegKey key) override { return registry.CloseKey(key); }
    bool Read(const char* section, const char* file, std::string* entries) override {
        return profiles.Read(section, file, entries);
    }
    bool Write(const char*, const std::string&, const char*) override { return false; }

    platform::Registry& registry = platform::registry();
    platform::ProfileSections& profiles = platform::profileSections();
};

TEST_P(LocalMachine, WriteThatFailsAfterTheFilesLeavesEverythingAsItWas) {
    const auto keyThere = [] {
        platform::KeyHandle key;
        return key.Open(platform::kLocalMachine, kelvd::kServiceKey, platform::reg::kRead);
    };
    for (bool storedBefore : {false, true}) {
        Forget();
        if (storedBefore)
            SelectAll();
        const std::string before = Stored();
        const bool keyBefore = keyThere();
        RefusingWrites refusing;
        platform::ScopedRegistry registryScope{refusing};
        platform::ScopedProfileSections profileScope{refusing};
        try {
            Kelvcfg(kelvcfg::Command::Set, {"DRPopup=1", "Start=boot"});
            ADD_FAILURE() << out_;
        } catch (const kelvcfg::CommandError& error) {
            EXPECT_EQ(kelvcfg::kUnwritable, error.code());
            EXPECT_NE(std::string::npos,
                      std::string(error.what())
                          .find(Win9x() ? "cannot write [386Enh] of system.ini; nothing was changed"
                                        : "\\Kelvd\\Memory (error 5); nothing was changed"))
                << error.what();
        }
        EXPECT_EQ(before, Stored()) << "stored before: " << storedBefore;
        EXPECT_EQ(keyBefore, keyThere()) << "stored before: " << storedBefore;
    }
}

INSTANTIATE_TEST_SUITE_P(Platforms, LocalMachine, ::testing::Values(Platform::Nt, Platform::Win9x),
                         kelvd::test::PlatformName);

} // namespace
