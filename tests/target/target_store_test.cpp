#include "target/target_store.h"

#include "doubles/memory_target.h"
#include "platform/file_system.h"
#include "stores/registry_store.h"
#include "support/store_fixture.h"
#include "target/target_key.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using kelvd::test::StoreFixture;

class TargetStore : public StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        InstallSuite();
    }

    // A value of the target's checker key: its bytes, or nothing when it is missing.
    std::optional<std::string> Value(const char* name) {
        platform::ScopedRegistry scope(target_.registry());
        platform::KeyHandle key;
        std::vector<uint8_t> bytes;
        if (!key.Open(platform::kLocalMachine, kTargetServiceKey, platform::reg::kRead) ||
            !key.QueryBytes(name, &bytes))
            return std::nullopt;
        return std::string(bytes.begin(), bytes.end());
    }
    void PutTarget(const char* name, const std::string& bytes,
                   uint32_t type = platform::reg::kBinary) {
        platform::ScopedRegistry scope(target_.registry());
        Put(kTargetServiceKey, name, type, bytes);
    }
    bool HookStateSaved() const {
        std::string content;
        return platform::ReadWholeFile(dir_.File("hookstate.dat"), platform::OpenMode::ReadBinary,
                                       &content);
    }

    MemoryTarget target_;
};

TEST_F(TargetStore, SavedSettingsButStartAndTheHookStateLoadBack) {
    AddRow(model_.drivers, "Atdisk", 1);
    AddRow(model_.displayDrivers, "mga64.dll", 2);
    AddRow(model_.userDrivers, "C:\\u.sys", 1);
    AddCategory(model_.apiCategories, "Memory", {0, 1});
    Hold({4096, 0x800, 2, 3, 32, 0});
    SaveToTarget(*target_.table(), settings_);
    EXPECT_EQ(std::string("\0\x10\0\0", 4), Value("MemUsage"));
    // Start comes from the service entries written first (0 when absent), never from the page.
    EXPECT_EQ(std::string(4, '\0'), Value("Start"));
    EXPECT_TRUE(Value("Group"));
    EXPECT_EQ(std::string("\2\0\0\0\0\1", 6), Value("Memory"));
    EXPECT_EQ(std::string("Atdisk\0\1\0", 9), Value("Driver"));
    EXPECT_EQ(std::string("mga64.dll\0\2\0", 12), Value("InstalledDisplayDrivers"));
    EXPECT_EQ(std::string("C:\\u.sys\0\1\0", 11), Value("UserDriver"));
    EXPECT_TRUE(HookStateSaved());
    model_.SetAllChecked(0);
    Hold(ScalarSettings());
    Take(LoadFromTarget(*target_.table()));
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 0, 32, 0}), Held()); // Start as the target has it
    EXPECT_EQ(
        (std::vector<uint32_t>{1, 2, 1}),
        (std::vector<uint32_t>{model_.drivers[0].checkState, model_.displayDrivers[0].checkState,
                               model_.userDrivers[0].checkState}));
    EXPECT_EQ(0u, target_.registry().OpenHandleCount());
}

// Names reach the target converted from the ANSI code page (1252 here), where 0x80 to 0x9F are
// characters such as the euro sign, not the C1 controls of Latin-1.
TEST_F(TargetStore, NamesAreConvertedFromTheAnsiCodePage) {
    std::string name;
    for (int byte = 0x80; byte < 0xA0; ++byte)
        name += static_cast<char>(byte);
    AddCategory(model_.apiCategories, name, {1});
    SaveToTarget(*target_.table(), settings_);
    EXPECT_EQ(std::string("\1\0\0\0\1", 5), Value(name.c_str()));
}

TEST_F(TargetStore, StartIsReadButNotWrittenAndWithoutTheKeyNothingChanges) {
    Hold({4096, 0x800, 2, 0, 32, 0});
    Take(LoadFromTarget(*target_.table()));
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 0, 32, 0}), Held());
    PutTarget("Start", std::string("\3\0\0\0", 4), platform::reg::kDword);
    Take(LoadFromTarget(*target_.table()));
    EXPECT_EQ(3u, Held().start);
    settings_.start = 0;
    SaveToTarget(*target_.table(), settings_);
    EXPECT_EQ(std::string("\3\0\0\0", 4), Value("Start"));
}

