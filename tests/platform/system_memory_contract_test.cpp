// System memory as the platform's reader reads it, and the sparse image tests use.
#include "platform/substitute/sparse_memory.h"

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#endif

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;

constexpr uint32_t kPageEnd = 0x3F003000; // in a region nothing else in the tests uses

// Makes the page before kPageEnd alone readable and lays the bytes at its end.
bool LayAtPageEnd(const char* bytes, size_t size) {
#ifdef _WIN32
    // The whole 64 KiB region is reserved (it may be already), then the page committed.
    ::VirtualAlloc(reinterpret_cast<void*>(kPageEnd & ~0xFFFFu), 0x10000, MEM_RESERVE,
                   PAGE_NOACCESS);
    void* place = reinterpret_cast<void*>(static_cast<uintptr_t>(kPageEnd - size));
    if (!::VirtualAlloc(place, size, MEM_COMMIT, PAGE_READWRITE))
        return false;
    std::memcpy(place, bytes, size);
#else
    static_cast<SparseMemory&>(nativeSystemMemory()).Lay(kPageEnd - size, bytes, size);
#endif
    return true;
}

TEST(SystemMemoryContract, ReadableBytesAreRead) {
    ASSERT_TRUE(LayAtPageEnd("abcdefgh", 8));
    char read[8] = {};
    ASSERT_TRUE(systemMemory().Read(kPageEnd - 8, read, 8));
    EXPECT_EQ(0, std::memcmp(read, "abcdefgh", 8));
}

TEST(SystemMemoryContract, ReadsFailUnlessEveryByteIsReadable) {
    ASSERT_TRUE(LayAtPageEnd("abcdefgh", 8));
    char read[16] = {};
    EXPECT_FALSE(systemMemory().Read(kPageEnd - 8, read, 16));
    EXPECT_FALSE(systemMemory().Read(kPageEnd, read, 1));
    EXPECT_FALSE(systemMemory().Read(0, read, 4));
    EXPECT_FALSE(systemMemory().Read(0xFFFFFFFC, read, 8));
}

TEST(SparseMemory, LaidPagesReadAsZerosAroundTheBytesAndNothingWrapsAtTheTop) {
    SparseMemory memory;
    memory.Lay(SparseMemory::kPageSize - 2, "1234", 4);
    memory.Lay(0xFFFFFFFE, "abcd", 4);
    char read[4] = {};
    EXPECT_TRUE(memory.Read(SparseMemory::kPageSize - 2, read, 4));
    EXPECT_EQ(0, std::memcmp(read, "1234", 4));
    EXPECT_TRUE(memory.Read(0, read, 4));
    EXPECT_EQ(0, std::memcmp(read, "\0\0\0\0", 4));
    EXPECT_TRUE(memory.Read(0xFFFFFFFE, read, 2));
    EXPECT_FALSE(memory.Read(0xFFFFFFFE, read, 3));
    EXPECT_FALSE(memory.Read(2 * SparseMemory::kPageSize, read, 1));
}

} // namespace
