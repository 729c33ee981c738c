#include "stores/file_name_rows.h"

namespace kelvd {

template <size_t Capacity>
FileNameRows<Capacity>::FileNameRows(DriverTable<Capacity>& table)
    : table_(table), index_(table.Count()), next_(table.Count(), -1) {
    fileNames_.reserve(table.Count());
    std::vector<int32_t> last(table.Count(), -1); // per first row of a name, the last one
    for (uint32_t i = 0; i < table.Count(); ++i) {
        const auto row = static_cast<int32_t>(i);
        fileNames_.emplace_back(FileNamePart(table[i].path.c_str()));
        const int32_t first = index_.Add(fileNames_.back(), row);
        if (first != row)
            next_[last[first]] = row;
        last[first] = row;
    }
}

template <size_t Capacity>
bool FileNameRows<Capacity>::ApplyStateByFileName(const char* name, uint32_t state) {
    int32_t row = index_.Find(FileNamePart(name));
    const bool matched = row >= 0;
    for (; row >= 0; row = next_[row])
        table_[row].checkState = state;
    return matched;
}

template class FileNameRows<128>;
template class FileNameRows<256>;

} // namespace kelvd
