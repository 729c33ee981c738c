#include "cli/aligned_rows.h"
#include "cli/columns.h"
#include "cli/listing.h"
#include "cli/settings_text.h"
#include "cli/show.h"
#include "cli/unicode.h"
#include "pages/driver_list_page.h"
#include "stores/checker_value_names.h"

#include <algorithm>

namespace kelvcfg {

namespace {

// A category's events, state and name, printed as they come: there may be tens of thousands, and
// only the states' column is padded, to the widest state.
void PrintEvents(const kelvd::ApiCategory& category, std::ostream& out) {
    size_t stateWidth = 0;
    for (uint8_t flag : category.eventFlags)
        stateWidth = std::max(stateWidth, TextWidth(StateText(flag)));
    AlignedRows rows(out, "        ", {stateWidth});
    for (size_t event = 0; event < category.eventNames.size(); ++event) {
        const std::string state = StateText(category.eventFlags[event]);
        const std::string name = ConsoleFromModel(category.eventNames[event]);
        const AlignedRows::Cell row[] = {{state, TextWidth(state)}, {name, 0}};
        rows.Print(row, 2);
    }
}

} // namespace

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
        PrintEvents(category, out);
    }

    out << "\nSettings:\n";
    Columns values;
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        values.Add({setting.name, SettingText(setting.name, settings.*(setting.field))});
    values.Print(out, "  ");
}

} // namespace kelvcfg
