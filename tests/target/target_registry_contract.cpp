#include "target_registry_contract.h"

#include <vector>

namespace kelvd::test {

std::string TargetName(const ::testing::TestParamInfo<TargetMaker>& info) {
    return info.param.name;
}

namespace {

namespace reg = platform::reg;

TEST_P(TargetRegistryContract, MissingKeysFailUntilCreatedAndClosedKeysAreInvalid) {
    KelvdTargetKey key = 0;
    EXPECT_EQ(reg::kFileNotFound, Open(KELVD_TARGET_ROOT, kBase, &key));
    EXPECT_EQ(reg::kSuccess, CreateEx(KELVD_TARGET_ROOT, kBase, &key));
    EXPECT_EQ(reg::kSuccess, Close(key));
    for (uint32_t access : {reg::kRead, reg::kWrite}) {
        ASSERT_EQ(reg::kSuccess, Open(KELVD_TARGET_ROOT, kBase, &key, access));
        EXPECT_EQ(reg::kSuccess, Close(key));
    }
    KelvdTargetKey again = 0;
    ASSERT_EQ(reg::kSuccess, Create(KELVD_TARGET_ROOT, kBase, &again));
    EXPECT_EQ(reg::kSuccess, Close(again));
    uint32_t size = 0;
    EXPECT_EQ(reg::kInvalidHandle, Query(again, "Value", nullptr, nullptr, &size));
    EXPECT_EQ(reg::kInvalidHandle, Close(again));
}

TEST_P(TargetRegistryContract, EmptyPathComponentsArePassedOverButNoneMayLead) {
    KelvdTargetKey key = 0;
    ASSERT_EQ(reg::kSuccess, Create(KELVD_TARGET_ROOT, std::string(kBase) + "\\\\Deep\\", &key));
    Close(key);
    EXPECT_EQ(reg::kSuccess,
              Open(KELVD_TARGET_ROOT, "SYSTEM\\\\ControlSet001\\Services\\Contract\\Deep\\", &key));
    Close(key);
    EXPECT_EQ(reg::kBadPathname, Open(KELVD_TARGET_ROOT, std::string("\\") + kBase, &key));
    EXPECT_EQ(reg::kBadPathname, Create(KELVD_TARGET_ROOT, std::string("\\") + kBase, &key));
}

TEST_P(TargetRegistryContract, ValuesAreReadWholeOrTheirSizeIsToldAndMissingOnesAreNotFound) {
    const KelvdTargetKey key = Base();
    const TargetString text = Widen("abc");
    const std::string bytes(reinterpret_cast<const char*>(text.c_str()),
                            (text.size() + 1) * sizeof(KelvdTargetChar));
    ASSERT_EQ(reg::kSuccess, Set(key, "Text", reg::kSz, bytes));
    uint32_t type = 0, size = 0;
    EXPECT_EQ(reg::kSuccess, Query(key, "TEXT", &type, nullptr, &size)); // names ignore case
    EXPECT_EQ(reg::kSz, type);
    EXPECT_EQ(bytes.size(), size);
    std::vector<uint8_t> data(bytes.size() + 4, 0xEE);
    size = static_cast<uint32_t>(bytes.size() - 1);
    EXPECT_EQ(reg::kMoreData, Query(key, "Text", &type, data.data(), &size));
    EXPECT_EQ(bytes.size(), size);
    size = static_cast<uint32_t>(data.size());
    EXPECT_EQ(reg::kSuccess, Query(key, "Text", &type, data.data(), &size));
    EXPECT_EQ(bytes, std::string(data.begin(), data.begin() + size));
    EXPECT_EQ(0xEE, data[bytes.size()]); // nothing written past the data
    EXPECT_EQ(reg::kFileNotFound, Query(key, "Missing", &type, data.data(), &size));
    Close(key);
}

// Subkeys come in a hive's order, by their names in upper case ("_" after the letters), with
// their own spelling; past the last is ERROR_NO_MORE_ITEMS, a name without room for its
// terminator ERROR_MORE_DATA.
TEST_P(TargetRegistryContract, SubkeysComeInAHivesOrderUntilThereAreNoMore) {
    const KelvdTargetKey key = Base();
    for (const char* name : {"beta", "_under", "Alpha", "GAMMA", "a1"}) {
        KelvdTargetKey made = 0;
        ASSERT_EQ(reg::kSuccess, Create(key, name, &made));
        Close(made);
    }
    std::vector<TargetString> names;
    KelvdTargetChar name[256];
    uint32_t length = 256;
    for (uint32_t index = 0; Enum(key, index, name, &length) == reg::kSuccess; ++index) {
        names.emplace_back(name, length);
        length = 256;
    }
    EXPECT_EQ((std::vector<TargetString>{Widen("a1"), Widen("Alpha"), Widen("beta"), Widen("GAMMA"),
                                         Widen("_under")}),
              names);
    length = 256;
    EXPECT_EQ(reg::kNoMoreItems, Enum(key, 5, name, &length));
    length = 5; // "a1" fits; "Alpha" leaves no room for its terminator
    EXPECT_EQ(reg::kSuccess, Enum(key, 0, name, &length));
    length = 5;
    EXPECT_EQ(reg::kMoreData, Enum(key, 1, name, &length));
    Close(key);
}

// A subkey made after its key was enumerated, or looked for in vain, is there for the next
// enumeration and lookup through the handle already open, and making it again opens it.
TEST_P(TargetRegistryContract, ASubkeyMadeAfterAnEnumerationIsEnumeratedOnceAndFound) {
    const KelvdTargetKey key = Base();
    KelvdTargetChar name[256];
    uint32_t length = 256;
    EXPECT_EQ(reg::kNoMoreItems, Enum(key, 0, name, &length));
    KelvdTargetKey made = 0;
    EXPECT_EQ(reg::kFileNotFound, Open(key, "Made", &made));
    ASSERT_EQ(reg::kSuccess, Create(key, "Made", &made));
    Close(made);
    ASSERT_EQ(reg::kSuccess, Create(KELVD_TARGET_ROOT, std::string(kBase) + "\\MADE", &made));
    Close(made);
    length = 256;
    ASSERT_EQ(reg::kSuccess, Enum(key, 0, name, &length));
    EXPECT_EQ(Widen("Made"), TargetString(name, length));
    length = 256;
    EXPECT_EQ(reg::kNoMoreItems, Enum(key, 1, name, &length));
    EXPECT_EQ(reg::kSuccess, Open(key, "made", &made));
    Close(made);
    Close(key);
}

} // namespace

} // namespace kelvd::test
