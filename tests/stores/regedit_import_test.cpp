// The Farhand export imported by the system's own registry importer gives the values the
// registry store writes for the same configuration. Windows only: it runs regedit.
#include "stores/farhand_export.h"
#include "stores/registry_store.h"

#include "platform/system_info.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_support.h"

namespace {

using namespace kelvd;
using kelvd::test::StoreFixture;

// Runs "regedit /s file" and waits for it; its exit code.
DWORD ImportSilently(const std::string& file) {
    std::string command = "regedit.exe /s \"" + file + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return GetLastError();
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

struct RegeditImport : StoreFixture {
    // The values both write, as (type, bytes): the settings and service entries, the categories
    // and the lists.
    static std::vector<std::pair<uint32_t, std::string>> Values() {
        std::vector<std::pair<uint32_t, std::string>> values;
        for (const char* name : {"Type", "Start", "Group", "ErrorControl", "MemUsage",
                                 "StackThreshold", "DRPopup", "NumGuardBytes", "MemTrackingOn",
                                 "Memory Manager", "Empty", "Odd \"quoted\" \\name\\", "Twenty",
                                 "Full", "Driver", "UserDriver", "InstalledDisplayDrivers"}) {
            values.push_back(ServiceValue(name));
            EXPECT_NE(0u, values.back().first) << name;
        }
        return values;
    }
    // NT 4: the registry store's group is the one the export always writes.
    platform::FixedSystemInfo windowsNt4_{platform::SystemFacts{0x05650004}};
    platform::ScopedSystemInfo scope_{windowsNt4_};
};

TEST_F(RegeditImport, ImportedScriptGivesTheValuesTheRegistryStoreWrites) {
    Hold({0x12345, 0x1000, 2, 0, 16, 1});
    AddCategory(model_.apiCategories, "Memory Manager", {1, 0, 1});
    AddCategory(model_.apiCategories, "Empty", {});
    AddCategory(model_.apiCategories, "Odd \"quoted\" \\name\\", {0, 1});
    AddCategory(model_.apiCategories, "Twenty", std::vector<uint8_t>(20, 1));
    std::vector<uint8_t> flags(1020);
    for (size_t i = 0; i < flags.size(); ++i)
        flags[i] = static_cast<uint8_t>(i % 3 == 0);
    AddCategory(model_.apiCategories, "Full", flags);
    AddRow(model_.drivers, "atdisk.sys", 1);
    AddRow(model_.drivers, "\\SystemRoot\\System32\\DRIVERS\\a-rather-long-name.sys", 0);
    AddRow(model_.drivers, "caf\xE9.sys", 1);
    AddRow(model_.displayDrivers, "mga64.dll", 2);
    AddRow(model_.userDrivers, "C:\\Projects\\Drivers\\Checked\\build\\mydriver.sys", 1);
    SaveToRegistry(settings_);
    const auto stored = Values();
    ASSERT_EQ(platform::reg::kSuccess, // imported into a fresh key
              platform::DeleteKeyTree(platform::kLocalMachine, kServiceKey));
    std::string script = dir_.File("KVConfig.Reg");
    WriteExportRegFile(script, settings_, 0);
    ASSERT_EQ(0u, ImportSilently(script));
    EXPECT_EQ(stored, Values());
}

} // namespace
