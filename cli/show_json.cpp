#include "cli/json_writer.h"
#include "cli/listing.h"
#include "cli/show.h"
#include "cli/unicode.h"
#include "pages/driver_list_page.h"
#include "stores/checker_value_names.h"

namespace kelvcfg {

namespace {

void WriteDrivers(const kelvd::ConfigModel& model, JsonWriter& json) {
    json.BeginArray();
    for (const ListedDriver& driver : ListDrivers(model)) {
        const kelvd::DriverEntry& row = *driver.row;
        json.BeginObject();
        json.String("table", driver.table);
        json.String("name", Utf8FromModel(kelvd::ListedDriverName(row.path)));
        json.String("path", Utf8FromModel(row.path));
        json.String("description", Utf8FromModel(row.description));
        json.String("group", Utf8FromModel(row.group));
        json.Number("startType", row.startType);
        json.String("startup", kelvd::StartTypeName(row.startType));
        json.Number("state", row.checkState);
        json.EndObject();
    }
    json.EndArray();
}

void WriteEvents(const kelvd::ApiCategory& category, JsonWriter& json) {
    json.BeginArray();
    for (size_t event = 0; event < category.eventNames.size(); ++event) {
        json.BeginObject();
        json.String("name", Utf8FromModel(category.eventNames[event]));
        json.Number("flag", category.eventFlags[event]);
        json.EndObject();
    }
    json.EndArray();
}

void WriteCategories(const kelvd::ConfigModel& model, JsonWriter& json) {
    json.BeginArray();
    for (const ListedCategory& listed : ListCategories(model)) {
        const kelvd::ApiCategory& category = *listed.category;
        json.BeginObject();
        json.String("table", listed.table);
        json.String("name", Utf8FromModel(category.name));
        json.Number("tag", category.tag);
        json.Number("state", category.checkState);
        json.Key("events");
        WriteEvents(category, json);
        json.EndObject();
    }
    json.EndArray();
}

} // namespace

// Written as it is made: a document of 51,000 events would take far longer to build first.
void ShowJson(const std::string& place, const kelvd::ConfigModel& model,
              const kelvd::ScalarSettings& settings, std::ostream& out) {
    JsonWriter json(out);
    json.BeginObject();
    json.String("place", Utf8FromModel(place));
    json.Key("drivers");
    WriteDrivers(model, json);
    json.Key("categories");
    WriteCategories(model, json);
    json.Key("settings");
    json.BeginObject();
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        json.Number(setting.name, settings.*(setting.field));
    json.EndObject();
    json.EndObject();
    out << "\n";
}

} // namespace kelvcfg
