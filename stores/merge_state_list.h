// Applying rows read from a configuration file to a live driver table.
#pragma once

#include "model/config_model.h"
#include "stores/state_list.h"

#include <cstddef>

namespace kelvd {

// For each entry, in order: the first live row whose whole path equals the entry's name
// (compared ignoring case) takes its state; without one, a row with that path and state is
// appended while the table has room, its other fields as a fresh row has them (empty texts,
// startType and serviceState 0), since the file carries none of them. Appended rows are live
// for the entries after them.
template <size_t Capacity>
void MergeStateList(DriverTable<Capacity>& table, const StateEntry* entries, size_t count);

} // namespace kelvd
