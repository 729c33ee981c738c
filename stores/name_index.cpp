#include "stores/name_index.h"

#include "platform/multibyte.h"

#include <cstring>

namespace kelvd {

NameIndex::NameIndex(size_t expected) {
    size_t slotCount = 16;
    while (slotCount < 2 * expected)
        slotCount *= 2;
    slots_.assign(slotCount, Slot{nullptr, 0, -1});
}

namespace {

// Texts equal byte for byte are equal ignoring case too; only others need the slower comparison.
bool Equal(const char* a, const char* b) {
    return std::strcmp(a, b) == 0 || platform::MbsICmp(a, b) == 0;
}

} // namespace

size_t NameIndex::Probe(const char* name, uint32_t hash) const {
    size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].name && (slots_[i].hash != hash || !Equal(slots_[i].name, name)))
        i = (i + 1) & mask;
    return i;
}

void NameIndex::Resize(size_t slotCount) {
    std::vector<Slot> old(slotCount, Slot{nullptr, 0, -1});
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.name)
            slots_[Probe(slot.name, slot.hash)] = slot;
}

int32_t NameIndex::Add(const std::string& name, int32_t position) {
    uint32_t hash = platform::MbsICaseHash(name);
    Slot& slot = slots_[Probe(name.c_str(), hash)];
    if (slot.name)
        return slot.position;
    slot = Slot{name.c_str(), hash, position};
    if (2 * ++used_ > slots_.size())
        Resize(2 * slots_.size());
    return position;
}

int32_t NameIndex::Find(const char* name) const {
    return slots_[Probe(name, platform::MbsICaseHash(name))].position;
}

} // namespace kelvd
