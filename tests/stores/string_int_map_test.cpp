#include "stores/string_int_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kelvd::StringIntMap;

std::string Key(int i) {
    return "Key" + std::to_string(i);
}

void Fill(StringIntMap& map, int count) {
    for (int i = 0; i < count; ++i)
        map.SetAt(Key(i), i);
}

TEST(StringIntMapTest, StoresLooksUpAndReplaces) {
    StringIntMap map;
    int32_t value = -1;
    EXPECT_FALSE(map.Lookup("Alpha", &value));
    map.SetAt("Alpha", 1);
    map.SetAt("", 7);
    map.SetAt("Alpha", 2);
    EXPECT_EQ(2u, map.Count());
    ASSERT_TRUE(map.Lookup("Alpha", &value));
    EXPECT_EQ(2, value);
    ASSERT_TRUE(map.Lookup("", &value));
    EXPECT_EQ(7, value);
    map.SetAt(std::string("A\0b", 3), 3); // keys compare byte for byte
    EXPECT_FALSE(map.Lookup("alpha", &value));
    EXPECT_FALSE(map.Lookup("Alpha ", &value));
    EXPECT_FALSE(map.Lookup("A", &value));
    ASSERT_TRUE(map.Lookup(std::string("A\0b", 3), &value));
    EXPECT_EQ(3, value);
}

TEST(StringIntMapTest, GrowsWhenTheEntryCountExceedsTheBucketCount) {
    StringIntMap map;
    EXPECT_EQ(7u, map.BucketCount());
    Fill(map, 8);
    EXPECT_EQ(7u, map.BucketCount());
    map.SetAt(Key(0), 0); // an existing key: the check comes first all the same
    EXPECT_EQ(11u, map.BucketCount());
    map.SetAt(Key(8), 8);
    EXPECT_EQ(11u, map.BucketCount());
}

TEST(StringIntMapTest, BucketCountsFollowThePrimesThenDouble) {
    StringIntMap map;
    std::vector<uint32_t> counts{map.BucketCount()};
    for (int i = 0; i < 6407 + 1; ++i) {
        map.SetAt(Key(i), i);
        if (map.BucketCount() != counts.back())
            counts.push_back(map.BucketCount());
    }
    EXPECT_EQ(
        (std::vector<uint32_t>{7, 11, 13, 17, 23, 47, 97, 197, 397, 797, 1597, 3203, 6406, 12812}),
        counts);
    for (int i = 0; i < 6408; ++i) {
        int32_t value = -1;
        ASSERT_TRUE(map.Lookup(Key(i), &value)) << i;
        ASSERT_EQ(i, value);
    }
}

TEST(StringIntMapTest, RemoveAllKeepsTheGrownBucketCount) {
    StringIntMap map;
    Fill(map, 100);
    uint32_t grown = map.BucketCount();
    EXPECT_EQ(197u, grown);
    map.RemoveAll();
    EXPECT_EQ(0u, map.Count());
    EXPECT_EQ(grown, map.BucketCount());
    int32_t value;
    EXPECT_FALSE(map.Lookup(Key(1), &value));
    Fill(map, 25); // refilling from the larger size, the map works as before
    EXPECT_EQ(grown, map.BucketCount());
    ASSERT_TRUE(map.Lookup(Key(24), &value));
    EXPECT_EQ(24, value);
}

} // namespace
