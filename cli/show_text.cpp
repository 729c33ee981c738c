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

// The state cells of the events' flags, each made once for the whole listing.
class StateCells {
public:
    StateCells() = default;
    StateCells(const StateCells&) = delete; // its cells view its own texts
    StateCells& operator=(const StateCells&) = delete;

    const AlignedRows::Cell& Of(uint8_t flag) {
        if (!made_[flag]) {
            texts_[flag] = StateText(flag);
            cells_[flag] = {texts_[flag], TextWidth(texts_[flag])};
            made_[flag] = true;
        }
        return cells_[flag];
    }

private:
    std::string texts_[256];
    AlignedRows::Cell cells_[256];
    bool made_[256] = {};
};

// A category's events, state and name, printed as they come: there may be tens of thousands, and
// only the states' column is padded, to the widest state.
void PrintEvents(const kelvd::ApiCategory& category, StateCells& states, std::ostream& out) {
    size_t stateWidth = 0;
    for (uint8_t flag : category.eventFlags)
        stateWidth = std::max(stateWidth, states.Of(flag).width);
    AlignedRows rows(out, "        ", {stateWidth});
    for (size_t event = 0; event < category.eventNames.size(); ++event) {
        const std::string name = ConsoleFromModel(category.eventNames[event]);
        const AlignedRows::Cell row[] = {states.Of(category.eventFlags[event]), {name, 0}};
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
    StateCells states;
    for (const ListedCategory& listed : ListCategories(model)) {
        const kelvd::ApiCategory& category = *listed.category;
        out << "  " << CategoryStateText(category.checkState) << "  "
            << ConsoleFromModel(category.name) << " (" << category.eventNames.size()
            << (listed.table[0] == 'v' ? " VxD APIs)\n" : " events)\n");
        PrintEvents(category, states, out);
    }

    out << "\nSettings:\n";
    Columns values;
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        values.Add({setting.name, SettingText(setting.name, settings.*(setting.field))});
    values.Print(out, "  ");
}

} // namespace kelvcfg
