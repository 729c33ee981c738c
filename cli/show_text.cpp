#include "cli/columns.h"
#include "cli/listing.h"
#include "cli/settings_text.h"
#include "cli/show.h"
#include "cli/unicode.h"
#include "pages/driver_list_page.h"
#include "stores/checker_value_names.h"

namespace kelvcfg {

void ShowText(const std::string& place, const kelvd::ConfigModel& model,
              const kelvd::ScalarSettings& settings, std::ostream& out) {
    out << "Drivers of " << place << ":\n";
    Columns drivers({"TABLE", "STATE", "DRIVER NAME", "PATH", "DESCRIPTION", "GROUP", "STARTUP"});
    for (const ListedDriver& driver : ListDrivers(model)) {
        const kelvd::DriverEntry& row = *driver.row;
        drivers.Add({driver.table, StateText(row.checkState),
                     ConsoleFromModel(kelvd::ListedDriverName(row.path)),
                     ConsoleFromModel(row.path), ConsoleFromModel(row.description),
                     ConsoleFromModel(row.group), kelvd::StartTypeName(row.startType)});
    }
    drivers.Print(out, "  ");

    out << "\nAPI categories:\n";
    for (const ListedCategory& listed : ListCategories(model)) {
        const kelvd::ApiCategory& category = *listed.category;
        out << "  " << CategoryStateText(category.checkState) << "  "
            << ConsoleFromModel(category.name) << " (" << category.eventNames.size()
            << (listed.table[0] == 'v' ? " VxD APIs)\n" : " events)\n");
        Columns events;
        for (size_t event = 0; event < category.eventNames.size(); ++event)
            events.Add({StateText(category.eventFlags[event]),
                        ConsoleFromModel(category.eventNames[event])});
        events.Print(out, "        ");
    }

    out << "\nSettings:\n";
    Columns values;
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        values.Add({setting.name, SettingText(setting.name, settings.*(setting.field))});
    values.Print(out, "  ");
}

} // namespace kelvcfg