TEST_F(TargetStore, UserDriverIsNeverRemovedAndComesBack) {
    AddRow(model_.userDrivers, "C:\\u.sys", 1);
    SaveToTarget(*target_.table(), settings_);
    model_.userDrivers.Clear();
    SaveToTarget(*target_.table(), settings_);
    EXPECT_EQ(std::string("C:\\u.sys\0\1\0", 11), Value("UserDriver"));
    Take(LoadFromTarget(*target_.table()));
    ASSERT_EQ(1u, model_.userDrivers.Count());
    EXPECT_EQ("C:\\u.sys", model_.userDrivers[0].path);
}

TEST_F(TargetStore, EveryUserDriverEntryBecomesAUserRow) {
    AddRow(model_.drivers, "a.sys", 0);
    PutTarget("Driver", std::string("\0", 1));
    PutTarget("UserDriver", std::string("C:\\A.SYS\0\1\0", 11));
    Take(LoadFromTarget(*target_.table()));
    ASSERT_EQ(1u, model_.userDrivers.Count());
    EXPECT_EQ("C:\\A.SYS", model_.userDrivers[0].path);
    EXPECT_EQ(0u, model_.drivers[0].checkState);
}

TEST_F(TargetStore, ListsLongerThanTheFirstBufferReadBackWhole) {
    for (int i = 0; i < 256; ++i)
        AddRow(model_.drivers, "C:\\A\\Long\\Directory\\For\\Every\\Driver\\d" + std::to_string(i),
               1);
    SaveToTarget(*target_.table(), settings_);
    EXPECT_GT(Value("Driver")->size(), 8192u);
    model_.SetAllChecked(0);
    Take(LoadFromTarget(*target_.table()));
    EXPECT_EQ(1u, model_.drivers[255].checkState);
}

TEST_F(TargetStore, KeyThatCanBeNeitherOpenedNorCreatedGetsNothing) {
    target_.registry().SetReadOnly("System", true);
    AddRow(model_.drivers, "a.sys", 1);
    SaveToTarget(*target_.table(), settings_);
    EXPECT_FALSE(HookStateSaved());
    EXPECT_EQ(0u, target_.registry().OpenHandleCount());
}

TEST_F(TargetStore, TableWithoutKeyFunctionsWritesNothing) {
    TargetRegistry partial = *target_.table();
    partial.OpenKey = nullptr;
    partial.CreateKey = nullptr;
    partial.CreateKeyEx = nullptr;
    SaveToTarget(partial, settings_);
    Take(LoadFromTarget(partial));
    EXPECT_EQ(std::nullopt, Value("MemUsage"));
    EXPECT_FALSE(HookStateSaved());
}

// A target whose QueryValue answers are broken in one way at a time.
class BrokenTarget : public TargetStore {
protected:
    enum class Lie { kHugeSizeOnSuccess, kHugeSizeNeeded, kShortSizeNeeded };
    static Lie lie_;
    static TargetRegistry* honest_;

    static int32_t KELVD_TARGET_API Query(KelvdTargetKey key, const KelvdTargetChar* name,
                                          uint32_t* reserved, uint32_t* type, uint8_t* data,
                                          uint32_t* size) {
        int32_t result = honest_->QueryValue(key, name, reserved, type, data, size);
        switch (lie_) {
        case Lie::kHugeSizeOnSuccess:
            *size = 0x10000;
            return platform::reg::kSuccess;
        case Lie::kHugeSizeNeeded:
            *size = 0xFFFFFFFF;
            return platform::reg::kMoreData;
        case Lie::kShortSizeNeeded:
            *size = 2;
            return platform::reg::kMoreData;
        }
        return result;
    }
    void Use(Lie lie) {
        lie_ = lie;
        honest_ = target_.table();
        broken_ = *honest_;
        broken_.QueryValue = &Query;
    }
    TargetRegistry broken_{};
};

BrokenTarget::Lie BrokenTarget::lie_;
TargetRegistry* BrokenTarget::honest_;

TEST_F(BrokenTarget, AnswersThatDoNotFitTheBufferReadNothing) {
    AddRow(model_.drivers, "a.sys", 1);
    for (Lie lie : {Lie::kHugeSizeOnSuccess, Lie::kHugeSizeNeeded, Lie::kShortSizeNeeded}) {
        PutTarget("MemUsage", std::string("\0\x10\0\0", 4), platform::reg::kDword);
        PutTarget("Driver", std::string("a.sys\0\0\0", 8));
        Use(lie);
        Take(LoadFromTarget(broken_));
        EXPECT_EQ(ScalarSettings(), Held());
        EXPECT_EQ(1u, model_.drivers[0].checkState);
    }
}

} // namespace
