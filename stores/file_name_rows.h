// The rows of a driver table by the file name of their path (the text after its last
// backslash), compared as MbsICmp compares them, indexed once for many lookups: the stores give
// every entry of a stored list to the rows of its file name without comparing the entry with
// every row.
#pragma once

#include "model/config_model.h"
#include "stores/name_index.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

template <size_t Capacity> class FileNameRows {
public:
    // The table's rows must not change while the index is in use; their states may.
    explicit FileNameRows(DriverTable<Capacity>& table);

    // Sets checkState on every row whose file name equals name's file name; true when at least
    // one row matched.
    bool ApplyStateByFileName(const char* name, uint32_t state);

private:
    DriverTable<Capacity>& table_;
    std::vector<std::string> fileNames_; // the index refers to these
    NameIndex index_;
    std::vector<int32_t> next_; // per row, the next row of the same file name, or -1
};

} // namespace kelvd
