#include "drivers/checker_modules.h"
#include "drivers/checker_device.h"
#include "drivers/excluded_drivers.h"
#include "drivers/system_list.h"
#include "model/config_model.h"
#include "platform/little_endian.h"
#include "platform/system_memory.h"

namespace kelvd {

namespace {

// An entry of the checker's module list (packed): the next entry's address at 0, a value at 5
// that is non-zero and below 0x80000000 for a module to offer, and its name's address at 11.
constexpr uint32_t kModuleEntrySize = 35;
constexpr size_t kValueOffset = 5;
constexpr size_t kNameAddressOffset = 11;
constexpr uint32_t kNameSize = 8;

// The row of a module entry; false for an entry that is not offered. An entry whose name cannot
// be read is not offered either.
bool ReadModule(const uint8_t* entry, DriverEntry* row) {
    const uint32_t value = platform::LoadUint32(entry + kValueOffset);
    uint8_t name[kNameSize];
    if (value == 0 || value >= 0x80000000u ||
        !platform::systemMemory().Read(platform::LoadUint32(entry + kNameAddressOffset), name,
                                       kNameSize))
        return false;
    row->path = ShortName(name);
    row->description = row->path;
    return !IsExcludedDriver(row->path.c_str());
}

} // namespace

void EnumerateCheckerModules() {
    DriverTable<256>& drivers = configModel().drivers;
    drivers.Clear();
    const uint32_t head = GetModuleListHead();
    if (head == 0)
        return;
    WalkSystemList(head, kModuleEntrySize, [&drivers](const uint8_t* entry) {
        DriverEntry row;
        if (ReadModule(entry, &row))
            drivers.Append(row);
        return !drivers.IsFull();
    });
}

} // namespace kelvd
