#include "stores/farhand_export.h"

#include "platform/file_system.h"
#include "res/string_table.h"
#include "stores/install_dirs.h"
#include "support/failing_file_system.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;

constexpr platform::WindowHandle kSheet = 0x1234;

struct FarhandExport : test::StoreFixture {
    std::string Exported() {
        WriteExportRegFile(dir_.File("KVConfig.Reg"), settings_, kSheet);
        return FileText("KVConfig.Reg");
    }
    // The messages shown, all with OK alone and owned by the sheet.
    std::vector<std::string> Messages() const {
        for (const auto& shown : messages_.shown)
            EXPECT_EQ(std::make_pair(kSheet, platform::kMbOk),
                      std::make_pair(shown.owner, shown.type));
        return MessageTexts();
    }
};

TEST_F(FarhandExport, WholeScriptIsByteExact) {
    Hold({0xABCDEF, 0x2800, 1, 3, 8, 1});
    AddCategory(model_.apiCategories, "A \"b\" \\c", {1, 0, 1}); // escaped, in the name only
    AddRow(model_.drivers, "a.sys", 1);
    AddRow(model_.displayDrivers, "a.sys", 1);
    AddRow(model_.displayDrivers, "b.sys", 0);
    EXPECT_EQ("REGEDIT4\n"
              "\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Kelvd]\n"
              "\"Type\"=dword:00000001\n"
              "\"Start\"=dword:00000000\n" // boot start, whatever the page holds
              "\"Group\"=\"System Bus Extender\"\n"
              "\"ErrorControl\"=dword:00000001\n"
              "\"Setup\"=dword:00000000\n"
              "\"MemUsage\"=dword:00ABCDEF\n" // upper-case hex
              "\"StackThreshold\"=dword:00002800\n"
              "\"DRPopup\"=dword:00000001\n"
              "\"NumGuardBytes\"=dword:00000008\n"
              "\"MemTrackingOn\"=dword:00000001\n"
              "\"A \\\"b\\\" \\\\c\"=hex:03,00,00,00,\\\n"
              " 01,00,01\n"
              "\"Driver\"=hex:61,2e,73,79,73,00,01,00\n"
              "\"UserDriver\"=hex:00\n"
              "\"InstalledDisplayDrivers\"=hex:61,2e,73,79,73,00,01,62,2e,73,79,73,00,00,00\n",
              Exported());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FarhandExport, CategoriesHoldTwentyFlagsALine) {
    const std::pair<size_t, const char*> cases[] = {
        {0, "00,00"}, {3, "03,00"}, {20, "14,00"}, {21, "15,00"}, {1020, "fc,03"}};
    for (const auto& [events, count] : cases) {
        ReleaseCategories(model_.apiCategories);
        AddCategory(model_.apiCategories, "C", std::vector<uint8_t>(events, 1));
        std::string flags;
        for (size_t i = 0; i < events; ++i)
            flags += (i % 20 ? "," : ",\\\n ") + std::string("01");
        const std::string script = Exported();
        const std::string value = script.substr(script.find("\"C\""));
        EXPECT_EQ("\"C\"=hex:" + std::string(count) + ",00,00" + flags + "\n",
                  value.substr(0, value.find("\"Driver\"")))
            << events;
    }
}

TEST(HexStateList, LinesBreakAfterTwentyPathBytes) {
    const std::string twenty = "70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,70,";
    const std::pair<std::vector<std::pair<std::string, uint32_t>>, std::string> cases[] = {
        // only path bytes count, and only the low byte of a state is written
        {{{std::string(45, 'p'), 1}, {"\xE9", 0x102}},
         twenty + "\\\n " + twenty + "\\\n 70,70,70,70,70,00,01,e9,00,02"},
        // twenty path bytes fill a line before their 0 and state
        {{{std::string(20, 'p'), 0}, {"b", 0}}, twenty + "00,00,\\\n 62,00,00"}};
    for (const auto& [entries, expected] : cases) {
        std::vector<DriverEntry> rows;
        for (const auto& [path, state] : entries)
            rows.push_back({path, "", "", 0, state});
        std::string text;
        AppendHexStateList(text, rows.data(), rows.size());
        EXPECT_EQ(expected, text);
    }
}

TEST_F(FarhandExport, ExportGoesToTheFarhandDirectoryThenMessage1507) {
    PutString(kFamilyKey, kInstallDirValue, dir_.path());
    ExportFarhandConfiguration(settings_, kSheet); // no Farhand directory: both messages show
    const std::string created = std::string("Farhand Settings|") + TableString(kStrFarhandCreated);
    EXPECT_EQ(
        (std::vector<std::string>{std::string("|") + TableString(kStrCannotWriteExport), created}),
        Messages());
    messages_.shown.clear();
    test::TempDir::MakeDirectories(dir_.File("Farhand"));
    ExportFarhandConfiguration(settings_, kSheet);
    const std::string script = FileText("Farhand\\KVConfig.Reg");
    EXPECT_EQ(0u, script.find("REGEDIT4\n"));
    EXPECT_EQ(std::string::npos, script.find('\r'));
    EXPECT_EQ(std::vector<std::string>{created}, Messages());
    model_.isWin9x = true; // on Windows 9x the export is the configuration file
    ExportFarhandConfiguration(settings_, kSheet);
    EXPECT_EQ(72u, FileText("Farhand\\KELVDVXD.CFG").size());
    EXPECT_EQ(2u, Messages().size());
}

// An export written whole that cannot take the old file's place was not created: 1516, then
// 1507 as always, and the old file as it was.
TEST_F(FarhandExport, ExportThatCannotReplaceTheOldFileIsReportedAndLeavesIt) {
    PutString(kFamilyKey, kInstallDirValue, dir_.path());
    test::TempDir::MakeDirectories(dir_.File("Farhand"));
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("Farhand\\KVConfig.Reg"), "old"));
    test::FailingFileSystem failing;
    failing.failRename = true;
    platform::ScopedFileSystem scope(failing);
    ExportFarhandConfiguration(settings_, kSheet);
    EXPECT_EQ((std::vector<std::string>{std::string("|") + TableString(kStrCannotWriteExport),
                                        std::string("Farhand Settings|") +
                                            TableString(kStrFarhandCreated)}),
              Messages());
    EXPECT_EQ("old", FileText("Farhand\\KVConfig.Reg"));
    EXPECT_EQ(std::vector<std::string>{"KVConfig.Reg"},
              test::TempDir::FileNames(dir_.File("Farhand")));
}

TEST_F(FarhandExport, InstallDirectoryTooLongForThePathBufferCannotBeWritten) {
    std::string path;
    ASSERT_TRUE(FarhandExportPath(&path)); // without the family key: from the root
    EXPECT_EQ("\\Farhand\\KVConfig.Reg", path);
    PutString(kFamilyKey, kInstallDirValue, std::string(490, 'd'));
    ASSERT_TRUE(FarhandExportPath(&path));
    EXPECT_EQ(std::string(490, 'd') + "\\Farhand\\KVConfig.Reg", path);
    PutString(kFamilyKey, kInstallDirValue, std::string(491, 'd'));
    EXPECT_FALSE(FarhandExportPath(&path));
    ExportFarhandConfiguration(settings_, kSheet);
    EXPECT_EQ(2u, Messages().size());
    EXPECT_EQ(std::string("|") + TableString(kStrCannotWriteExport), Messages()[0]);
}

} // namespace
