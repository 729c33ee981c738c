#include "doubles/system_hive.h"

#include "doubles/empty_hive.h"

#include <hivex.h>

#include <cstdio>
#include <fstream>

namespace platform {

bool WriteSystemHive(const std::string& path, uint32_t controlSet) {
    // A file on the disk, where the hive library reads it, whatever file system the program has
    // put in the library's place.
    if (!(std::ofstream(path, std::ios::binary | std::ios::trunc) << EmptyHive("SYSTEM")))
        return false;
    hive_h* handle = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!handle)
        return false;
    const hive_node_h root = hivex_root(handle);
    const hive_node_h select = hivex_node_add_child(handle, root, "Select");
    char set[24];
    std::snprintf(set, sizeof set, "ControlSet%03u", static_cast<unsigned>(controlSet));
    const hive_node_h sets = hivex_node_add_child(handle, root, set);
    // Little-endian on the hosts this runs on.
    hive_set_value numbers[2] = {
        {const_cast<char*>("Current"), hive_t_REG_DWORD, 4, reinterpret_cast<char*>(&controlSet)},
        {const_cast<char*>("Default"), hive_t_REG_DWORD, 4, reinterpret_cast<char*>(&controlSet)}};
    const bool made = select && sets && hivex_node_set_values(handle, select, 2, numbers, 0) == 0 &&
                      hivex_node_add_child(handle, sets, "Services") &&
                      hivex_commit(handle, nullptr, 0) == 0;
    hivex_close(handle);
    return made;
}

} // namespace platform
