// kelvcfg's answers: its exit codes with their one-line errors, a hive that cannot be read or
// written left byte for byte as it was, show for people and for programs, and its help.
#include "offline_hive.h"

#include "platform/file_system.h"
#include "res/string_table.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

namespace {

struct Refusal {
    std::vector<std::string> args; // after --hive PATH
    int code;
    std::string error; // a part of the one line on stderr
};

class KelvcfgExits : public kelvcfg::test::OfflineHive {
protected:
    // Runs every refusal against the hive and checks that it changed nothing.
    void ExpectRefusals(const std::vector<Refusal>& refusals, bool suite = true) {
        const std::string hive = Bytes(HivePath());
        for (const Refusal& refusal : refusals) {
            std::vector<std::string> args = {"--hive", HivePath()};
            args.insert(args.end(), refusal.args.begin(), refusal.args.end());
            EXPECT_EQ(refusal.code, Kelvcfg(args, suite)) << refusal.args[0];
            EXPECT_NE(std::string::npos, err_.find(refusal.error)) << err_;
            EXPECT_EQ(1, std::count(err_.begin(), err_.end(), '\n')) << err_;
            EXPECT_EQ(hive, Bytes(HivePath())) << refusal.args[0];
        }
    }
};

TEST_F(KelvcfgExits, EveryCodeWithItsOneLineAndNothingWritten) {
    ExpectRefusals({
        {{"frobnicate"}, 1, "frobnicate"},
        {{"driver", "on"}, 1, "NAME"},
        {{"set", "Colour=red"}, 1, "not a setting"},
        {{"show", "--config", "a.kwt"}, 1, "exactly one place"},
        {{"driver", "on", "Atdisk", "nosuch.sys"}, 2, "driver not found: nosuch.sys"},
        {{"event", "on", "ExAllocatePool", "NoSuchApi"}, 2, "event not found: NoSuchApi"},
        {{"category", "off", "Registry"}, 2, "category not found: Registry"},
        {{"set", "MemUsage=1000"}, 3, kelvd::TableString(kelvd::kStrSmallEventBuffer)},
        {{"set", "StackThreshold=3000"}, 3, kelvd::TableString(kelvd::kStrBadStackThreshold)},
        {{"set", "DRPopup=5"}, 3, "DRPopup must be one of 0, 1, 2"},
        {{"set", "NumGuardBytes=12"}, 3, "NumGuardBytes must be one of 0, 8, 16, 32"},
        {{"driver", "add", "C:\\Other\\ATDISK"}, 3, kelvd::TableString(kelvd::kStrDuplicateDriver)},
        {{"load", Native("none.kwt")}, 4, "cannot read configuration file"},
    });
    ExpectRefusals({{{"event", "on", "ExAllocatePool"}, 1, "--catalogue"}}, false);
}

TEST_F(KelvcfgExits, HivesThatCannotBeReadOrWrittenAreLeftAsTheyWere) {
    std::string damaged = Bytes(HivePath());
    damaged[0] = 'x';
    std::string shortened = Bytes(HivePath()).substr(0, 5000);
    std::string noSelect = Bytes(HivePath());
    ASSERT_NE(std::string::npos, noSelect.find("Select"));
    noSelect.replace(noSelect.find("Select"), 6, "Selekt"); // the key's name, not the value's
    for (const std::string& bytes : {damaged, shortened, noSelect}) {
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File("SYSTEM"), bytes));
        ExpectRefusals({{{"show"}, 4, "hive"}, {{"select-all"}, 4, "hive"}});
    }
    ExpectRefusals({{{"--hive", Native("nothing"), "show"}, 1, "exactly one place"}});
    EXPECT_EQ(4, Kelvcfg({"--hive", Native("nothing"), "show"}));

    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("SYSTEM"), damaged));
    ASSERT_EQ(0, ::chmod(HivePath().c_str(), 0444));
    ExpectRefusals({{{"select-all"}, 5, "read-only"}});
    EXPECT_EQ(4, Kelvcfg({"--hive", HivePath(), "show"})) << "readable, but no hive";
}

TEST_F(KelvcfgExits, ReadOnlyHiveIsReadButNotWritten) {
    ASSERT_EQ(0, ::chmod(HivePath().c_str(), 0444));
    ExpectRefusals({{{"set", "DRPopup=1"}, 5, "read-only"}});
    EXPECT_EQ(0, Kelvcfg({"--hive", HivePath(), "save", Native("a.kwt")})) << err_;
    ASSERT_EQ(0, ::chmod(Native("a.kwt").c_str(), 0444));
    const std::string saved = Bytes(Native("a.kwt"));
    EXPECT_EQ(5, Kelvcfg({"--config", Native("a.kwt"), "select-none"}));
    EXPECT_EQ(5, Kelvcfg({"--hive", HivePath(), "save", Native("a.kwt")}));
    EXPECT_EQ(saved, Bytes(Native("a.kwt")));
}

TEST_F(KelvcfgExits, ShowListsEveryRowCategoryEventAndSetting) {
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "show"})) << err_;
    for (const char* shown : {"driver   off    ATDISK", "display  off    KWVGA.DLL", "AT disk",
                              "DESCRIBED    Described", "some  Memory (2 events)",
                              "on   ExAllocatePool", "StackThreshold  0x00000400"})
        EXPECT_NE(std::string::npos, out_.find(shown)) << shown << "\n" << out_;
    EXPECT_EQ(std::string::npos, out_.find("SPOOLER")); // no driver
    EXPECT_EQ(std::string::npos, out_.find("KELVD "));  // the checker's own

    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "show", "--json"})) << err_;
    const nlohmann::json shown = nlohmann::json::parse(out_);
    ASSERT_EQ(6u, shown["drivers"].size());
    EXPECT_EQ("Atdisk", shown["drivers"][0]["path"]);
    EXPECT_EQ("display", shown["drivers"][5]["table"]);
    EXPECT_EQ(-1, shown["drivers"][5]["startType"]);
    EXPECT_EQ(2, shown["categories"][0]["state"]);
    EXPECT_EQ(1, shown["categories"][1]["events"][2]["flag"]);
    EXPECT_EQ(1024, shown["settings"]["MemUsage"]);
}

TEST_F(KelvcfgExits, HelpListsEveryCommandAndExitCode) {
    ASSERT_EQ(0, Kelvcfg({"--help"}, false));
    for (const char* listed :
         {"show [--json]", "select-all", "select-none", "driver on|off NAME", "driver add PATH",
          "event on|off", "category on|off", "set NAME=VALUE", "save FILE", "load FILE",
          "export-farhand FILE", "diff", "--dry-run", "--hive", "--config", "--catalogue",
          "--hook-state", "6 diff found differences"})
        EXPECT_NE(std::string::npos, out_.find(listed)) << listed;
}

} // namespace
