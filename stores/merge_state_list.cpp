#include "stores/merge_state_list.h"

#include "stores/name_index.h"

#include <cstring>
#include <vector>

namespace kelvd {

// A file saved from the same tables lists its rows in the table's order: an entry that is the
// live row of its own position byte for byte matches that row's first equal without a lookup.
template <size_t Capacity>
void MergeStateList(DriverTable<Capacity>& table, const StateEntry* entries, size_t count) {
    const uint32_t liveCount = table.Count();
    NameIndex rows(liveCount);
    std::vector<int32_t> firstEqual(liveCount);
    for (uint32_t i = 0; i < liveCount; ++i)
        firstEqual[i] = rows.Add(table[i].path, static_cast<int32_t>(i));
    for (size_t i = 0; i < count; ++i) {
        int32_t match = i < liveCount && std::strcmp(table[i].path.c_str(), entries[i].name) == 0
                            ? firstEqual[i]
                            : rows.Find(entries[i].name);
        if (match >= 0) {
            table[match].checkState = entries[i].state;
            continue;
        }
        DriverEntry* row = table.AppendSlot();
        if (!row)
            continue;
        *row = DriverEntry();
        row->path = entries[i].name;
        row->checkState = entries[i].state;
        rows.Add(row->path, static_cast<int32_t>(table.Count() - 1));
    }
}

template void MergeStateList(DriverTable<128>&, const StateEntry*, size_t);
template void MergeStateList(DriverTable<256>&, const StateEntry*, size_t);

} // namespace kelvd
