// The whole in-memory configuration the library edits: which drivers and VxDs the checker
// monitors and which API events it hooks. There is one instance per process (configModel());
// every exported call loads it afresh.
#pragma once

#include "include/kelvdcfg.h"
#include "model/api_category.h"
#include "model/driver_entry.h"
#include "model/fixed_table.h"

#include <cstdint>

namespace kelvd {

template <size_t Capacity> using DriverTable = FixedTable<DriverEntry, Capacity>;
using CategoryTable = FixedTable<ApiCategory, 50>;

// How the library was called: ConfigureKELVD's mode, as the public header names the values.
enum RunMode : uint32_t {
    kLocalWithHelp = KELVD_RUN_LOCAL_WITH_HELP, // treated as kLocal
    kLocal = KELVD_RUN_LOCAL,
    kFarhandExport = KELVD_RUN_FARHAND_EXPORT,
    kEmbeddedTarget = KELVD_RUN_EMBEDDED_TARGET,
    kSheetOnly = KELVD_RUN_SHEET_ONLY,
};

struct ConfigModel {
    DriverTable<256> drivers;        // kernel-driver services, 9x checker modules, target services
    DriverTable<256> displayDrivers; // display, then printer drivers (NT)
    DriverTable<128> userDrivers;    // added by file
    DriverTable<256> vxds;           // loaded VxDs (Windows 9x)
    DriverTable<256> userVxds;       // added by file (Windows 9x)
    CategoryTable apiCategories;
    CategoryTable vxdApiCategories; // Windows 9x

    uint32_t catalogueVersion = 0;
    uint32_t runMode = kLocal;
    bool isWin9x = false;

    // Marks every row and every event monitored (1) or not (0). Display and printer drivers take
    // 2 for "all". The VxD tables are touched only on Windows 9x.
    void SetAllChecked(uint32_t state);
};

// Frees the event arrays of every category of table and empties it.
void ReleaseCategories(CategoryTable& table);

// The process-wide configuration.
ConfigModel& configModel();

// The file-name part of a path: the text after its last backslash, or the whole text.
const char* FileNamePart(const char* path);

} // namespace kelvd
