#include "doubles/system_hive.h"

#include "doubles/empty_hive.h"

#include <hivex.h>

#include <fstream>

namespace platform {

bool WriteSystemHive(const std::string& path) {
    // A file on the disk, where the hive library reads it, whatever file system the program has
    // put in the library's place.
    if (!(std::ofstream(path, std::ios::binary | std::ios::trunc) << EmptyHive("SYSTEM")))
        return false;
    hive_h* handle = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!handle)
        return false;
    const hive_node_h root = hivex_root(handle);
    const hive_node_h select = hivex_node_add_child(handle, root, "Select");
    uint32_t one = 1; // little-endian on the hosts this runs on
    hive_set_value current{const_cast<char*>("Current"), hive_t_REG_DWORD, 4,
                           reinterpret_cast<char*>(&one)};
    const bool made = select && hivex_node_set_value(handle, select, &current, 0) == 0 &&
                      hivex_node_add_child(handle, root, "ControlSet001") &&
                      hivex_commit(handle, nullptr, 0) == 0;
    hivex_close(handle);
    return made;
}

} // namespace platform
