#include "stores/farhand_export.h"

#include "platform/file_system.h"
#include "res/string_table.h"
#include "stores/install_dirs.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace kelvd;
using kelvd::test::StoreFixture;

constexpr platform::WindowHandle kSheet = 0x1234;

class FarhandExport : public StoreFixture {
protected:
    std::string Path() const { return dir_.File("KVConfig.Reg"); }
    std::string Exported() {
        WriteExportRegFile(Path(), settings_, kSheet);
        std::string content;
        EXPECT_TRUE(platform::ReadWholeFile(Path(), platform::OpenMode::ReadBinary, &content));
        return content;
    }
    // The script's lines from the first category value on.
    std::string Values() {
        std::string content = Exported();
        size_t settingsEnd = content.find("\"MemTrackingOn\"");
        return content.substr(content.find('\n', settingsEnd) + 1);
    }
    // The family's install directory, with a Farhand directory in it when withFarhand.
    void InstallFamily(bool withFarhand) {
        PutString(kFamilyKey, kInstallDirValue, dir_.path());
        if (withFarhand)
            std::filesystem::create_directory(NativeFarhandDir());
    }
    std::filesystem::path NativeFarhandDir() const {
        std::string dir = dir_.File("Farhand");
        for (char& c : dir)
            if (c == '\\')
                c = '/';
        return dir;
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : messages_.shown) {
            EXPECT_EQ(kSheet, shown.owner);
            EXPECT_EQ(platform::kMbOk, shown.type);
            texts.push_back(shown.caption + "|" + shown.text);
        }
        return texts;
    }
};

TEST_F(FarhandExport, WholeScriptIsByteExact) {
    Hold({1024, 4096, 1, 3, 8, 1});
    AddCategory(model_.apiCategories, "Memory", {1, 0, 1});
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
              "\"MemUsage\"=dword:00000400\n"
              "\"StackThreshold\"=dword:00001000\n"
              "\"DRPopup\"=dword:00000001\n"
              "\"NumGuardBytes\"=dword:00000008\n"
              "\"MemTrackingOn\"=dword:00000001\n"
              "\"Memory\"=hex:03,00,00,00,\\\n"
              " 01,00,01\n"
              "\"Driver\"=hex:61,2e,73,79,73,00,01,00\n"
              "\"UserDriver\"=hex:00\n"
              "\"InstalledDisplayDrivers\"=hex:61,2e,73,79,73,00,01,62,2e,73,79,73,00,00,00\n",
              Exported());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FarhandExport, QuotesAndBackslashesInANameAreEscapedAndDwordsAreUpperCaseHex) {
    Hold({0xABCDEF, 0x2800, 2, 0, 32, 0});
    AddCategory(model_.apiCategories, "A \"b\" \\c", {1});
    std::string content = Exported();
    EXPECT_NE(std::string::npos, content.find("\"MemUsage\"=dword:00ABCDEF\n"));
    EXPECT_NE(std::string::npos, content.find("\"StackThreshold\"=dword:00002800\n"));
    EXPECT_EQ(0u, Values().find("\"A \\\"b\\\" \\\\c\"=hex:01,00,00,00,\\\n 01\n"));
}

struct CategoryCase {
    size_t events;
    std::vector<size_t> flagsPerLine;
};

