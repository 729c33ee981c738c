// The checker's settings in a registry key: the six scalars as DWORDs, one binary value per API
// category and the three state lists. The local service key and an embedded target's key hold
// the same values; a SettingsKey is one of them, open, and these functions write and read them.
#pragma once

#include "model/scalar_settings.h"
#include "stores/file_name_rows.h"
#include "stores/state_list.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // Results of writes are not looked at: a value that cannot be written is left as it was.
    virtual void SetDword(const char* name, uint32_t value) = 0;
    virtual void SetBinary(const char* name, const std::string& bytes) = 0;
    // True, with the value, only for a value of exactly four bytes (its type is not checked).
    virtual bool QueryDword(const char* name, uint32_t* value) = 0;
    // The whole value; false when it is missing or cannot be read.
    virtual bool QueryBytes(const char* name, std::vector<uint8_t>* bytes) = 0;
};

// Writes the scalar settings (Start only when withStart), every category of apiCategories, the
// Driver and InstalledDisplayDrivers lists, and the UserDriver list when userDrivers has rows.
void WriteSettings(SettingsKey& key, const ScalarSettings& settings, bool withStart);

// What a settings key holds, as read: the scalars (the initial value for one that cannot be
// read) and the three state lists' bytes, each empty when the key has no such list.
struct StoredSettings {
    ScalarSettings scalars;
    bool hasDrivers = false;
    bool hasUserDrivers = false;
    bool hasDisplayDrivers = false;
    std::vector<uint8_t> drivers;
    std::vector<uint8_t> userDrivers;
    std::vector<uint8_t> displayDrivers;
};

// Reads the key's values; nothing of the model changes. Without a Driver list no list is read.
StoredSettings ReadSettings(SettingsKey& key);

// How a store turns the entries of a UserDriver list into userDrivers rows (the table has been
// emptied before); drivers are the drivers rows by file name.
using AddUserDriver = void (*)(const StateEntry& entry, FileNameRows<256>& drivers);

// Gives the stored lists' states to the model: the states of Driver go to the drivers rows of
// the same file name, else to the userDrivers ones; a UserDriver list replaces userDrivers through
// addUserDriver; the states of InstalledDisplayDrivers go to displayDrivers.
void ApplyStoredLists(const StoredSettings& stored, AddUserDriver addUserDriver);

} // namespace kelvd
