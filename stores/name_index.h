// Finds the first of a set of names that equals a text as MbsICmp compares them, without
// comparing the text with every name: the stores match rows and categories by name this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvd {

class NameIndex {
public:
    explicit NameIndex(size_t expected = 0);

    // Adds name under position. When an equal name is there already, that one keeps its own
    // position, so adding in rising positions makes Find give the first match. The text is not
    // copied: it must stay unchanged while the index is in use.
    void Add(const char* name, int32_t position);
    // The position of the name equal to name, or -1.
    int32_t Find(const char* name) const;

private:
    struct Slot {
        const char* name = nullptr; // null: free
        uint32_t hash = 0;
        int32_t position = -1;
    };

    // The slot of name's equal, or the free slot where it would go.
    size_t Probe(const char* name, uint32_t hash) const;
    void Resize(size_t slotCount);

    std::vector<Slot> slots_; // a power of two in size, at most half in use
    size_t used_ = 0;
};

} // namespace kelvd
