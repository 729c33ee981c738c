#include "drivers/loaded_vxds.h"
#include "drivers/checker_device.h"
#include "drivers/excluded_drivers.h"
#include "drivers/system_list.h"
#include "model/config_model.h"

namespace kelvd {

namespace {
// A VxD's device descriptor block: the next block's address at 0, the blank-padded name at 12.
constexpr uint32_t kDescriptorBlockSize = 80;
constexpr size_t kNameOffset = 12;
} // namespace

void EnumerateLoadedVxds() {
    const uint32_t head = GetVxdChainHead();
    if (head == 0)
        return;
    DriverTable<256>& vxds = configModel().vxds;
    vxds.Clear();
    WalkSystemList(head, kDescriptorBlockSize, [&vxds](const uint8_t* block) {
        DriverEntry row;
        row.path = ShortName(block + kNameOffset);
        row.description = row.path;
        if (!IsExcludedDriver(row.path.c_str()))
            vxds.Append(row);
        return !vxds.IsFull();
    });
}

} // namespace kelvd
