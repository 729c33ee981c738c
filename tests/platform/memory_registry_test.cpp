// What only the stand-ins have: locked keys, handle bookkeeping, the empty hive.
#include "doubles/empty_hive.h"
#include "platform/little_endian.h"
#include "platform/substitute/memory_registry.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

// Each open or create of a key handle closes the handle it held.
TEST(MemoryRegistry, ReadOnlyKeyStaysAndHandlesAreClosedOnceAndDeletedKeysUnreachable) {
    MemoryRegistry registry;
    ScopedRegistry scope(registry);
    registry.SetReadOnly("A\\Locked", true);
    EXPECT_EQ(reg::kAccessDenied, registry.DeleteKey(kLocalMachine, "A\\Locked"));
    KeyHandle handle;
    ASSERT_TRUE(handle.Create(kLocalMachine, "A\\B", reg::kAllAccess));
    ASSERT_TRUE(handle.Open(kLocalMachine, "A\\Locked", reg::kRead));
    ASSERT_TRUE(handle.Create(kLocalMachine, "A\\B", reg::kAllAccess));
    EXPECT_EQ(1u, registry.OpenHandleCount());
    ASSERT_EQ(reg::kSuccess, registry.DeleteKey(kLocalMachine, "a\\b"));
    const RegKey deleted = handle.get();
    EXPECT_NE(reg::kSuccess, registry.SetValue(deleted, "V", reg::kBinary, nullptr, 0));
    handle.Close();
    EXPECT_EQ(0u, registry.OpenHandleCount());
    EXPECT_EQ(reg::kInvalidHandle, registry.CloseKey(deleted));
}

// The root key's name and security cell (cli_tests checks the ACL).
TEST(EmptyHive, RootKeyHasItsNameAndASecurityDescriptorWithOwnerAndGroup) {
    const std::string hive = EmptyHive("ROOT");
    auto at = [&](size_t offset) {
        return LoadUint32(reinterpret_cast<const uint8_t*>(&hive[offset]));
    };
    const size_t root = 0x1000 + at(0x24), security = 0x1000 + at(root + 0x30);
    EXPECT_EQ("ROOT", hive.substr(root + 0x50, at(root + 0x4C) & 0xFFFF));
    ASSERT_EQ("sk", hive.substr(security + 4, 2));
    const size_t descriptor = security + 24;
    // Revision 1, self-relative with a DACL.
    EXPECT_EQ(std::string("\x01\0\x04\x80", 4), hive.substr(descriptor, 4));
    for (size_t sid : {4, 8}) // revision 1, two sub-authorities
        EXPECT_EQ("\x01\x02", hive.substr(descriptor + at(descriptor + sid), 2));
}

} // namespace
