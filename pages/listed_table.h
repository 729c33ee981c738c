// A driver table of the model as a driver list shows it: its rows, how many there are at the
// moment, its capacity, the state a checked row stores, and how a row is appended.
#pragma once

#include "model/config_model.h"

#include <functional>

namespace kelvd {

struct ListedTable {
    std::function<uint32_t()> count;
    std::function<DriverEntry&(uint32_t)> row;
    std::function<bool(const DriverEntry&)> append; // false, with nothing changed, when full
    uint32_t capacity;
    uint32_t checkedState;
};

template <size_t Capacity> ListedTable Listed(DriverTable<Capacity>& table, uint32_t checkedState) {
    return {[&table] { return table.Count(); },
            [&table](uint32_t index) -> DriverEntry& { return table[index]; },
            [&table](const DriverEntry& row) { return table.Append(row); },
            static_cast<uint32_t>(Capacity), checkedState};
}

} // namespace kelvd
