// kelvcfg's profiles: the configuration as JSON text, exported from a hive, checked against the
// schema in docs/, and applied to any place as driver, event and set apply their arguments.
#include "offline_hive.h"

#include "res/string_table.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <valijson/adapters/nlohmann_json_adapter.hpp>
#include <valijson/schema.hpp>
#include <valijson/schema_parser.hpp>
#include <valijson/validator.hpp>

#include <fstream>
#include <memory>

namespace {

using Json = nlohmann::json;

// Whether text is a profile as docs/profile.schema.json describes it; problems name what fails.
bool MatchesSchema(const std::string& text, std::string* problems) {
    static const std::unique_ptr<valijson::Schema> schema = [] {
        const Json document = Json::parse(std::ifstream(KELVD_PROFILE_SCHEMA));
        auto parsed = std::make_unique<valijson::Schema>();
        valijson::SchemaParser().populateSchema(valijson::adapters::NlohmannJsonAdapter(document),
                                                *parsed);
        return parsed;
    }();
    const Json profile = Json::parse(text);
    valijson::ValidationResults results;
    const bool valid = valijson::Validator().validate(
        *schema, valijson::adapters::NlohmannJsonAdapter(profile), &results);
    for (valijson::ValidationResults::Error error; results.popError(error);)
        *problems += error.description + "\n";
    return valid;
}

struct Profiles : kelvcfg::test::OfflineHive {
    // Exports the hive's profile into name and gives its text, which must match the schema.
    std::string Exported(const std::string& name) {
        EXPECT_EQ(0, Kelvcfg({"--hive", HivePath(), "export-profile", Native(name)})) << err_;
        const std::string text = FileText(name);
        std::string problems;
        EXPECT_TRUE(MatchesSchema(text, &problems)) << problems << text;
        return text;
    }

    int Apply(const std::string& profile, std::vector<std::string> options = {}) {
        EXPECT_TRUE(platform::WriteWholeFile(dir_.File("applied.json"), profile));
        std::vector<std::string> args = {"--hive", HivePath(), "apply", Native("applied.json")};
        args.insert(args.end(), options.begin(), options.end());
        return Kelvcfg(args);
    }

    // What the hive and the hook-state file hold.
    std::string Stored() { return FileText("SYSTEM") + "|" + FileText("hookstate.dat"); }
};

TEST_F(Profiles, ExportedProfileHoldsEveryDriverEventAndSettingOnePerLine) {
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "driver", "on", "atdisk", "KWVGA.DLL"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "driver", "add", "C:\\Tools\\probe.sys"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "event", "off", "ExAllocatePool"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "set", "MemUsage=4096", "StackThreshold=800",
                          "MemTrackingOn=off"}))
        << err_;
    EXPECT_EQ("{\n"
              "  \"categories\": {\n"
              "    \"api\": {\n"
              "      \"Io\": {\n"
              "        \"IoCallDriver\": 1,\n"
              "        \"IoCreateDevice\": 0,\n"
              "        \"IoDeleteDevice\": 0\n"
              "      },\n"
              "      \"Memory\": {\n"
              "        \"ExAllocatePool\": 0,\n"
              "        \"ExFreePool\": 0\n"
              "      }\n"
              "    }\n"
              "  },\n"
              "  \"drivers\": {\n"
              "    \"display\": {\n"
              "      \"KWVGA.DLL\": 2\n"
              "    },\n"
              "    \"driver\": {\n"
              "      \"ATDISK\": 1,\n"
              "      \"DESCRIBED\": 0,\n"
              "      \"KWNET\": 0,\n"
              "      \"KWVGA\": 0,\n"
              "      \"SERIAL\": 0\n"
              "    },\n"
              "    \"user\": {\n"
              "      \"C:\\\\Tools\\\\probe.sys\": 1\n"
              "    }\n"
              "  },\n"
              "  \"kelvd-profile\": 1,\n"
              "  \"settings\": {\n"
              "    \"DRPopup\": 0,\n"
              "    \"MemTrackingOn\": 0,\n"
              "    \"MemUsage\": 4096,\n"
              "    \"NumGuardBytes\": 8,\n"
              "    \"StackThreshold\": 2048,\n"
              "    \"Start\": 0\n"
              "  }\n"
              "}\n",
              Exported("a.json"));
    EXPECT_EQ("written: " + Native("a.json") + "\n", out_);
}

// Applied to a fresh copy, a profile gives that copy the same profile, byte for byte; applied to
// the place it came from, it changes nothing.
TEST_F(Profiles, RoundTripGivesTheSameBytesAndTheSourceStaysAsItWas) {
    const std::string fresh = FileText("SYSTEM"), freshHookState = FileText("hookstate.dat");
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "driver", "on", "serial", "KWVGA.DLL"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "driver", "add", "C:\\Tools\\probe.sys"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "category", "on", "Io"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "set", "DRPopup=2", "NumGuardBytes=32"})) << err_;
    const std::string profile = Exported("a.json");
    const std::vector<kelvcfg::test::Value> values = HiveValues();
    const std::string hookState = FileText("hookstate.dat");

    ASSERT_EQ(0, Apply(profile)) << err_;
    EXPECT_EQ("stored: " + HivePlace() + "\nwritten: " + Native("hookstate.dat") + "\n", out_);
    EXPECT_EQ(values, HiveValues());
    EXPECT_EQ(hookState, FileText("hookstate.dat"));

    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("SYSTEM"), fresh));
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("hookstate.dat"), freshHookState));
    ASSERT_NE(profile, Exported("b.json"));
    ASSERT_EQ(0, Apply(profile)) << err_;
    EXPECT_EQ(profile, Exported("b.json"));
    EXPECT_EQ(values, HiveValues());
}

