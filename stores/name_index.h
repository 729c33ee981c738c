// Finds the first of a set of names that equals a text as MbsICmp compares them, without
// comparing the text with every name: the stores match rows and categories by name this way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

class NameIndex {
public:
    explicit NameIndex(size_t expected = 0);

    // Adds name under position and returns the position the name is found under from now on:
    // when an equal name is there already, that one keeps its own position, so adding in rising
    // positions makes Find give the first match. The text is not copied: it must stay unchanged
    // while the index is in use.
    int32_t Add(const std::string& name, int32_t position);
    // The position of the name equal to name, or -1.
    int32_t Find(const char* name) const;

private:
    struct Slot {
        const char* name; // null: free
        uint32_t hash;
        int32_t position;
    };

    // The slot of name's equal, or the free slot where it would go.
    size_t Probe(const char* name, uint32_t hash) const;
    void Resize(size_t slotCount);

    std::vector<Slot> slots_; // a power of two in size, at most half in use
    size_t used_ = 0;
};

} // namespace kelvd
