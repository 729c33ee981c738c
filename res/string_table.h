// The texts of the library's string table, by id.
#pragma once

#include <cstdint>

namespace kelvd {

enum StringId : uint32_t {
    kStrDuplicateDriver = 1501,
    kStrBadStackThreshold = 1503,
    kStrSmallEventBuffer = 1504,
    kStrFarhandCreated = 1507,
    kStrNoCatalogue = 1510,
    kStrConfigFileFilter = 1514,
    kStrDriverFileFilter = 1515,
    kStrCannotWriteExport = 1516,
    kStrSheetTitle = 1520,
    kStrFarhandSheetTitle = 1521,
    kStrVxdFileFilter = 1522,
    kStrTemporaDisabled = 1523,
    kStrControlPanelError = 1525,
    kStrUserListFull = 1526,
};

// The text of a string-table entry; the empty text for an id the table does not hold.
const char* TableString(uint32_t id);

} // namespace kelvd