// A driver, category or event the place lacks refuses the whole profile, unless it is passed over
// and named; a user driver the place lacks is added as driver add adds it.
TEST_F(Profiles, WhatThePlaceLacksIsRefusedOrPassedOverAndNamed) {
    Json profile = Json::parse(Exported("a.json"));
    profile["drivers"]["driver"]["SERIAL"] = 1;
    profile["drivers"]["driver"]["NOSUCH.SYS"] = 1;
    profile["drivers"]["user"]["C:\\Tools\\probe.sys"] = 1;
    profile["categories"]["api"]["Memory"]["ExFreePool"] = 1;
    profile["categories"]["api"]["Memory"]["NoSuchApi"] = 1;
    profile["categories"]["api"]["Registry"] = {{"RegOpenKey", 1}};
    const std::string before = Stored();
    for (const auto& [removed, error] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "driver not found: NOSUCH.SYS"},
             {{"NOSUCH.SYS"}, "event not found: Memory / NoSuchApi"},
             {{"NOSUCH.SYS", "NoSuchApi"}, "category not found: Registry"}}) {
        Json partial = profile;
        for (const std::string& name : removed) {
            partial["drivers"]["driver"].erase(name);
            partial["categories"]["api"]["Memory"].erase(name);
        }
        EXPECT_EQ(2, Apply(partial.dump(2))) << partial.dump(2);
        EXPECT_EQ("kelvcfg: " + error + "\n", err_);
        EXPECT_EQ(before, Stored());
    }

    const std::string place = " (not in " + HivePlace() + ")\n";
    ASSERT_EQ(0, Apply(profile.dump(2), {"--ignore-missing"})) << err_;
    EXPECT_EQ("skipped: driver NOSUCH.SYS" + place + "skipped: event Memory / NoSuchApi" + place +
                  "skipped: category Registry" + place + "stored: " + HivePlace() +
                  "\nwritten: " + Native("hookstate.dat") + "\n",
              out_);
    const Json applied = Json::parse(Exported("b.json"));
    EXPECT_EQ(1, applied["drivers"]["driver"]["SERIAL"]);
    EXPECT_EQ(1, applied["drivers"]["user"]["C:\\Tools\\probe.sys"]);
    EXPECT_EQ(1, applied["categories"]["api"]["Memory"]["ExFreePool"]);
}

struct BadProfile {
    const char* name;
    const char* text; // the exported profile with this in place of its "settings"
    int code;
    std::string error;
};

struct BadProfiles : Profiles, ::testing::WithParamInterface<BadProfile> {};

// Text that is no profile is exit 4; settings are refused as set refuses them; nothing is written.
TEST_P(BadProfiles, AreRefusedAndNothingIsWritten) {
    const BadProfile& bad = GetParam();
    std::string text = Exported("a.json");
    const size_t settings = text.find("\"settings\"");
    text = text.substr(0, settings) + bad.text + "\n}\n";
    const std::string before = Stored();
    EXPECT_EQ(bad.code, Apply(text)) << text;
    EXPECT_EQ(0u, err_.find("kelvcfg: " + bad.error)) << err_;
    EXPECT_EQ(1, std::count(err_.begin(), err_.end(), '\n')) << err_;
    EXPECT_EQ(before, Stored());
    std::string problems;
    if (bad.code != 1 && Json::accept(text)) {
        EXPECT_FALSE(MatchesSchema(text, &problems)) << "the schema takes it";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kelvcfg, BadProfiles,
    ::testing::Values(BadProfile{"NoJson", "\"settings\": {", 4, "not a profile of version 1: "},
                      BadProfile{"NegativeNumber", "\"settings\": {\"DRPopup\": -1}", 4,
                                 "not a profile of version 1: DRPopup is not a number"},
                      BadProfile{"NumberAsText", "\"settings\": {\"DRPopup\": \"1\"}", 4,
                                 "not a profile of version 1: DRPopup is not a number"},
                      BadProfile{"SettingsAsList", "\"settings\": [1]", 4,
                                 "not a profile of version 1: settings is not an object"},
                      BadProfile{"LaterVersion", "\"settings\": {}, \"kelvd-profile\": 2", 4,
                                 "not a profile of version 1: its \"kelvd-profile\" is not 1"},
                      BadProfile{"UnknownTable", "\"settings\": {}, \"drivers\": {\"printer\": {}}",
                                 4, "not a profile of version 1: no table is called \"printer\""},
                      BadProfile{"SmallEventBuffer", "\"settings\": {\"MemUsage\": 1000}", 3,
                                 std::string("MemUsage 1000: ") +
                                     kelvd::TableString(kelvd::kStrSmallEventBuffer)},
                      BadProfile{"PopupOutOfRange", "\"settings\": {\"DRPopup\": 5}", 3,
                                 "DRPopup must be one of 0, 1, 2"},
                      BadProfile{"UnknownSetting", "\"settings\": {\"Colour\": 1}", 1,
                                 "not a setting"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
