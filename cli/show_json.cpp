#include "cli/listing.h"
#include "cli/show.h"
#include "cli/unicode.h"
#include "pages/driver_list_page.h"
#include "stores/checker_value_names.h"

#include <nlohmann/json.hpp>

namespace kelvcfg {

void ShowJson(const std::string& place, const kelvd::ConfigModel& model,
              const kelvd::ScalarSettings& settings, std::ostream& out) {
    using Json = nlohmann::ordered_json;
    Json drivers = Json::array();
    for (const ListedDriver& driver : ListDrivers(model)) {
        const kelvd::DriverEntry& row = *driver.row;
        drivers.push_back({{"table", driver.table},
                           {"name", Utf8FromModel(kelvd::ListedDriverName(row.path))},
                           {"path", Utf8FromModel(row.path)},
                           {"description", Utf8FromModel(row.description)},
                           {"group", Utf8FromModel(row.group)},
                           {"startType", row.startType},
                           {"startup", kelvd::StartTypeName(row.startType)},
                           {"state", row.checkState}});
    }
    Json categories = Json::array();
    for (const ListedCategory& listed : ListCategories(model)) {
        const kelvd::ApiCategory& category = *listed.category;
        Json events = Json::array();
        for (size_t event = 0; event < category.eventNames.size(); ++event)
            events.push_back({{"name", Utf8FromModel(category.eventNames[event])},
                              {"flag", category.eventFlags[event]}});
        categories.push_back({{"table", listed.table},
                              {"name", Utf8FromModel(category.name)},
                              {"tag", category.tag},
                              {"state", category.checkState},
                              {"events", std::move(events)}});
    }
    Json values = Json::object();
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        values[setting.name] = settings.*(setting.field);
    const Json shown = {{"place", Utf8FromModel(place)},
                        {"drivers", std::move(drivers)},
                        {"categories", std::move(categories)},
                        {"settings", std::move(values)}};
    out << shown.dump(2) << "\n";
}

} // namespace kelvcfg
