// The choices of the driver and event pages made by name: what the user would check or clear
// there, written into the library's model as the pages write it. Names and paths are the model's
// text; errors give them as the console shows them.
#pragma once

#include <string>
#include <vector>

namespace kelvcfg {

// Drivers by file name (compared with each row's "Driver Name") or, for a name with a backslash,
// by full path, ignoring case; every matching row of the driver page (and on Windows 9x the VxD
// page) is set as the page sets a row: a display driver stores 2 for on. Throws a CommandError
// (kNotFound) naming the first name without a row, before anything changes.
void SetDrivers(const std::vector<std::string>& names, bool on);
// Whether name names a row as SetDrivers takes it.
bool DriverListed(const std::string& name);

// Adds path as the driver page adds a chosen file: a user driver, monitored, unless the list
// refuses it (kRefused with the page's message). mustExist: the file must be there (kNotFound).
void AddDriver(const std::string& path, bool mustExist);

// Events by name (exactly as the catalogue spells them), in every category that has them; each
// category's state follows its flags as the event page sets it.
void SetEvents(const std::vector<std::string>& names, bool on);

// Every event of categories by name, ignoring case.
void SetCategories(const std::vector<std::string>& names, bool on);

} // namespace kelvcfg
