// What only the substitute has: keys that refuse changes, and handle bookkeeping.
#include "platform/memory_registry.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;

TEST(MemoryRegistry, ReadOnlyKeyOpensForReadingOnly) {
    MemoryRegistry registry;
    registry.SetReadOnly("Software\\Locked", true);
    RegKey key;
    EXPECT_EQ(reg::kAccessDenied,
              registry.OpenKey(kLocalMachine, "Software\\Locked", reg::kAllAccess, &key));
    EXPECT_EQ(reg::kAccessDenied,
              registry.CreateKey(kLocalMachine, "Software\\Locked\\New", reg::kAllAccess, &key));
    ASSERT_EQ(reg::kSuccess, registry.OpenKey(kLocalMachine, "Software\\Locked", reg::kRead, &key));
    EXPECT_EQ(reg::kSuccess, registry.CloseKey(key));
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

TEST(MemoryRegistry, ScopedReplacementIsWhatTheLibrarySees) {
    MemoryRegistry replacement;
    {
        ScopedRegistry scope(replacement);
        EXPECT_EQ(&replacement, &platform::registry());
    }
    EXPECT_EQ(&nativeRegistry(), &platform::registry());
}

} // namespace
