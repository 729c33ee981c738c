// The cells libhivex frees when it replaces the values of a key in an offline hive: the value
// list, each value's record and each value's data kept outside its record. libhivex frees each
// once for every time the key names it, and stops the whole process when it frees a cell twice,
// so the values of a key in a damaged hive, one that names a cell twice (a value listed twice,
// values sharing data, a value list that is also a value's data), must not be replaced.
#pragma once

#include <hivex.h>

namespace kelvcfg {

// Whether replacing key's values frees each cell once and leaves the key's own record alone.
// valueList is the cell of its value list, as the key record holds it.
bool ValueCellsDistinct(hive_h* handle, hive_node_h key, hive_node_h valueList);

} // namespace kelvcfg
