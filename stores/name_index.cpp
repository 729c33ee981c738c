#include "stores/name_index.h"

#include "platform/multibyte.h"

namespace kelvd {

NameIndex::NameIndex(size_t expected) {
    size_t slotCount = 16;
    while (slotCount < 2 * expected)
        slotCount *= 2;
    slots_.resize(slotCount);
}

size_t NameIndex::Probe(const char* name, uint32_t hash) const {
    size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].name &&
           (slots_[i].hash != hash || platform::MbsICmp(slots_[i].name, name) != 0))
        i = (i + 1) & mask;
    return i;
}

void NameIndex::Resize(size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.name)
            slots_[Probe(slot.name, slot.hash)] = slot;
}

void NameIndex::Add(const char* name, int32_t position) {
    uint32_t hash = platform::MbsICaseHash(name);
    Slot& slot = slots_[Probe(name, hash)];
    if (slot.name)
        return;
    slot = Slot{name, hash, position};
    if (2 * ++used_ > slots_.size())
        Resize(2 * slots_.size());
}

int32_t NameIndex::Find(const char* name) const {
    return slots_[Probe(name, platform::MbsICaseHash(name))].position;
}

} // namespace kelvd
