// The Farhand export imported by the system's own registry importer gives the values the
// registry store writes for the same configuration. Windows only: it runs regedit.
#include "stores/farhand_export.h"
#include "stores/registry_store.h"

#include "platform/system_info.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include "platform/win32/windows_support.h"

#include <map>

namespace {

using namespace kelvd;
using kelvd::test::StoreFixture;

// Every value of the checker's service key: name, then type and bytes.
using Values = std::map<std::string, std::pair<DWORD, std::string>>;

Values ServiceKeyValues() {
    Values values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[16384];
        DWORD nameLength = sizeof name, type = 0, size = sizeof data;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &size) !=
            ERROR_SUCCESS)
            break;
        values[name] = {type, std::string(reinterpret_cast<char*>(data), size)};
    }
    RegCloseKey(key);
    return values;
}

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

class RegeditImport : public StoreFixture {
protected:
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
    Values stored = ServiceKeyValues();
    ASSERT_EQ(ERROR_SUCCESS,
              RegDeleteTreeA(HKEY_LOCAL_MACHINE, kServiceKey)); // imported into a fresh key
    std::string script = dir_.File("KVConfig.Reg");
    WriteExportRegFile(script, settings_, 0);
    ASSERT_EQ(0u, ImportSilently(script));
    Values imported = ServiceKeyValues();

    ASSERT_EQ(1u, stored.erase("Tag"));     // only the registry store writes it
    ASSERT_EQ(1u, imported.erase("Setup")); // only the export writes it
    EXPECT_EQ(17u, stored.size());          // 9 settings and service entries, 5 categories, 3 lists
    for (const auto& [name, value] : stored) {
        auto found = imported.find(name);
        ASSERT_NE(imported.end(), found) << name;
        EXPECT_EQ(value.first, found->second.first) << name;
        EXPECT_EQ(value.second, found->second.second) << name;
    }
    EXPECT_EQ(stored.size(), imported.size());
}

} // namespace
