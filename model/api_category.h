// One API category of the catalogue with its events. An event is the i-th name with the i-th
// flag; eventNames and eventFlags always hold eventCount entries each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

struct ApiCategory {
    static constexpr size_t kMaxNameLength = 79; // an 80-byte field with its terminator

    int32_t tag = 0;  // carried from the catalogue, never interpreted
    std::string name; // at most kMaxNameLength characters
    std::vector<std::string> eventNames;
    std::vector<uint8_t> eventFlags; // 1 hooked, 0 not
    uint32_t eventCount = 0;
    uint32_t checkState = 0; // 0 none hooked, 1 all, 2 some

    // Gives the category count events, every name empty and every flag 0.
    void AllocateEvents(uint32_t count);
    // Frees the event arrays; the count becomes 0.
    void ReleaseEvents();
    // The tri-state that the flags make: 0 when none is 1, 1 when all are 1, 2 otherwise.
    uint32_t StateFromFlags() const;
};

} // namespace kelvd
