// What only the stand-ins have: keys that refuse changes, handle bookkeeping, and the empty hive
// that offline registries start from.
#include "doubles/empty_hive.h"
#include "doubles/memory_registry.h"
#include "platform/little_endian.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(MemoryRegistry, ReadOnlyKeyOpensForReadingOnlyAndAKeyHandleHoldsOneHandle) {
    MemoryRegistry registry;
    ScopedRegistry scope(registry);
    registry.SetReadOnly("Software\\Locked", true);
    RegKey raw;
    EXPECT_EQ(reg::kAccessDenied,
              registry.OpenKey(kLocalMachine, "Software\\Locked", reg::kAllAccess, &raw));
    EXPECT_EQ(reg::kAccessDenied,
              registry.CreateKey(kLocalMachine, "Software\\Locked\\New", reg::kAllAccess, &raw));
    KeyHandle key; // each open or create closes the handle it held
    ASSERT_TRUE(key.Create(kLocalMachine, "Software\\Other", reg::kAllAccess));
    ASSERT_TRUE(key.Create(kLocalMachine, "Software\\Other", reg::kAllAccess));
    ASSERT_TRUE(key.Open(kLocalMachine, "Software\\Locked", reg::kRead));
    EXPECT_EQ(1u, registry.OpenHandleCount());
    key.Close();
    EXPECT_EQ(0u, registry.OpenHandleCount());
}

TEST(MemoryRegistry, HandleOfADeletedKeyNoLongerReachesIt) {
    MemoryRegistry registry;
    RegKey key;
    ASSERT_EQ(reg::kSuccess, registry.CreateKey(kLocalMachine, "A\\B", reg::kAllAccess, &key));
    ASSERT_EQ(reg::kSuccess, registry.DeleteKey(kLocalMachine, "a\\b"));
    const uint8_t byte = 1;
    EXPECT_NE(reg::kSuccess, registry.SetValue(key, "V", reg::kBinary, &byte, 1));
    EXPECT_EQ(reg::kSuccess, registry.CloseKey(key));
    EXPECT_EQ(reg::kInvalidHandle, registry.CloseKey(key));
}

TEST(MemoryRegistry, ValuesEnumerateInTheOrderTheyWereFirstSet) {
    MemoryRegistry registry;
    RegKey key;
    ASSERT_EQ(reg::kSuccess, registry.CreateKey(kLocalMachine, "K", reg::kAllAccess, &key));
    const uint8_t one = 1, two = 2;
    registry.SetValue(key, "Zeta", reg::kBinary, &one, 1);
    registry.SetValue(key, "Alpha", reg::kDword, &one, 1);
    registry.SetValue(key, "zeta", reg::kSz, &two, 1); // replaces Zeta in its place
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(reg::kSuccess, registry.EnumValue(key, 0, &name, &type, &data));
    EXPECT_EQ("Zeta", name);
    EXPECT_EQ(reg::kSz, type);
    EXPECT_EQ(std::vector<uint8_t>{2}, data);
    ASSERT_EQ(reg::kSuccess, registry.EnumValue(key, 1, &name, &type, &data));
    EXPECT_EQ("Alpha", name);
    EXPECT_EQ(reg::kNoMoreItems, registry.EnumValue(key, 2, &name, &type, &data));

    RegKey writeOnly;
    ASSERT_EQ(reg::kSuccess, registry.OpenKey(kLocalMachine, "K", reg::kSetValue, &writeOnly));
    EXPECT_EQ(reg::kAccessDenied, registry.EnumValue(writeOnly, 0, &name, &type, &data));
}

// The root key's security descriptor gives its owner, group and DACL where the hive holds them.
TEST(EmptyHive, RootSecurityDescriptorLeadsToItsSidsAndAcl) {
    const std::string hive = EmptyHive("ROOT");
    auto at = [&](size_t offset) {
        return LoadUint32(reinterpret_cast<const uint8_t*>(&hive[offset]));
    };
    const size_t security = 0x1000 + at(0x1000 + at(0x24) + 0x30);
    ASSERT_EQ("sk", hive.substr(security + 4, 2));
    const size_t descriptor = security + 24;
    // Revision 1, self-relative with a DACL.
    EXPECT_EQ(std::string("\x01\0\x04\x80", 4), hive.substr(descriptor, 4));
    for (size_t sid : {4, 8}) // revision 1, two sub-authorities
        EXPECT_EQ("\x01\x02", hive.substr(descriptor + at(descriptor + sid), 2));
    // Revision 2, 28 bytes, one ACE: allowed, 20 bytes, KEY_ALL_ACCESS, to everyone.
    EXPECT_EQ(std::string("\x02\0\x1C\0\x01\0\0\0\0\0\x14\0\x3F\0\x0F\0"
                          "\x01\x01\0\0\0\0\0\x01\0\0\0\0",
                          28),
              hive.substr(descriptor + at(descriptor + 16), 28));
}

} // namespace
