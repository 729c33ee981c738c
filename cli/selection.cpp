#include "cli/selection.h"

#include "cli/command_error.h"
#include "cli/unicode.h"
#include "model/config_model.h"
#include "pages/driver_settings_page.h"
#include "pages/vxd_settings_page.h"
#include "platform/file_system.h"
#include "platform/multibyte.h"
#include "res/string_table.h"

#include <algorithm>
#include <functional>

namespace kelvcfg {

namespace {

// A VxD's name is blank-padded to eight characters; a name given is compared without them.
std::string WithoutTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

bool NamesRow(const std::string& name, const kelvd::DriverEntry& row) {
    if (name.find('\\') != std::string::npos)
        return platform::MbsICmp(name.c_str(), row.path.c_str()) == 0;
    return platform::MbsICmp(WithoutTrailingBlanks(name).c_str(),
                             WithoutTrailingBlanks(kelvd::ListedDriverName(row.path)).c_str()) == 0;
}

// Calls visit(row, checkedState) for every listed row that name names; false when none.
bool VisitNamed(const std::string& name,
                const std::function<void(kelvd::DriverEntry&, uint32_t)>& visit) {
    kelvd::DriverSettingsPage drivers;
    kelvd::VxDSettingsPage vxds;
    std::vector<kelvd::ListedTable> tables = drivers.Tables();
    if (kelvd::configModel().isWin9x)
        tables.insert(tables.end(), vxds.Tables().begin(), vxds.Tables().end());
    bool found = false;
    for (const kelvd::ListedTable& table : tables) {
        for (uint32_t index = 0; index < table.count(); ++index) {
            kelvd::DriverEntry& row = table.row(index);
            if (NamesRow(name, row)) {
                visit(row, table.checkedState);
                found = true;
            }
        }
    }
    return found;
}

template <typename Match>
void ForEachCategory(const std::vector<std::string>& names, const char* what, Match match,
                     const std::function<void(kelvd::ApiCategory&, size_t)>& apply) {
    kelvd::ConfigModel& model = kelvd::configModel();
    for (const std::string& name : names) {
        bool found = false;
        for (kelvd::CategoryTable* table : {&model.apiCategories, &model.vxdApiCategories})
            for (kelvd::ApiCategory& category : *table)
                if (match(name, category, [&](size_t event) { apply(category, event); }))
                    found = true;
        if (!found)
            throw CommandError(kNotFound,
                               std::string(what) + " not found: " + ConsoleFromModel(name));
    }
}

} // namespace

bool DriverListed(const std::string& name) {
    return VisitNamed(name, [](kelvd::DriverEntry&, uint32_t) {});
}

void SetDrivers(const std::vector<std::string>& names, bool on) {
    for (const std::string& name : names)
        if (!DriverListed(name))
            throw CommandError(kNotFound, "driver not found: " + ConsoleFromModel(name));
    for (const std::string& name : names)
        VisitNamed(name, [on](kelvd::DriverEntry& row, uint32_t checked) {
            row.checkState = on ? checked : 0;
        });
}

void AddDriver(const std::string& path, bool mustExist) {
    if (mustExist && !platform::fileSystem().Open(path.c_str(), platform::OpenMode::ReadBinary))
        throw CommandError(kNotFound, "driver file not found: " + ConsoleFromModel(path));
    kelvd::DriverSettingsPage page;
    if (uint32_t refusal = page.AddRefusal(path))
        throw CommandError(kRefused, ConsoleFromModel(path) + ": " +
                                         ConsoleFromModel(kelvd::TableString(refusal)));
    page.AppendAddedRow(path);
}

void SetEvents(const std::vector<std::string>& names, bool on) {
    std::vector<std::pair<kelvd::ApiCategory*, size_t>> events;
    ForEachCategory(
        names, "event",
        [](const std::string& name, kelvd::ApiCategory& category, auto found) {
            bool any = false;
            for (size_t event = 0; event < category.eventNames.size(); ++event)
                if (platform::MbsCmp(category.eventNames[event].c_str(), name.c_str()) == 0) {
                    found(event);
                    any = true;
                }
            return any;
        },
        [&](kelvd::ApiCategory& category, size_t event) {
            events.push_back({&category, event});
        });
    for (auto [category, event] : events) {
        category->eventFlags[event] = on ? 1 : 0;
        category->checkState = category->StateFromFlags();
    }
}

void SetCategories(const std::vector<std::string>& names, bool on) {
    std::vector<kelvd::ApiCategory*> categories;
    ForEachCategory(
        names, "category",
        [](const std::string& name, kelvd::ApiCategory& category, auto found) {
            if (platform::MbsICmp(category.name.c_str(), name.c_str()) != 0)
                return false;
            found(0);
            return true;
        },
        [&](kelvd::ApiCategory& category, size_t) { categories.push_back(&category); });
    for (kelvd::ApiCategory* category : categories) {
        std::fill(category->eventFlags.begin(), category->eventFlags.end(), on ? 1 : 0);
        category->checkState = on ? 1 : 0;
    }
}

} // namespace kelvcfg
