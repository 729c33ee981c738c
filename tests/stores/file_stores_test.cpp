// The file stores write a whole file or none: a write failing part-way leaves the old file as it
// was; install directories of 240 to 259 characters, where a temporary name beside the file
// passes the path limit, get the file whenever its own path fits; no other file is left behind.
#include "platform/file_system.h"
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/install_dirs.h"
#include "support/failing_file_system.h"
#include "support/store_fixture.h"

#include <algorithm>

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#else
#include <sys/stat.h>
#endif

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
    void (*save)(const std::string& dir, const ScalarSettings& settings);
};

void SaveFarhand(const std::string&, const ScalarSettings& settings) {
    ExportFarhandConfiguration(settings, 0);
}

const FileStore kFileStores[] = {
    {"HookStateFile", "", "hookstate.dat", 259, false,
     [](const std::string&, const ScalarSettings&) { SaveHookState(); }},
    {"ConfigurationFile", "", "saved.kwt", SIZE_MAX, false,
     [](const std::string& dir, const ScalarSettings& settings) {
         SaveConfigFile(dir + "\\saved.kwt", settings);
     }},
    {"FarhandExport", "\\Farhand", "KVConfig.Reg", 511, false, SaveFarhand},
    {"FarhandExportWindows9x", "\\Farhand", "KELVDVXD.CFG", 511, true, SaveFarhand}};

struct FileStoreTest : test::StoreFixture, ::testing::WithParamInterface<FileStore> {
    void SetUp() override {
        test::StoreFixture::SetUp();
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

using InterruptedWrite = FileStoreTest;

TEST_P(InterruptedWrite, LeavesTheGoodFileInPlace) {
    const std::string dir = dir_.File("install");
    ASSERT_EQ(Names{GetParam().file}, Save(dir));
    const std::string good = Content(dir);
    model_.SetAllChecked(0); // the model changed in every part a store writes
    Hold({4096, 0x800, 2, 3, 32, 0});
    test::FailingFileSystem failing;
    for (size_t budget : {size_t{0}, size_t{1}, good.size() / 2, good.size() - 1}) {
        failing.writeBudget = budget;
        platform::ScopedFileSystem scope(failing);
        EXPECT_EQ(Names{GetParam().file}, Save(dir)) << "after " << budget << " bytes";
        EXPECT_EQ(good, Content(dir)) << "after " << budget << " bytes";
    }
    Save(dir); // and a complete write does replace it
    EXPECT_NE(good, Content(dir));
}

// A complete file that cannot be renamed over the old one leaves the old one and no temporary.
TEST_P(InterruptedWrite, ReplaceThatFailsLeavesTheGoodFileInPlace) {
    const std::string dir = dir_.File("install");
    ASSERT_EQ(Names{GetParam().file}, Save(dir));
    const std::string good = Content(dir);
    model_.SetAllChecked(0);
    test::FailingFileSystem failing;
    failing.failRename = true;
    platform::ScopedFileSystem scope(failing);
    EXPECT_EQ(Names{GetParam().file}, Save(dir));
    EXPECT_EQ(good, Content(dir));
}

// Marks a file read-only as the user does (Windows' attribute; elsewhere no write permission).
void MarkReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
    ASSERT_TRUE(SetFileAttributesA(path.c_str(),
                                   readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL));
#else
    std::string local = path;
    std::replace(local.begin(), local.end(), '\\', '/');
    ASSERT_EQ(0, chmod(local.c_str(), readOnly ? 0444 : 0644));
#endif
}

// The system's own refusals: an old file that is read-only, or (on Windows) held open without
// sharing by another program, stays byte for byte, and no temporary is left beside it.
TEST_P(InterruptedWrite, ReadOnlyOrLockedFileStaysAsItWas) {
    const std::string dir = dir_.File("install");
    ASSERT_EQ(Names{GetParam().file}, Save(dir));
    const std::string good = Content(dir);
    const std::string path = dir + GetParam().folder + "\\" + GetParam().file;
    model_.SetAllChecked(0);
    MarkReadOnly(path, true);
    EXPECT_EQ(Names{GetParam().file}, Save(dir));
    EXPECT_EQ(good, Content(dir));
    MarkReadOnly(path, false);
#ifdef _WIN32
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(Names{GetParam().file}, Save(dir));
    CloseHandle(held);
    EXPECT_EQ(good, Content(dir));
#endif
}

INSTANTIATE_TEST_SUITE_P(Stores, InterruptedWrite, ::testing::ValuesIn(kFileStores),
                         [](const auto& info) { return info.param.name; });

using LongInstallDirectory = FileStoreTest;

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

INSTANTIATE_TEST_SUITE_P(Stores, LongInstallDirectory, ::testing::ValuesIn(kFileStores),
                         [](const auto& info) { return info.param.name; });

} // namespace
