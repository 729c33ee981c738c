// A store whose writing fails part-way leaves the file it would have replaced as it was, and no
// half-written file beside it.
#include "stores/config_file.h"
#include "stores/farhand_export.h"
#include "stores/hook_state_file.h"
#include "stores/registry_store.h"
#include "support/failing_file_system.h"
#include "support/store_fixture.h"

#include <functional>

namespace {

using namespace kelvd;
using kelvd::test::FailingFileSystem;
using kelvd::test::StoreFixture;

struct FileStore {
    const char* name;
    const char* fileName;
    std::function<void(const std::string& path, const ScalarSettings& settings)> save;
};

class InterruptedWrite : public StoreFixture, public ::testing::WithParamInterface<FileStore> {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        InstallSuite();
        AddRow(model_.drivers, "atapi.sys", 1);
        AddCategory(model_.apiCategories, "Memory", {1, 0, 1});
    }
    std::string Content() {
        std::string content;
        return platform::ReadWholeFile(path_, platform::OpenMode::ReadBinary, &content)
                   ? content
                   : "<missing>";
    }
    bool TemporaryLeft() {
        std::string content;
        return platform::ReadWholeFile(path_ + ".new~", platform::OpenMode::ReadBinary, &content);
    }
    // The model changed in every part a store writes.
    void ChangeEverything() {
        model_.SetAllChecked(0);
        Hold({4096, 0x800, 2, 3, 32, 0});
    }

    std::string path_ = dir_.File(GetParam().fileName);
    FailingFileSystem failing_;
};

TEST_P(InterruptedWrite, LeavesTheGoodFileInPlace) {
    GetParam().save(path_, settings_);
    const std::string good = Content();
    ASSERT_NE("<missing>", good);
    ChangeEverything();
    for (size_t budget : {size_t{0}, size_t{1}, good.size() / 2, good.size() - 1}) {
        failing_.writeBudget = budget;
        {
            platform::ScopedFileSystem scope(failing_);
            GetParam().save(path_, settings_);
        }
        EXPECT_EQ(good, Content()) << "after " << budget << " bytes";
        EXPECT_FALSE(TemporaryLeft());
    }
    GetParam().save(path_, settings_); // and a complete write does replace it
    EXPECT_NE(good, Content());
}

INSTANTIATE_TEST_SUITE_P(
    Stores, InterruptedWrite,
    ::testing::Values(FileStore{"ConfigurationFile", "saved.kwt",
                                [](const std::string& path, const ScalarSettings& settings) {
                                    SaveConfigFile(path, settings);
                                }},
                      FileStore{"HookStateFile", "hookstate.dat",
                                [](const std::string&, const ScalarSettings&) { SaveHookState(); }},
                      FileStore{"FarhandExport", "KVConfig.Reg",
                                [](const std::string& path, const ScalarSettings& settings) {
                                    WriteExportRegFile(path, settings, 0);
                                }}),
    [](const auto& info) { return info.param.name; });

// The stores of one OK stand apart: the hook-state file failing leaves the registry written.
TEST_F(StoreFixture, FailedHookStateLeavesTheRegistryWritten) {
    InstallSuite();
    AddRow(model_.drivers, "atapi.sys", 1);
    AddCategory(model_.apiCategories, "Memory", {1, 1});
    FailingFileSystem failing;
    failing.writeBudget = 3;
    platform::ScopedFileSystem scope(failing);
    SaveToRegistry(settings_);
    SaveHookState();

    platform::KeyHandle key;
    ASSERT_TRUE(key.Open(platform::kLocalMachine, kServiceKey, platform::reg::kRead));
    std::vector<uint8_t> drivers;
    ASSERT_TRUE(key.QueryBytes("Driver", &drivers));
    EXPECT_EQ(std::string("atapi.sys\0\1\0", 12), std::string(drivers.begin(), drivers.end()));
}

} // namespace
