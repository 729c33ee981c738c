#include "stores/string_int_map.h"

namespace kelvd {

StringIntMap::~StringIntMap() {
    RemoveAll();
}

uint32_t StringIntMap::Hash(std::string_view key) {
    uint32_t hash = 2166136261u; // FNV-1a
    for (unsigned char c : key)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

StringIntMap::Entry* StringIntMap::Find(std::string_view key, uint32_t hash) const {
    for (Entry* entry = buckets_[hash % bucketCount_]; entry; entry = entry->next)
        if (entry->hash == hash && entry->key == key)
            return entry;
    return nullptr;
}

// Re-chains every entry into a larger bucket array, visiting the old buckets in index order and
// each chain from its head and putting each entry at the head of its new chain: the chains come
// out as re-inserting every entry one by one would leave them, without new entries being taken.
void StringIntMap::Grow() {
    uint32_t step = growthStep_ + 1;
    uint32_t newCount = step < kPrimeCount ? kPrimes[step] : bucketCount_ * 2;
    Entry** newBuckets = new Entry*[newCount]();
    for (uint32_t i = 0; buckets_ && i < bucketCount_; ++i) {
        for (Entry* entry = buckets_[i]; entry;) {
            Entry* next = entry->next;
            Entry*& head = newBuckets[entry->hash % newCount];
            entry->next = head;
            head = entry;
            entry = next;
        }
    }
    delete[] buckets_;
    buckets_ = newBuckets;
    bucketCount_ = newCount;
    growthStep_ = step;
}

StringIntMap::Entry* StringIntMap::NewEntry(std::string_view key, uint32_t hash) {
    if (!freeList_) {
        Block* block = new Block;
        block->next = blocks_;
        blocks_ = block;
        for (Entry& entry : block->entries) {
            entry.next = freeList_;
            freeList_ = &entry;
        }
    }
    Entry* entry = freeList_;
    entry->key.assign(key.data(), key.size()); // may throw: the entry stays free
    freeList_ = entry->next;
    entry->hash = hash;
    entry->value = 0;
    return entry;
}

void StringIntMap::SetAt(std::string_view key, int32_t value) {
    if (count_ > bucketCount_)
        Grow();
    if (!buckets_)
        buckets_ = new Entry*[bucketCount_]();
    uint32_t hash = Hash(key);
    Entry* entry = Find(key, hash);
    if (!entry) {
        entry = NewEntry(key, hash);
        Entry*& head = buckets_[hash % bucketCount_];
        entry->next = head;
        head = entry;
        ++count_;
    }
    entry->value = value;
}

bool StringIntMap::Lookup(std::string_view key, int32_t* value) const {
    if (!buckets_)
        return false;
    Entry* entry = Find(key, Hash(key));
    if (!entry)
        return false;
    *value = entry->value;
    return true;
}

void StringIntMap::RemoveAll() {
    delete[] buckets_;
    buckets_ = nullptr;
    count_ = 0;
    freeList_ = nullptr;
    while (blocks_) {
        Block* next = blocks_->next;
        delete blocks_;
        blocks_ = next;
    }
}

} // namespace kelvd