class FarhandCategory : public FarhandExport, public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(FarhandCategory, HoldsTwentyFlagsALine) {
    AddCategory(model_.apiCategories, "C", std::vector<uint8_t>(GetParam().events, 1));
    std::string value = Values();
    value = value.substr(0, value.find("\"Driver\""));
    std::string countLine = value.substr(0, value.find('\n') + 1);
    char count[16];
    std::snprintf(count, sizeof count, "%02x,%02x", static_cast<int>(GetParam().events & 0xFF),
                  static_cast<int>(GetParam().events >> 8));
    EXPECT_EQ(std::string("\"C\"=hex:") + count + ",00,00" + (GetParam().events ? ",\\\n" : "\n"),
              countLine);
    std::vector<size_t> flagsPerLine;
    for (size_t start = countLine.size(); start < value.size();) {
        size_t end = value.find('\n', start);
        std::string line = value.substr(start, end - start);
        ASSERT_EQ(' ', line[0]);
        bool last = end + 1 == value.size();
        EXPECT_EQ(last, line.back() != '\\') << line;
        flagsPerLine.push_back((line.size() + (last ? 1 : -1)) / 3);
        start = end + 1;
    }
    EXPECT_EQ(GetParam().flagsPerLine, flagsPerLine);
}

INSTANTIATE_TEST_SUITE_P(Cases, FarhandCategory,
                         ::testing::Values(CategoryCase{0, {}}, CategoryCase{3, {3}},
                                           CategoryCase{20, {20}}, CategoryCase{25, {20, 5}},
                                           CategoryCase{1020, std::vector<size_t>(51, 20)}));

TEST(HexStateList, BreaksCountPathBytesOnly) {
    std::vector<DriverEntry> rows(2);
    rows[0].path = std::string(45, 'p');
    rows[0].checkState = 1;
    rows[1].path = "\xE9";
    rows[1].checkState = 0x102;
    std::string text;
    AppendHexStateList(text, rows.data(), rows.size());
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += "70,";
    EXPECT_EQ(twenty + "\\\n " + twenty + "\\\n 70,70,70,70,70,00,01,e9,00,02", text);
}

TEST(HexStateList, TwentyPathBytesFillALineBeforeTheirZeroAndState) {
    std::vector<DriverEntry> rows(2);
    rows[0].path = std::string(20, 'a');
    rows[1].path = "b";
    std::string text;
    AppendHexStateList(text, rows.data(), rows.size());
    EXPECT_EQ(20u * 3 + 6, text.find('\\')); // "00,00," follow on the full line
    EXPECT_EQ("\\\n 62,00,00", text.substr(text.find('\\')));
}

TEST_F(FarhandExport, FileThatCannotBeCreatedShowsMessage1516) {
    WriteExportRegFile(dir_.File("missing\\KVConfig.Reg"), settings_, kSheet);
    EXPECT_EQ(std::vector<std::string>{std::string("|") + TableString(kStrCannotWriteExport)},
              Messages());
}

TEST_F(FarhandExport, ExportGoesToTheFarhandDirectoryThenMessage1507) {
    InstallFamily(true);
    ExportFarhandConfiguration(settings_, kSheet);
    std::string content;
    EXPECT_TRUE(platform::ReadWholeFile(dir_.File("Farhand\\KVConfig.Reg"),
                                        platform::OpenMode::ReadBinary, &content));
    EXPECT_EQ(0u, content.find("REGEDIT4\n"));
    EXPECT_EQ(std::string::npos, content.find('\r'));
    EXPECT_EQ(std::vector<std::string>{std::string("Farhand Settings|") +
                                       TableString(kStrFarhandCreated)},
              Messages());
    model_.isWin9x = true; // on Windows 9x the export is the configuration file
    ExportFarhandConfiguration(settings_, kSheet);
    EXPECT_TRUE(platform::ReadWholeFile(dir_.File("Farhand\\KELVDVXD.CFG"),
                                        platform::OpenMode::ReadBinary, &content));
    EXPECT_EQ(72u, content.size());
    EXPECT_EQ(2u, Messages().size());
}

TEST_F(FarhandExport, WithoutTheFarhandDirectoryBothMessagesShow) {
    InstallFamily(false);
    ExportFarhandConfiguration(settings_, kSheet);
    EXPECT_EQ((std::vector<std::string>{std::string("|") + TableString(kStrCannotWriteExport),
                                        std::string("Farhand Settings|") +
                                            TableString(kStrFarhandCreated)}),
              Messages());
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
