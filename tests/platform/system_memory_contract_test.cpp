// Reads of system memory: the platform's own reader over bytes laid where it finds them, and the
// sparse image tests use in its place.
#include "platform/sparse_memory.h"
#include "support/system_memory_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;
using kelvd::test::LayInSystemMemory;

// Pages of a region nothing else in the test programs uses, one per case.
constexpr uint32_t kRegion = 0x3F000000;
constexpr uint32_t kPage = 4096;

TEST(SystemMemoryContract, LaidBytesReadBack) {
    ASSERT_TRUE(LayInSystemMemory(kRegion + 16, "abcdefgh", 8));
    char read[8] = {};
    ASSERT_TRUE(systemMemory().Read(kRegion + 16, read, 8));
    EXPECT_EQ(0, std::memcmp(read, "abcdefgh", 8));
}

TEST(SystemMemoryContract, ReadRunningPastTheLastReadablePageFails) {
    const uint32_t end = kRegion + 3 * kPage;
    ASSERT_TRUE(LayInSystemMemory(end - 4, "wxyz", 4));
    char read[8] = {};
    EXPECT_TRUE(systemMemory().Read(end - 4, read, 4));
    EXPECT_FALSE(systemMemory().Read(end - 4, read, 8));
    EXPECT_FALSE(systemMemory().Read(end, read, 1));
}

TEST(SystemMemoryContract, NullAndTheTopOfTheAddressSpaceAreUnreadable) {
    char read[8];
    EXPECT_FALSE(systemMemory().Read(0, read, 4));
    EXPECT_FALSE(systemMemory().Read(0xFFFFFFFC, read, 8));
}

TEST(SparseMemory, BytesLaidAcrossPagesReadBackWhole) {
    SparseMemory memory;
    memory.Lay(kPage - 2, "1234", 4);
    char read[4] = {};
    ASSERT_TRUE(memory.Read(kPage - 2, read, 4));
    EXPECT_EQ(0, std::memcmp(read, "1234", 4));
    EXPECT_TRUE(memory.Read(0, read, 4)); // the rest of a laid page reads as zeros
    EXPECT_EQ(0, std::memcmp(read, "\0\0\0\0", 4));
}

TEST(SparseMemory, ReadsWrappingPastTheTopFailAndLaysAreCutThere) {
    SparseMemory memory;
    memory.Lay(0xFFFFFFFE, "abcd", 4);
    char read[2] = {};
    EXPECT_TRUE(memory.Read(0xFFFFFFFE, read, 2));
    EXPECT_FALSE(memory.Read(0xFFFFFFFE, read, 3));
    EXPECT_FALSE(memory.Read(0, read, 1));
}

} // namespace
