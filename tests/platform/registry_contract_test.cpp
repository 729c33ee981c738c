// What the library relies on from the registry: the substitute's natively, Wine's under Wine.
#include "support/registry_fixture.h"

#include <cstring>
#include <tuple>
#include <utility>

namespace {

using namespace platform;
using kelvd::test::RegistryFixture;

struct RegistryContract : RegistryFixture {
    static std::string Sub(const char* name) { return std::string(kScratch) + "\\" + name; }

    KeyHandle key_;
    void SetUp() override {
        RegistryFixture::SetUp();
        ASSERT_TRUE(key_.Create(kLocalMachine, kScratch, reg::kAllAccess));
    }
};

TEST_F(RegistryContract, CreateMakesMissingParentsNamesIgnoreCaseAndParentsGoOnlyAsATree) {
    KeyHandle key;
    ASSERT_TRUE(key.Create(kLocalMachine, Sub("One\\Two\\Three").c_str(), reg::kAllAccess));
    ASSERT_EQ(reg::kSuccess, key.SetDword("Value", 7));
    ASSERT_TRUE(key.Open(kLocalMachine, Sub("ONE\\two\\tHrEe").c_str(), reg::kRead));
    uint32_t value = 0;
    EXPECT_TRUE(key.QueryDword("VALUE", &value));
    EXPECT_EQ(7u, value);
    key.Close();
    EXPECT_NE(reg::kSuccess, registry().DeleteKey(kLocalMachine, Sub("One\\Two").c_str()));
    EXPECT_EQ(reg::kSuccess, DeleteKeyTree(kLocalMachine, Sub("One").c_str()));
    EXPECT_FALSE(key.Open(kLocalMachine, Sub("One").c_str(), reg::kRead));
}

TEST_F(RegistryContract, MissingKeysAndValuesFailWithFileNotFoundAndAReadKeyRefusesWrites) {
    RegKey key = 0;
    EXPECT_EQ(reg::kFileNotFound,
              registry().OpenKey(kLocalMachine, Sub("Missing").c_str(), reg::kRead, &key));
    ASSERT_EQ(reg::kSuccess, key_.SetDword("Gone", 1));
    EXPECT_EQ(reg::kSuccess, registry().DeleteValue(key_.get(), "GONE"));
    uint32_t size = 0;
    EXPECT_EQ(reg::kFileNotFound,
              registry().QueryValue(key_.get(), "Gone", nullptr, nullptr, &size));
    EXPECT_EQ(reg::kFileNotFound, registry().DeleteValue(key_.get(), "Gone"));
    KeyHandle reader;
    ASSERT_TRUE(reader.Open(kLocalMachine, kScratch, reg::kRead));
    EXPECT_EQ(reg::kAccessDenied, reader.SetDword("V", 1));
}

// Setting a value again, named in any case, replaces its data and type; a DWORD needs 4 bytes.
TEST_F(RegistryContract, QueryGivesTypeAndSizeAndSettingAgainReplacesDataAndType) {
    ASSERT_EQ(reg::kSuccess, key_.SetBinary("Bin", "abcdef", 6));
    uint32_t type = 0, size = 0;
    EXPECT_EQ(reg::kSuccess, registry().QueryValue(key_.get(), "Bin", &type, nullptr, &size));
    EXPECT_EQ((std::pair{reg::kBinary, 6u}), (std::pair{type, size}));
    uint8_t buffer[6];
    size = 4;
    EXPECT_EQ(reg::kMoreData, registry().QueryValue(key_.get(), "Bin", nullptr, buffer, &size));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(reg::kSuccess, registry().QueryValue(key_.get(), "Bin", nullptr, buffer, &size));
    EXPECT_EQ(6u, size);
    EXPECT_EQ(0, std::memcmp(buffer, "abcdef", 6));
    ASSERT_EQ(reg::kSuccess, key_.SetDword("V", 1));
    ASSERT_EQ(reg::kSuccess, key_.SetString("v", "text"));
    ASSERT_EQ(reg::kSuccess, registry().QueryValue(key_.get(), "V", &type, nullptr, &size));
    EXPECT_EQ((std::pair{reg::kSz, 5u}), (std::pair{type, size}));
    ASSERT_EQ(reg::kSuccess, key_.SetBinary("Empty", "", 0));
    std::vector<uint8_t> bytes{1};
    EXPECT_TRUE(key_.QueryBytes("Empty", &bytes));
    EXPECT_TRUE(bytes.empty());
    Put(kScratch, "Short", reg::kBinary, "\x01\x02");
    Put(kScratch, "Bytes", reg::kBinary, "\x01\x02\x03\x04");
    uint32_t value = 99;
    EXPECT_FALSE(key_.QueryDword("Short", &value));
    EXPECT_EQ(99u, value);
    EXPECT_TRUE(key_.QueryDword("Bytes", &value));
    EXPECT_EQ(0x04030201u, value);
}

// Two backslashes in a row, or one at the end, are passed over; a path may not begin with one.
TEST_F(RegistryContract, EmptyPathComponentsArePassedOverButNoneMayLead) {
    RegKey key = 0;
    const std::string scratch = kScratch;
    for (const std::string& path : {"\\" + scratch, "\\" + Sub("Sub")}) {
        EXPECT_EQ(reg::kBadPathname,
                  registry().OpenKey(kLocalMachine, path.c_str(), reg::kRead, &key));
        EXPECT_EQ(reg::kBadPathname,
                  registry().CreateKey(kLocalMachine, path.c_str(), reg::kAllAccess, &key));
    }
    KeyHandle made;
    ASSERT_TRUE(
        made.Create(kLocalMachine, (scratch + "\\\\New\\\\Sub\\").c_str(), reg::kAllAccess));
    ASSERT_EQ(reg::kSuccess, made.SetDword("Value", 7));
    for (const std::string& path : {Sub("New\\Sub"), scratch + "\\New\\\\Sub", Sub("New\\Sub\\")}) {
        KeyHandle opened;
        uint32_t value = 0;
        EXPECT_TRUE(opened.Open(kLocalMachine, path.c_str(), reg::kRead)) << path;
        EXPECT_TRUE(opened.QueryDword("Value", &value)) << path;
    }
}

TEST_F(RegistryContract, SubkeysEnumerateInCaseInsensitiveOrderWithTheirOwnSpelling) {
    for (const char* name : {"beta", "Alpha", "GAMMA"})
        ASSERT_TRUE(KeyHandle().Create(key_.get(), name, reg::kAllAccess));
    std::vector<std::string> names;
    char name[256];
    uint32_t length = sizeof name;
    for (uint32_t i = 0; registry().EnumKey(key_.get(), i, name, &length) == reg::kSuccess; ++i) {
        EXPECT_EQ(std::strlen(name), length);
        names.push_back(name);
        length = sizeof name;
    }
    EXPECT_EQ((std::vector<std::string>{"Alpha", "beta", "GAMMA"}), names);
    length = sizeof name;
    EXPECT_EQ(reg::kNoMoreItems, registry().EnumKey(key_.get(), 3, name, &length));
    length = 5; // "Alpha" without room for its terminator
    EXPECT_EQ(reg::kMoreData, registry().EnumKey(key_.get(), 0, name, &length));
}

TEST_F(RegistryContract, StringsAreReadUpToTheFirstZeroWhenTheyFitWithATerminator) {
    // The type and bytes stored, whether they are read, and what a text that held "old" then holds.
    const std::tuple<uint32_t, std::string, bool, std::string> cases[] = {
        {reg::kSz, "abc", true, "abc"}, // stored without terminator
        {reg::kBinary, std::string("ab\0cd", 5), true, "ab"},
        {reg::kSz, std::string(20, 'x') + '\0', false, ""},
        {reg::kBinary, std::string(16, 'x'), false, ""}, // no room for 0
        {reg::kSz, std::string(15, 'y') + '\0', true, std::string(15, 'y')}};
    for (const auto& [type, bytes, read, expected] : cases) {
        Put(kScratch, "S", type, bytes);
        std::string text = "old";
        EXPECT_EQ(read, key_.QueryString("S", 16, &text)) << bytes;
        EXPECT_EQ(expected, text) << bytes;
    }
}

} // namespace
