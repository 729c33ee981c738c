// Applying rows read from a configuration file to a live driver table.
#pragma once

#include "model/config_model.h"
#include "stores/state_list.h"

#include <cstddef>

namespace kelvd {

// For each entry, in order: the first live row whose whole path equals the entry's name
// (compared ignoring case) takes its state; without one, a row with that path and state (and
// nothing else: the file carries no description, group, start type or service state) is
// appended, while the table has room. Appended rows are live for the entries after them.
template <size_t Capacity>
void MergeStateList(DriverTable<Capacity>& table, const StateEntry* entries, size_t count);

} // namespace kelvd
