#include "cli/hive_value_cells.h"

#include "cli/hive.h"

#include <algorithm>
#include <vector>

namespace kelvcfg {

bool ValueCellsDistinct(hive_h* handle, hive_node_h key, hive_node_h valueList) {
    const HivexPtr<hive_value_h> values(hivex_node_values(handle, key));
    if (!values)
        return true; // libhivex refuses the key before it frees anything
    std::vector<hive_node_h> cells = {key};
    for (const hive_value_h* value = values.get(); *value; ++value) {
        cells.push_back(*value);
        size_t length = 0;
        if (const hive_node_h data = hivex_value_data_cell_offset(handle, *value, &length))
            cells.push_back(data);
    }
    if (cells.size() > 1)
        cells.push_back(valueList);
    std::sort(cells.begin(), cells.end());
    return std::adjacent_find(cells.begin(), cells.end()) == cells.end();
}

} // namespace kelvcfg
