// One row of any driver or VxD table.
#pragma once

#include <cstdint>
#include <string>

namespace kelvd {

struct DriverEntry {
    std::string path;          // image file name or full path: the key the row is stored under
    std::string description;   // from the file's version resource
    std::string group;         // load-order group, or a listing label
    int32_t startType = 0;     // service start type 0..4; -1 for display and printer drivers
    uint32_t checkState = 0;   // 0 not monitored, 1 monitored, 2 display/printer "all"; stores keep
                               // the low byte
    uint32_t serviceState = 0; // the service's current state as enumerated (4 running)
};

} // namespace kelvd
