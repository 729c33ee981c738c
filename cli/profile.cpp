#include "cli/profile.h"

#include "cli/command_error.h"
#include "cli/listing.h"
#include "cli/selection.h"
#include "cli/settings_text.h"
#include "cli/unicode.h"
#include "pages/driver_list_page.h"
#include "platform/multibyte.h"
#include "stores/checker_value_names.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <limits>

namespace kelvcfg {

namespace {

using Json = nlohmann::json; // its objects keep their keys sorted

constexpr const char* kVersionKey = "kelvd-profile";
constexpr const char* kDriverTables[] = {"driver", "display", "user", "vxd", "user-vxd"};
constexpr const char* kCategoryTables[] = {"api", "vxd-api"};

bool IsUserTable(const std::string& table) {
    return table == "user" || table == "user-vxd";
}

// How a profile names a row: a user driver by its path, any other by its file name.
std::string ProfileName(const std::string& table, const kelvd::DriverEntry& row) {
    return Utf8FromModel(IsUserTable(table) ? row.path : kelvd::ListedDriverName(row.path));
}

// What a profile holds, read and checked before anything of it is applied.
struct ProfileDriver {
    std::string table, name; // name: the model's text
    uint32_t state;
};
struct ProfileEvent {
    std::string name;
    uint32_t flag;
};
struct ProfileCategory {
    std::string table, name;
    std::vector<ProfileEvent> events;
};
struct Profile {
    std::vector<ProfileDriver> drivers;
    std::vector<ProfileCategory> categories;
    std::vector<std::string> assignments; // the settings as set takes them
};

// Throws the error of a text that is no profile.
[[noreturn]] void NoProfile(const std::string& why) {
    throw CommandError(kUnreadable,
                       "not a profile of version " + std::to_string(kProfileVersion) + ": " + why);
}

uint32_t Number(const Json& value, const std::string& what) {
    if (!value.is_number_unsigned() || value.get<uint64_t>() > std::numeric_limits<uint32_t>::max())
        NoProfile(what + " is not a number from 0 to 4294967295");
    return value.get<uint32_t>();
}

const Json& Object(const Json& value, const std::string& what) {
    if (!value.is_object())
        NoProfile(what + " is not an object");
    return value;
}

// The part of a profile under key, an empty object when it has none.
const Json& Part(const Json& profile, const char* key) {
    static const Json none = Json::object();
    const auto found = profile.find(key);
    return Object(found == profile.end() ? none : *found, key);
}

template <size_t N> void CheckTable(const char* const (&tables)[N], const std::string& table) {
    for (const char* known : tables)
        if (table == known)
            return;
    NoProfile("no table is called \"" + table + "\"");
}

Profile Read(const std::string& text) {
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::parse_error& error) {
        NoProfile(error.what());
    }
    Object(json, "the profile");
    if (!json.contains(kVersionKey) || Number(json[kVersionKey], kVersionKey) != kProfileVersion)
        NoProfile(std::string("its \"") + kVersionKey + "\" is not " +
                  std::to_string(kProfileVersion));
    Profile profile;
    for (const auto& [table, rows] : Part(json, "drivers").items()) {
        CheckTable(kDriverTables, table);
        for (const auto& [name, state] : Object(rows, "drivers." + table).items())
            profile.drivers.push_back({table, ModelFromUtf8(name), Number(state, name)});
    }
    for (const auto& [table, list] : Part(json, "categories").items()) {
        CheckTable(kCategoryTables, table);
        for (const auto& [name, events] : Object(list, "categories." + table).items()) {
            ProfileCategory category{table, ModelFromUtf8(name), {}};
            for (const auto& [event, flag] : Object(events, name).items())
                category.events.push_back({ModelFromUtf8(event), Number(flag, event)});
            profile.categories.push_back(std::move(category));
        }
    }
    for (const auto& [name, value] : Part(json, "settings").items())
        profile.assignments.push_back(name + "=" + SettingArgument(name, Number(value, name)));
    return profile;
}

class Application {
public:
    Application(bool ignoreMissing, std::vector<std::string>* skipped)
        : ignoreMissing_(ignoreMissing), skipped_(skipped) {}

