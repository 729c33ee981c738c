// A chained hash map from texts to 32-bit numbers, as the hook-state reader collects the file
// into it. The bucket array grows along a table of primes (7, 11, 13, ... 3203, then doubling)
// whenever the entry count exceeds the bucket count; entries are carved from blocks of 10 that
// are only given back all at once, by RemoveAll, which keeps the grown bucket count.
// Beside the buckets the map keeps a presence filter, eight bits per bucket, one of which each
// key's hash sets: a clear bit proves a key absent without walking its chain, which makes
// filling a large map with new keys about twice as fast.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace kelvd {

class StringIntMap {
    struct Entry;

public:
    StringIntMap() = default;
    ~StringIntMap();
    StringIntMap(const StringIntMap&) = delete;
    StringIntMap& operator=(const StringIntMap&) = delete;

    // An entry as SetAt leaves it: the map's own copy of its key, and its value as the latest
    // SetAt of the key left it. Valid until RemoveAll. One pointer, so that SetAt hands it back in
    // a register.
    class Stored {
    public:
        std::string_view key() const { return {entry_->key, entry_->length}; }
        int32_t value() const { return entry_->value; }

    private:
        friend class StringIntMap;
        explicit Stored(const Entry* entry) : entry_(entry) {}
        const Entry* entry_;
    };

    // Stores value under key, adding the key when it is absent. Throws std::bad_alloc when memory
    // runs out, with the map as it was before the call.
    Stored SetAt(std::string_view key, int32_t value);
    // True, with *value set, when key is present. Keys compare byte for byte.
    bool Lookup(std::string_view key, int32_t* value) const;
    // Removes every entry and gives back all memory but the bucket count reached so far.
    void RemoveAll();

    uint32_t Count() const { return count_; }
    uint32_t BucketCount() const { return bucketCount_; }

private:
    static constexpr uint32_t kPrimes[] = {7, 11, 13, 17, 23, 47, 97, 197, 397, 797, 1597, 3203};
    static constexpr uint32_t kPrimeCount = sizeof kPrimes / sizeof kPrimes[0];
    static constexpr uint32_t kBlockSize = 10;

    struct Entry {
        Entry* next;
        const char* key; // in keyText_; null while the entry is free
        uint32_t length;
        uint32_t hash; // of the key, kept so that growing need not hash again
        int32_t value;
    };
    struct Block {
        Block* next;
        Entry entries[kBlockSize];
    };

    static uint32_t Hash(std::string_view key);
    Entry* Find(std::string_view key, uint32_t hash) const;
    // The bucket and filter arrays for bucketCount buckets, holding every entry in use.
    void Rebuild(uint32_t bucketCount);
    void Grow();
    Entry* NewEntry(std::string_view key, uint32_t hash);
    // A copy of key's bytes, kept until RemoveAll.
    const char* KeepKey(std::string_view key);
    // A block for ten more entries, from the chunk being handed out.
    Block* TakeBlock();

    // hash % count without a division, by the count's inverse (Inverse(count)): exact for every
    // 32-bit hash and count, and faster, for a map filled with a whole file.
    static uint64_t Inverse(uint32_t count) { return UINT64_MAX / count + 1; }
    static uint32_t Remainder(uint32_t hash, uint32_t count, uint64_t inverse);
    uint32_t BucketOf(uint32_t hash) const { return Remainder(hash, bucketCount_, bucketInverse_); }

    std::vector<Entry*> buckets_; // empty until the first insertion
    uint64_t bucketInverse_ = Inverse(kPrimes[0]);
    std::vector<uint64_t> presence_;
    uint32_t bucketCount_ = kPrimes[0];
    uint32_t count_ = 0;
    Entry* freeList_ = nullptr;
    Block* blocks_ = nullptr;
    uint32_t growthStep_ = 0; // index into kPrimes; doubling from kPrimeCount on

    // The blocks, taken from chunks that grow as the map does and are freed together (one
    // allocation per block would cost more than the map's other work for a large file).
    std::vector<std::unique_ptr<Block[]>> blockChunks_;
    size_t chunkSize_ = 0;
    size_t blocksLeft_ = 0;

    // The keys' bytes, packed into chunks that are freed together.
    std::vector<std::unique_ptr<char[]>> keyText_;
    char* keySpace_ = nullptr;
    size_t keySpaceLeft_ = 0;
};

} // namespace kelvd
