#include "stores/string_int_map.h"

#include <algorithm>
#include <cstring>

namespace kelvd {

StringIntMap::~StringIntMap() {
    RemoveAll();
}

// Eight bytes at a time; the last word is the key's last eight bytes, which may overlap the one
// before, and a key under eight bytes is one word padded with zeros.
uint32_t StringIntMap::Hash(std::string_view key) {
    constexpr uint64_t kFactor = 0x9E3779B97F4A7C15;
    const size_t length = key.size();
    uint64_t hash = length * kFactor;
    auto mix = [&hash](uint64_t word) { hash = (hash ^ word) * kFactor; };
    if (length < 8) {
        uint64_t word = 0;
        for (size_t i = 0; i < length; ++i)
            word |= static_cast<uint64_t>(static_cast<unsigned char>(key[i])) << 8 * i;
        mix(word);
    } else {
        uint64_t word;
        for (size_t at = 0; at + 8 < length; at += 8)
            mix((std::memcpy(&word, key.data() + at, 8), word));
        mix((std::memcpy(&word, key.data() + length - 8, 8), word));
    }
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93;
    return static_cast<uint32_t>(hash >> 32 ^ hash);
}

namespace {

constexpr uint32_t kFilterBitsPerBucket = 8;

// The filter's bit of a hash: its words are a power of two in number.
size_t FilterBit(const std::vector<uint64_t>& filter, uint32_t hash) {
    return hash & (filter.size() * 64 - 1);
}

void Mark(std::vector<uint64_t>& filter, uint32_t hash) {
    size_t bit = FilterBit(filter, hash);
    filter[bit / 64] |= uint64_t{1} << bit % 64;
}

} // namespace

// The remainder is the top of the 96-bit product of the fraction (inverse * hash mod 2^64) and the
// count, taken in two 32-bit halves.
uint32_t StringIntMap::Remainder(uint32_t hash, uint32_t count, uint64_t inverse) {
    const uint64_t fraction = inverse * hash;
    return static_cast<uint32_t>(
        ((fraction >> 32) * count + ((fraction & 0xFFFFFFFF) * count >> 32)) >> 32);
}

StringIntMap::Entry* StringIntMap::Find(std::string_view key, uint32_t hash) const {
    size_t bit = FilterBit(presence_, hash);
    if (!(presence_[bit / 64] >> bit % 64 & 1))
        return nullptr;
    for (Entry* entry = buckets_[BucketOf(hash)]; entry; entry = entry->next)
        if (entry->hash == hash && entry->length == key.size() &&
            std::memcmp(entry->key, key.data(), key.size()) == 0)
            return entry;
    return nullptr;
}

// Chains every entry in use into new arrays, each at the head of its chain, as inserting them
// again would; no new entries are taken. The entries are visited block by block, in memory order
// rather than chain by chain: the order within a chain is nowhere visible, and memory order is
// much faster for a large map. Nothing changes when the arrays cannot be allocated.
void StringIntMap::Rebuild(uint32_t bucketCount) {
    const uint64_t inverse = Inverse(bucketCount);
    std::vector<Entry*> buckets(bucketCount);
    size_t filterWords = 1;
    while (filterWords * 64 < size_t{kFilterBitsPerBucket} * bucketCount)
        filterWords *= 2;
    std::vector<uint64_t> presence(filterWords);
    for (Block* block = blocks_; block; block = block->next) {
        for (Entry& entry : block->entries) {
            if (!entry.key)
                continue; // still free
            Entry*& head = buckets[Remainder(entry.hash, bucketCount, inverse)];
            entry.next = head;
            head = &entry;
            Mark(presence, entry.hash);
        }
    }
    buckets_.swap(buckets);
    presence_.swap(presence);
    bucketCount_ = bucketCount;
    bucketInverse_ = inverse;
}

void StringIntMap::Grow() {
    uint32_t step = growthStep_ + 1;
    Rebuild(step < kPrimeCount ? kPrimes[step] : bucketCount_ * 2);
    growthStep_ = step;
}

const char* StringIntMap::KeepKey(std::string_view key) {
    constexpr size_t kChunkSize = 16384;
    if (key.empty())
        return ""; // nothing to keep, and no chunk may exist yet
    if (key.size() > keySpaceLeft_) {
        size_t size = std::max(kChunkSize, key.size());
        keyText_.push_back(std::make_unique<char[]>(size));
        keySpace_ = keyText_.back().get();
        keySpaceLeft_ = size;
    }
    char* kept = keySpace_;
    std::memcpy(kept, key.data(), key.size());
    keySpace_ += key.size();
    keySpaceLeft_ -= key.size();
    return kept;
}

StringIntMap::Block* StringIntMap::TakeBlock() {
    constexpr size_t kFirstChunk = 4, kLargestChunk = 1024;
    if (blocksLeft_ == 0) {
        chunkSize_ = blockChunks_.empty() ? kFirstChunk : std::min(kLargestChunk, 2 * chunkSize_);
        blockChunks_.push_back(std::make_unique<Block[]>(chunkSize_));
        blocksLeft_ = chunkSize_;
    }
    return &blockChunks_.back()[chunkSize_ - blocksLeft_--];
}

StringIntMap::Entry* StringIntMap::NewEntry(std::string_view key, uint32_t hash) {
    if (!freeList_) {
        Block* block = TakeBlock();
        block->next = blocks_;
        blocks_ = block;
        for (Entry& entry : block->entries) {
            entry.key = nullptr;
            entry.next = freeList_;
            freeList_ = &entry;
        }
    }
    const char* kept = KeepKey(key); // may throw: the entry stays free
    Entry* entry = freeList_;
    freeList_ = entry->next;
    *entry = Entry{nullptr, kept, static_cast<uint32_t>(key.size()), hash, 0};
    return entry;
}

StringIntMap::Stored StringIntMap::SetAt(std::string_view key, int32_t value) {
    if (count_ > bucketCount_)
        Grow();
    if (buckets_.empty())
        Rebuild(bucketCount_);
    uint32_t hash = Hash(key);
    Entry* entry = Find(key, hash);
    if (!entry) {
        entry = NewEntry(key, hash);
        Entry*& head = buckets_[BucketOf(hash)];
        entry->next = head;
        head = entry;
        Mark(presence_, hash);
        ++count_;
    }
    entry->value = value;
    return Stored(entry);
}

bool StringIntMap::Lookup(std::string_view key, int32_t* value) const {
    if (buckets_.empty())
        return false;
    Entry* entry = Find(key, Hash(key));
    if (!entry)
        return false;
    *value = entry->value;
    return true;
}

void StringIntMap::RemoveAll() {
    buckets_ = {};
    presence_ = {};
    count_ = 0;
    freeList_ = nullptr;
    blocks_ = nullptr;
    blockChunks_.clear();
    blocksLeft_ = 0;
    keyText_.clear();
    keySpace_ = nullptr;
    keySpaceLeft_ = 0;
}

} // namespace kelvd
