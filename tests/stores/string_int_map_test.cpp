#include "stores/string_int_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using kelvd::StringIntMap;

std::string Key(int i) {
    return "Key" + std::to_string(i);
}

TEST(StringIntMapTest, StoresLooksUpAndReplaces) {
    StringIntMap map;
    int32_t value = -1;
    EXPECT_FALSE(map.Lookup("Alpha", &value));
    map.SetAt("Alpha", 1);
    map.SetAt("", 7);
    map.SetAt("Alpha", 2);
    map.SetAt(std::string("A\0b", 3), 3); // keys compare byte for byte
    EXPECT_EQ(3u, map.Count());
    for (const auto& [key, expected] :
         {std::pair<std::string, int32_t>{"Alpha", 2}, {"", 7}, {std::string("A\0b", 3), 3}}) {
        ASSERT_TRUE(map.Lookup(key, &value)) << key;
        EXPECT_EQ(expected, value);
    }
    for (const char* missing : {"alpha", "Alpha ", "A"})
        EXPECT_FALSE(map.Lookup(missing, &value)) << missing;
    map.SetAt("Key13331", 4); // a key of the same hash as Key79511
    EXPECT_FALSE(map.Lookup("Key79511", &value));
}

TEST(StringIntMapTest, GrowsPastTheEntryCountThroughThePrimesThenDoubles) {
    StringIntMap map;
    for (int i = 0; i < 8; ++i)
        map.SetAt(Key(i), i);
    EXPECT_EQ(7u, map.BucketCount());
    map.SetAt(Key(0), 0); // an existing key: the check comes first all the same
    EXPECT_EQ(11u, map.BucketCount());
    std::vector<uint32_t> counts{map.BucketCount()};
    for (int i = 0; i < 6407 + 1; ++i) {
        map.SetAt(Key(i), i);
        if (map.BucketCount() != counts.back())
            counts.push_back(map.BucketCount());
    }
    EXPECT_EQ(
        (std::vector<uint32_t>{11, 13, 17, 23, 47, 97, 197, 397, 797, 1597, 3203, 6406, 12812}),
        counts);
    for (int i = 0; i < 6408; ++i) {
        int32_t value = -1;
        ASSERT_TRUE(map.Lookup(Key(i), &value)) << i;
        ASSERT_EQ(i, value);
    }
}

TEST(StringIntMapTest, RemoveAllGivesBackTheKeysAndKeepsTheGrownBucketCount) {
    StringIntMap map;
#ifdef __GLIBC__
    const size_t before = mallinfo2().uordblks; // the heap in use, where the C library tells it
#endif
    for (int i = 0; i < 2000; ++i) // about 200 KB of keys
        map.SetAt(Key(i) + std::string(100, 'k'), i);
    EXPECT_EQ(3203u, map.BucketCount());
    map.RemoveAll();
#ifdef __GLIBC__
    EXPECT_LT(mallinfo2().uordblks, before + 64 * 1024); // the keys' bytes are given back
#endif
    EXPECT_EQ(0u, map.Count());
    int32_t value;
    EXPECT_FALSE(map.Lookup(Key(1) + std::string(100, 'k'), &value));
    for (int i = 0; i < 25; ++i) // refilling from the larger size, the map works as before
        map.SetAt(Key(i), i);
    EXPECT_EQ(3203u, map.BucketCount());
    ASSERT_TRUE(map.Lookup(Key(24), &value));
    EXPECT_EQ(24, value);
}

} // namespace