    void Drivers(const std::vector<ProfileDriver>& drivers) {
        std::vector<std::string> on, off;
        for (const ProfileDriver& driver : drivers) {
            if (!DriverListed(driver.name)) {
                if (driver.table == "user")
                    AddDriver(driver.name, false);
                else {
                    Skip("driver", driver.name);
                    continue;
                }
            }
            (driver.state ? on : off).push_back(driver.name);
        }
        SetDrivers(on, true);
        SetDrivers(off, false);
    }

    void Category(const ProfileCategory& given) {
        kelvd::ConfigModel& model = kelvd::configModel();
        std::vector<kelvd::ApiCategory*> named;
        for (kelvd::ApiCategory& category :
             given.table == "api" ? model.apiCategories : model.vxdApiCategories)
            if (platform::MbsICmp(category.name.c_str(), given.name.c_str()) == 0)
                named.push_back(&category);
        if (named.empty()) {
            Skip("category", given.name);
            return;
        }
        for (const ProfileEvent& event : given.events)
            if (!SetFlag(named, event))
                Skip("event", given.name + " / " + event.name);
        for (kelvd::ApiCategory* category : named)
            category->checkState = category->StateFromFlags();
    }

private:
    // Sets the event's flag in every category named; false when none has it.
    static bool SetFlag(const std::vector<kelvd::ApiCategory*>& categories,
                        const ProfileEvent& event) {
        bool found = false;
        for (kelvd::ApiCategory* category : categories)
            for (size_t at = 0; at < category->eventNames.size(); ++at)
                if (platform::MbsCmp(category->eventNames[at].c_str(), event.name.c_str()) == 0) {
                    category->eventFlags[at] = event.flag ? 1 : 0;
                    found = true;
                }
        return found;
    }

    // A name the place lacks: noted as passed over when missing ones are, else refused.
    void Skip(const char* what, const std::string& name) {
        if (!ignoreMissing_)
            throw CommandError(kNotFound,
                               std::string(what) + " not found: " + ConsoleFromModel(name));
        skipped_->push_back(std::string(what) + " " + name);
    }

    bool ignoreMissing_;
    std::vector<std::string>* skipped_;
};

} // namespace

std::string ProfileText(const kelvd::ConfigModel& model, const kelvd::ScalarSettings& settings) {
    Json drivers = Json::object();
    for (const ListedDriver& driver : ListDrivers(model)) {
        Json& table = drivers[driver.table];
        const std::string name = ProfileName(driver.table, *driver.row);
        if (!table.contains(name)) // rows of one name are set together: the first stands for all
            table[name] = driver.row->checkState;
    }
    Json categories = Json::object();
    for (const ListedCategory& listed : ListCategories(model)) {
        Json& events = categories[listed.table][Utf8FromModel(listed.category->name)];
        events = Json::object();
        const kelvd::ApiCategory& category = *listed.category;
        for (size_t event = 0; event < category.eventNames.size(); ++event)
            events.emplace(Utf8FromModel(category.eventNames[event]), category.eventFlags[event]);
    }
    Json values = Json::object();
    for (const kelvd::ScalarValue& setting : kelvd::kScalarValues)
        values[setting.name] = settings.*(setting.field);
    const Json profile = {{kVersionKey, kProfileVersion},
                          {"drivers", std::move(drivers)},
                          {"categories", std::move(categories)},
                          {"settings", std::move(values)}};
    return profile.dump(2) + "\n";
}

void ApplyProfile(const std::string& text, bool ignoreMissing, kelvd::ScalarSettings* settings,
                  std::vector<std::string>* skipped) {
    const Profile profile = Read(text);
    Application application(ignoreMissing, skipped);
    application.Drivers(profile.drivers);
    for (const ProfileCategory& category : profile.categories)
        application.Category(category);
    AssignSettings(profile.assignments, settings);
}

} // namespace kelvcfg
