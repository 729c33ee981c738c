// Install directories of 240 to 259 characters, where a temporary name beside the file no longer
// fits the system's path limit: every file store still writes its file whenever its own path
// fits its limits, the same bytes as in a short directory, and leaves no other file behind.
#include "platform/file_system.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/install_dirs.h"
#include "support/store_fixture.h"

#include <functional>

namespace {

using namespace kelvd;
using kelvd::test::TempDir;
using Names = std::vector<std::string>;

struct FileStore {
    const char* name;
    const char* folder; // below the install directory, where the file goes
    const char* file;
    size_t pathLimit; // the longest path the store names a file by
    bool win9x;
    std::function<void(const std::string& dir, const ScalarSettings& settings)> save;
};

class LongInstallDirectory : public test::StoreFixture,
                             public ::testing::WithParamInterface<FileStore> {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        model_.isWin9x = GetParam().win9x;
        AddRow(model_.drivers, "atapi.sys", 1);
        AddCategory(model_.apiCategories, "Memory", {1, 0, 1});
    }

    // Saves with both install directories at dir; the files then in dir's folder.
    Names Save(const std::string& dir) {
        const std::string folder = dir + GetParam().folder;
        TempDir::MakeDirectories(folder);
        PutString(kSuiteKey, kInstallDirValue, dir);
        PutString(kFamilyKey, kInstallDirValue, dir);
        GetParam().save(dir, settings_);
        return TempDir::FileNames(folder);
    }
    std::string Content(const std::string& dir) const {
        std::string content;
        platform::ReadWholeFile(dir + GetParam().folder + "\\" + GetParam().file,
                                platform::OpenMode::ReadBinary, &content);
        return content;
    }
};

TEST_P(LongInstallDirectory, SavesWheneverThePathFitsAndLeavesNoOtherFile) {
    const std::string shortDir = dir_.File("short");
    ASSERT_EQ(Names{GetParam().file}, Save(shortDir));
    const std::string expected = Content(shortDir);
    for (size_t length = 240; length < 260; ++length) {
        std::string dir = dir_.File("long" + std::to_string(length));
        while (dir.size() < length)
            dir += dir.size() % 100 == 99 ? '\\' : 'd'; // folders of at most 99 characters
        dir.back() = 'd';
        const bool fits = std::string(dir + GetParam().folder + "\\" + GetParam().file).size() <=
                          GetParam().pathLimit;
        EXPECT_EQ(fits ? Names{GetParam().file} : Names{}, Save(dir)) << length;
        EXPECT_EQ(fits ? expected : "", Content(dir)) << length;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stores, LongInstallDirectory,
    ::testing::Values(FileStore{"HookStateFile", "", "hookstate.dat", 259, false,
                                [](const std::string&, const ScalarSettings&) { SaveHookState(); }},
                      FileStore{"ConfigurationFile", "", "saved.kwt", SIZE_MAX, false,
                                [](const std::string& dir, const ScalarSettings& settings) {
                                    SaveConfigFile(dir + "\\saved.kwt", settings);
                                }},
                      FileStore{"FarhandExport", "\\Farhand", "KVConfig.Reg", 511, false,
                                [](const std::string&, const ScalarSettings& settings) {
                                    ExportFarhandConfiguration(settings, 0);
                                }},
                      FileStore{"FarhandExportWindows9x", "\\Farhand", "KELVDVXD.CFG", 511, true,
                                [](const std::string&, const ScalarSettings& settings) {
                                    ExportFarhandConfiguration(settings, 0);
                                }}),
    [](const auto& info) { return info.param.name; });

} // namespace
