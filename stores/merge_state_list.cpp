#include "stores/merge_state_list.h"

#include "stores/name_index.h"

namespace kelvd {

template <size_t Capacity>
void MergeStateList(DriverTable<Capacity>& table, const StateEntry* entries, size_t count) {
    NameIndex rows(table.Count() + count);
    for (uint32_t i = 0; i < table.Count(); ++i)
        rows.Add(table[i].path.c_str(), static_cast<int32_t>(i));
    for (size_t i = 0; i < count; ++i) {
        int32_t match = rows.Find(entries[i].name);
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
        rows.Add(row->path.c_str(), static_cast<int32_t>(table.Count() - 1));
    }
}

template void MergeStateList(DriverTable<128>&, const StateEntry*, size_t);
template void MergeStateList(DriverTable<256>&, const StateEntry*, size_t);

} // namespace kelvd
