// kelvcfg's exit codes with their one-line errors, hives left as they were, show, its texts.
#include "offline_hive.h"

#include "cli/aligned_rows.h"
#include "cli/columns.h"
#include "cli/journal.h"
#include "cli/listing.h"
#include "cli/settings_text.h"
#include "cli/staged_files.h"
#include "cli/staged_registry.h"
#include "cli/unicode.h"
#include "platform/little_endian.h"
#include "platform/substitute/memory_file_system.h"
#include "platform/substitute/memory_registry.h"
#include "res/string_table.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <ctime>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Refusal {
    std::vector<std::string> args; // after --hive PATH
    int code;
    std::string error; // a part of the one line on stderr
};

struct KelvcfgExits : kelvcfg::test::OfflineHive {
    // Runs every refusal against the hive and checks that it changed nothing.
    void ExpectRefusals(const std::vector<Refusal>& refusals, bool suite = true) {
        const std::string hive = FileText("SYSTEM");
        for (const Refusal& refusal : refusals) {
            std::vector<std::string> args = {"--hive", HivePath()};
            args.insert(args.end(), refusal.args.begin(), refusal.args.end());
            EXPECT_EQ(refusal.code, Kelvcfg(args, suite)) << refusal.args[0];
            EXPECT_NE(std::string::npos, err_.find(refusal.error)) << err_;
            EXPECT_EQ(1, std::count(err_.begin(), err_.end(), '\n')) << err_;
            EXPECT_EQ(hive, FileText("SYSTEM")) << refusal.args[0];
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
        {{"driver", "on", "C:\\Atdisk"}, 2, "driver not found: C:\\Atdisk"},
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
    // What needs no catalogue runs without, and without the library's word on a missing one.
    EXPECT_EQ(0, Kelvcfg({"--hive", HivePath(), "show"}, false));
    EXPECT_EQ("", err_);
}

TEST_F(KelvcfgExits, HivesThatCannotBeReadOrWrittenAreLeftAsTheyWere) {
    std::string damaged = FileText("SYSTEM");
    damaged[0] = 'x';
    std::string shortened = FileText("SYSTEM").substr(0, 5000);
    std::string noSelect = FileText("SYSTEM");
    ASSERT_NE(std::string::npos, noSelect.find("Select"));
    noSelect.replace(noSelect.find("Select"), 6, "Selekt"); // the key's name, not the value's
    // Select\Default of type REG_BINARY, and Default 2 with no ControlSet002 (the type and the
    // inline data of its value record).
    std::string binaryDefault = FileText("SYSTEM");
    size_t named = binaryDefault.find("Default");
    while (named != std::string::npos && binaryDefault.compare(named - 20, 2, "vk") != 0)
        named = binaryDefault.find("Default", named + 1);
    ASSERT_NE(std::string::npos, named);
    std::string secondSet = binaryDefault;
    binaryDefault[named - 8] = 3;
    secondSet[named - 12] = 2;
    for (const std::string& bytes : {damaged, shortened, noSelect, binaryDefault, secondSet}) {
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

// libhivex frees the cells of a key's old values as it writes new ones, and stops the process
// when it frees one twice: a checker key whose value list names a value twice, or whose values
// share their data, or whose value list is a value's data, is refused as damaged instead, as is
// one whose value's data is no cell, with the hive left as it was; it still shows.
TEST_F(KelvcfgExits, DamagedCheckerKeyIsRefusedBeforeItChanges) {
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "select-all"})) << err_;
    hive_node_h valueList = 0, firstValue = 0;
    std::vector<std::pair<hive_node_h, hive_node_h>> outside; // values with data cells of their own
    {
        const std::unique_ptr<kelvcfg::Hive> hive =
            kelvcfg::Hive::Open(HivePath(), kelvcfg::Hive::Mode::Read);
        hive_node_h key = hive->root();
        for (const char* name : {"ControlSet001", "Services", "Kelvd"})
            key = hivex_node_get_child(hive->handle(), key, name);
        ASSERT_NE(0u, key);
        const kelvcfg::HivexPtr<hive_value_h> list(hivex_node_values(hive->handle(), key));
        for (size_t at = 0; list && list.get()[at]; ++at) {
            size_t length = 0;
            const hive_value_h value = list.get()[at];
            if (hive_node_h cell = hivex_value_data_cell_offset(hive->handle(), value, &length))
                outside.emplace_back(value, cell);
        }
        ASSERT_TRUE(list && list.get()[0]);
        firstValue = list.get()[0];
        valueList = hive->FileValueList(key);
    }
    ASSERT_GE(outside.size(), 2u);
    const std::string whole = FileText("SYSTEM");
    // The hive with the offset of a cell, as records hold it, written at a place in the file.
    const auto pointing = [&whole](size_t place, hive_node_h cell) {
        std::string bytes = whole;
        platform::StoreUint32(reinterpret_cast<uint8_t*>(&bytes[place]),
                              static_cast<uint32_t>(cell - 0x1000));
        return bytes;
    };
    const size_t kSecondValue = 8, kValueData = 12; // in a value list, in a value record
    const std::string shared = "(its values share their cells)";
    const std::pair<std::string, std::string> damages[] = {
        {pointing(valueList + kSecondValue, firstValue), shared},
        {pointing(outside[1].first + kValueData, outside[0].second), shared},
        {pointing(outside[0].first + kValueData, valueList), shared},
        {pointing(outside[0].first + kValueData, outside[0].second + 8), "(libhivex: "},
    };
    for (const auto& [bytes, why] : damages) {
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File("SYSTEM"), bytes));
        ExpectRefusals({{{"select-none"}, 4, "is damaged: cannot set System\\ControlSet001"}});
        EXPECT_NE(std::string::npos, err_.find(why)) << err_;
        EXPECT_EQ(0, Kelvcfg({"--hive", HivePath(), "show"})) << "still read: " << err_;
    }
}

// libhivex places a new key among the others by their names: under a key with a subkey whose
// name it cannot read, the checker's key is not made, and the hive is refused as damaged.
TEST_F(KelvcfgExits, KeyAmongUnreadableNamesIsNotMade) {
    hive_node_h serial = 0;
    {
        const std::unique_ptr<kelvcfg::Hive> hive =
            kelvcfg::Hive::Open(HivePath(), kelvcfg::Hive::Mode::Read);
        serial = hive->root();
        for (const char* name : {"ControlSet001", "Services", "Serial"})
            serial = hivex_node_get_child(hive->handle(), serial, name);
        ASSERT_NE(0u, serial);
    }
    const size_t kNameLength = 0x4C; // in a key record
    std::string bytes = FileText("SYSTEM");
    bytes.replace(serial + kNameLength, 2, "\xFF\x7F"); // far longer than its record
    ASSERT_TRUE(platform::WriteWholeFile(dir_.File("SYSTEM"), bytes));
    ExpectRefusals({{{"select-all"},
                     4,
                     "is damaged: cannot make key System\\ControlSet001\\Services\\Kelvd (a "
                     "subkey's name cannot be read)"}});
}

// Windows starts with Select\Default next: that set is worked on unless --control-set names
// another; Current, which the system ran last, only shows. No control set is ever made.
struct ChosenControlSet : KelvcfgExits {
    ChosenControlSet() { controlSet_ = 2; }

    void SetUp() override {
        KelvcfgExits::SetUp();
        EditHive([](hive_h* handle, hive_node_h root) {
            const hive_node_h older = hivex_node_add_child(handle, root, "ControlSet001");
            const hive_node_h service = hivex_node_add_child(
                handle, hivex_node_add_child(handle, older, "Services"), "Older");
            uint32_t one = 1;
            hive_set_value type{const_cast<char*>("Type"), hive_t_REG_DWORD, 4,
                                reinterpret_cast<char*>(&one)};
            EXPECT_EQ(0, hivex_node_set_value(handle, service, &type, 0));
            hivex_node_add_child(handle, root, "ControlSet003"); // without Services
            hive_set_value current{const_cast<char*>("Current"), hive_t_REG_DWORD, 4,
                                   reinterpret_cast<char*>(&one)};
            EXPECT_EQ(0, hivex_node_set_value(handle, hivex_node_get_child(handle, root, "Select"),
                                              &current, 0));
        });
    }

    // The first line of show, and whether the set's drivers or the other's are listed.
    std::string Shown(std::vector<std::string> args) {
        args.insert(args.begin(), {"--hive", HivePath()});
        args.push_back("show");
        EXPECT_EQ(0, Kelvcfg(args)) << err_;
        const bool atdisk = out_.find("ATDISK") != std::string::npos;
        const bool older = out_.find("OLDER") != std::string::npos;
        return out_.substr(0, out_.find('\n')) + (atdisk ? " atdisk" : "") +
               (older ? " older" : "");
    }
};

TEST_F(ChosenControlSet, DefaultSetUnlessAnotherIsNamedAndNoneIsMade) {
    const std::string roles = " (Default ControlSet002, Current ControlSet001)";
    EXPECT_EQ("Drivers of hive " + HivePath() + ", ControlSet002" + roles + ": atdisk", Shown({}));
    EXPECT_EQ("Drivers of hive " + HivePath() + ", ControlSet001" + roles + ": older",
              Shown({"--control-set", "1"}));

    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "--control-set", "1", "select-all"})) << err_;
    EXPECT_EQ("stored: hive " + HivePath() + ", ControlSet001" + roles,
              out_.substr(0, out_.find('\n')));
    EXPECT_FALSE(HiveValues(1).empty());
    EXPECT_TRUE(HiveValues(2).empty());
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "select-none"})) << err_;
    EXPECT_FALSE(HiveValues(2).empty());
    EXPECT_EQ((std::vector<std::string>{"ControlSet001", "ControlSet002", "ControlSet003"}),
              ControlSets());
}

TEST_F(ChosenControlSet, MissingSetOrServicesIsRefusedAndBadNumbersAreUsage) {
    ExpectRefusals({
        {{"--control-set", "4", "show"}, 4, "has no ControlSet004"},
        {{"--control-set", "4", "select-all"}, 4, "has no ControlSet004"},
        {{"--control-set", "3", "select-all"}, 4, "has no ControlSet003\\Services"},
        {{"--control-set", "0", "show"}, 1, "--control-set"},
        {{"--control-set", "1000", "show"}, 1, "--control-set"},
        {{"--control-set", "two", "show"}, 1, "--control-set"},
    });
    EXPECT_EQ(1, Kelvcfg({"--config", Native("a.kwt"), "--control-set", "2", "show"}));
    EXPECT_NE(std::string::npos, err_.find("--control-set goes with --hive")) << err_;
}

// A hive stays the file it was: a symbolic link to it stays a link, the file keeps its owner, group
// and mode, and the keys made carry the time they were made.
struct HiveIdentity : KelvcfgExits {
    // The time of last change of the key at path below the control set, as seconds since 1970.
    int64_t KeyTime(const std::vector<const char*>& path) const {
        const std::unique_ptr<kelvcfg::Hive> hive =
            kelvcfg::Hive::Open(HivePath(), kelvcfg::Hive::Mode::Read);
        hive_node_h key = hivex_node_get_child(hive->handle(), hive->root(), "ControlSet001");
        for (const char* name : path)
            key = key ? hivex_node_get_child(hive->handle(), key, name) : 0;
        EXPECT_NE(0u, key);
        return key ? hivex_node_timestamp(hive->handle(), key) / 10000000 - 11644473600 : 0;
    }

    bool TemporaryLeft(const std::string& file) const {
        return std::filesystem::exists(file + ".new~");
    }
};

TEST_F(HiveIdentity, LinkedHiveIsWrittenThroughItsLink) {
    kelvd::test::TempDir::MakeDirectories(dir_.File("image"));
    const std::string file = Native("image/SYSTEM");
    ASSERT_EQ(0, std::rename(HivePath().c_str(), file.c_str()));
    ASSERT_EQ(0, ::symlink("image/SYSTEM", HivePath().c_str()));
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "select-all"})) << err_;
    struct stat link;
    ASSERT_EQ(0, ::lstat(HivePath().c_str(), &link));
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_FALSE(HiveValues().empty());
    EXPECT_FALSE(TemporaryLeft(HivePath()) || TemporaryLeft(file));
    // A link to a read-only file is refused as the file is.
    ASSERT_EQ(0, ::chmod(file.c_str(), 0444));
    ExpectRefusals({{{"select-none"}, 5, "read-only"}});
}

TEST_F(HiveIdentity, OwnerGroupAndModeAreKept) {
    if (::chown(HivePath().c_str(), 4321, 8765) != 0)
        GTEST_SKIP() << "only the superuser gives a file to another owner";
    ASSERT_EQ(0, ::chmod(HivePath().c_str(), 0640));
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "select-all"})) << err_;
    struct stat status;
    ASSERT_EQ(0, ::stat(HivePath().c_str(), &status));
    EXPECT_EQ(4321u, status.st_uid);
    EXPECT_EQ(8765u, status.st_gid);
    EXPECT_EQ(0640u, status.st_mode & 07777);
    EXPECT_FALSE(HiveValues().empty());
}

TEST_F(HiveIdentity, KeysMadeCarryTheCommitsTimeAndOthersKeepTheirs) {
    const int64_t services = KeyTime({"Services"});
    const int64_t before = std::time(nullptr);
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "select-all"})) << err_;
    const int64_t made = KeyTime({"Services", "Kelvd"});
    EXPECT_LE(before, made);
    EXPECT_GE(std::time(nullptr), made);
    EXPECT_EQ(services, KeyTime({"Services"}));
}

// A command writes the hive, then the hook-state file. Each write made to fail in turn (its
// temporary file cannot be made, after every check has passed) leaves every file as it was, an
// absent hook-state file absent, with exit 5 and one line naming what failed.
struct FailedStep {
    const char* name;
    const char* failing; // the file whose temporary file is in the way
    bool hookStateThere;
};

struct AllOrNothing : KelvcfgExits, ::testing::WithParamInterface<FailedStep> {};

TEST_P(AllOrNothing, FailedWriteLeavesEveryPlaceAsItWas) {
    const FailedStep& step = GetParam();
    if (!step.hookStateThere) {
        ASSERT_EQ(0, std::remove(Native("hookstate.dat").c_str()));
    }
    const std::string hive = FileText("SYSTEM"), hookState = FileText("hookstate.dat");
    ASSERT_TRUE(std::filesystem::create_directory(Native(step.failing) + ".new~"));
    EXPECT_EQ(5, Kelvcfg({"--hive", HivePath(), "set", "DRPopup=2"}));
    EXPECT_EQ("", out_);
    const std::string named =
        std::string(step.failing) == "SYSTEM" ? "hive " + HivePath() : Native(step.failing);
    EXPECT_EQ(0u, err_.find("kelvcfg: cannot write " + named)) << err_;
    EXPECT_NE(std::string::npos, err_.find("; nothing was changed\n")) << err_;
    EXPECT_EQ(1, std::count(err_.begin(), err_.end(), '\n')) << err_;
    EXPECT_EQ(hive, FileText("SYSTEM"));
    EXPECT_EQ(step.hookStateThere, std::filesystem::exists(Native("hookstate.dat")));
    EXPECT_EQ(hookState, FileText("hookstate.dat"));

    std::filesystem::remove(Native(step.failing) + ".new~");
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "set", "DRPopup=2"})) << err_;
    EXPECT_NE(hive, FileText("SYSTEM"));
}

INSTANTIATE_TEST_SUITE_P(Kelvcfg, AllOrNothing,
                         ::testing::Values(FailedStep{"Hive", "SYSTEM", true},
                                           FailedStep{"HookStateAfterHive", "hookstate.dat", true},
                                           FailedStep{"NewHookStateAfterHive", "hookstate.dat",
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KelvcfgExits, ReadOnlyHiveIsReadButNotWritten) {
    ASSERT_EQ(0, ::chmod(HivePath().c_str(), 0444));
    ExpectRefusals({{{"set", "DRPopup=1"}, 5, "read-only"}});
    EXPECT_EQ(0, Kelvcfg({"--hive", HivePath(), "save", Native("a.kwt")})) << err_;
    ASSERT_EQ(0, ::chmod(Native("a.kwt").c_str(), 0444));
    const std::string saved = FileText("a.kwt");
    EXPECT_EQ(0, Kelvcfg({"--config", Native("a.kwt"), "show"})) << err_;
    EXPECT_EQ(5, Kelvcfg({"--config", Native("a.kwt"), "select-none"}));
    EXPECT_EQ(5, Kelvcfg({"--hive", HivePath(), "save", Native("a.kwt")}));
    EXPECT_EQ(saved, FileText("a.kwt"));
}

// Every driver (not the service that is no driver, nor the checker's own), byte for byte.
TEST_F(KelvcfgExits, ShowListsEveryRowCategoryEventAndSetting) {
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "show"})) << err_;
    EXPECT_EQ(
        "Drivers of " + HivePlace() +
            ":\n"
            "  TABLE    STATE  DRIVER NAME  PATH       DESCRIPTION                    GROUP        "
            "              STARTUP\n"
            "  driver   off    ATDISK       Atdisk     AT disk controller             SCSI miniport"
            "              Manual\n"
            "  driver   off    DESCRIBED    Described                                              "
            "              Manual\n"
            "  driver   off    KWNET        Kwnet      Demonstration network adapter  NDIS         "
            "              Automatic\n"
            "  driver   off    KWVGA        Kwvga      Demonstration display adapter  Video        "
            "              System\n"
            "  driver   off    SERIAL       Serial     Serial port                    Extended base"
            "              System\n"
            "  display  off    KWVGA.DLL    kwvga.dll                                 Installed dis"
            "play drivers  ???\n\n"
            "API categories:\n"
            "  some  Memory (2 events)\n"
            "        on   ExAllocatePool\n"
            "        off  ExFreePool\n"
            "  all  Io (3 events)\n"
            "        off  IoCreateDevice\n"
            "        off  IoDeleteDevice\n"
            "        on   IoCallDriver\n\n"
            "Settings:\n"
            "  MemUsage        1024 KB\n"
            "  StackThreshold  0x00000400\n"
            "  DRPopup         0 (never)\n"
            "  Start           0 (boot)\n"
            "  NumGuardBytes   8\n"
            "  MemTrackingOn   1 (on)\n",
        out_);

    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "show", "--json"})) << err_;
    EXPECT_EQ(0u, out_.find("{\n  \"place\": \"" + HivePlace() + "\",\n  \"drivers\": [\n    {\n"));
    const nlohmann::json shown = nlohmann::json::parse(out_);
    ASSERT_EQ(6u, shown["drivers"].size());
    EXPECT_EQ(nlohmann::json({{"table", "driver"},
                              {"name", "ATDISK"},
                              {"path", "Atdisk"},
                              {"description", "AT disk controller"},
                              {"group", "SCSI miniport"},
                              {"startType", 3},
                              {"startup", "Manual"},
                              {"state", 0}}),
              shown["drivers"][0]);
    EXPECT_EQ(-1, shown["drivers"][5]["startType"]);
    EXPECT_EQ(2, shown["categories"][0]["state"]);
    EXPECT_EQ(1, shown["categories"][1]["events"][2]["flag"]);
    EXPECT_EQ(1024, shown["settings"]["MemUsage"]);
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "driver", "add", "C:\\Tools\\probe.sys"})) << err_;
    ASSERT_EQ(0, Kelvcfg({"--hive", HivePath(), "show"})) << err_;
    EXPECT_NE(std::string::npos, out_.find("\n  user ")) << out_;
}

// UTF-16 and UTF-8 both ways, columns counted in characters, values' data, settings and states.
TEST(KelvcfgTexts, ByteForByte) {
    using namespace kelvcfg;
    const std::string bad = "\xEF\xBF\xBD";
    EXPECT_EQ("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF" + bad + "\xEE\x80\x80" + bad +
                  bad + bad,
              Utf8FromUtf16(u"\x80\x800\xD800\xDC00\xDBFF\xDFFF\xD83D\xE000\xDC00\xDFFF\xD800"));
    EXPECT_EQ(u"\x80\x800\xD800\xDC00\xE000",
              Utf16FromUtf8("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80\xEE\x80\x80"));
    // Each broken sequence, its continuation bytes with it, gives one U+FFFD: an overlong "/",
    // an encoded surrogate, a character above U+10FFFF, an overlong U+FFFF, a lead cut short.
    EXPECT_EQ(u"\xE9\x20AC\xD83D\xDE00\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"
              u"A\xFFFD",
              Utf16FromUtf8("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xC0\xAF\xED\xA0\x80"
                            "\xF4\x90\x80\x80\xF0\x8F\xBF\xBF\xC3"
                            "A\xE2\x82"));
    Columns columns({"A", "BB"});
    columns.Add({"\xC3\xA9t\xC3\xA9", "x", "y"});
    columns.Add({"z", ""});
    std::ostringstream printed;
    columns.Print(printed, "> ");
    EXPECT_EQ("> A    BB\n> \xC3\xA9t\xC3\xA9  x   y\n> z\n", printed.str());
    for (auto [type, data, quoted, text] :
         {std::tuple{4, std::string("\0\4\0\0", 4), false, "0x00000400"},
          {4, std::string("\1\2\3"), false, "01 02 03"},
          {1, std::string("\xAC\x20\x41\0\0\0Z\0", 8), true, "\"\x80\x41\""},
          {2, std::string("A\0b", 3), true, "\"A\""},
          {2, std::string("A\0b", 3), false, "\"A\""}})
        EXPECT_EQ(text, ValueText(type, data, quoted)) << text;
    for (auto [name, value, text] : {std::tuple{"Start", 3, "3 (disabled)"},
                                     {"Start", 4, "4 (disabled)"},
                                     {"Start", 1, "1"},
                                     {"DRPopup", 2, "2 (errors and warnings)"},
                                     {"NumGuardBytes", 32, "32"}})
        EXPECT_EQ(text, SettingText(name, value)) << name;
    EXPECT_EQ("on (2)", StateText(2));
}

// Cells longer than a word are counted in characters too, whichever bytes of a character fall in
// which word: five euro signs and "ab" are seven characters in 17 bytes.
TEST(KelvcfgTexts, ColumnsCountLongCellsInCharacters) {
    const std::string euros = "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC";
    kelvcfg::Columns columns;
    columns.Add({euros + "ab", "x"});
    columns.Add({"1234567", "y"});
    columns.Add({"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "z"});
    std::ostringstream printed;
    columns.Print(printed, "");
    EXPECT_EQ(euros + "ab    x\n1234567    y\n" +
                  "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9  z\n",
              printed.str());
}

// Rows printed as they come keep to the widths given; a cell wider than its column is followed by
// the two spaces alone, and a column beyond the widths given is padded to none.
TEST(KelvcfgTexts, AlignedRowsKeepToTheWidthsGiven) {
    std::ostringstream printed;
    {
        kelvcfg::AlignedRows rows(printed, "  ", {4});
        const kelvcfg::AlignedRows::Cell wide[] = {{"abcdef", 6}, {"x", 1}, {"y", 1}};
        const kelvcfg::AlignedRows::Cell narrow[] = {{"ab", 2}, {"", 0}};
        rows.Print(wide, 3);
        rows.Print(narrow, 2);
    }
    EXPECT_EQ("  abcdef  x  y\n  ab\n", printed.str());
}

// Staged values read back apart; the rest, subkeys too, from the registry below, left with no key
// open; no subkey name opens the key itself.
TEST(KelvcfgStaging, ValuesReadBackApart) {
    platform::MemoryRegistry base;
    platform::RegKey key = 0;
    const uint8_t below = 9;
    ASSERT_EQ(
        0, base.CreateKey(platform::kLocalMachine, "S\\J\\Sub", platform::reg::kAllAccess, &key));
    base.CloseKey(key);
    ASSERT_EQ(0, base.CreateKey(platform::kLocalMachine, "S\\K", platform::reg::kAllAccess, &key));
    base.SetValue(key, "C", platform::reg::kBinary, &below, 1);
    base.CloseKey(key);
    kelvcfg::Journal journal;
    kelvcfg::StagedRegistry staged(base, journal);
    const std::tuple<const char*, const char*, uint8_t> values[] = {
        {"S\\K", "A", 1}, {"S\\K", "B", 2}, {"S\\J", "A", 3}};
    for (const auto& [path, name, value] : values) {
        platform::RegKey key = 0;
        ASSERT_EQ(0,
                  staged.CreateKey(platform::kLocalMachine, path, platform::reg::kAllAccess, &key));
        staged.SetValue(key, name, platform::reg::kBinary, &value, 1);
    }
    for (const auto& [path, name, value] : values) {
        platform::RegKey parent = 0;
        ASSERT_EQ(0, staged.OpenKey(platform::kLocalMachine, path, platform::reg::kRead, &parent));
        ASSERT_EQ(0, staged.OpenKey(parent, "", platform::reg::kRead, &key)); // the same key
        uint8_t data = 0;
        uint32_t type = 0, size = 1;
        EXPECT_EQ(0, staged.QueryValue(key, name, &type, &data, &size));
        EXPECT_EQ(value, data) << path << " " << name;
        if (std::string(path) == "S\\K") {
            EXPECT_EQ(0, staged.QueryValue(key, "C", &type, &data, &size));
            EXPECT_EQ(below, data);
        }
    }
    ASSERT_EQ(0, staged.OpenKey(key, nullptr, platform::reg::kRead, &key)); // S\J again
    char name[8] = {};
    uint32_t length = sizeof name;
    EXPECT_EQ(0, staged.EnumKey(key, 0, name, &length));
    EXPECT_STREQ("Sub", name);
    EXPECT_EQ(0u, base.OpenHandleCount());
    // Only a value there is deleted; then it is gone.
    EXPECT_EQ(platform::reg::kFileNotFound, staged.DeleteValue(key, "B"));
    EXPECT_EQ(0, staged.DeleteValue(key, "A"));
    EXPECT_EQ(platform::reg::kFileNotFound, staged.QueryValue(key, "A", nullptr, nullptr, nullptr));
    EXPECT_EQ(4u, journal.entries().size());
    platform::RegKey missing = 0;
    EXPECT_EQ(platform::reg::kFileNotFound,
              staged.OpenKey(platform::kLocalMachine, "S\\L", platform::reg::kRead, &missing));
}

// Staged files: no seek before the start, one close, one file left by a rename over another.
TEST(KelvcfgStaging, FilesAreWrittenRenamedAndClosedAsOnDisk) {
    platform::MemoryFileSystem disk;
    kelvcfg::Journal journal;
    kelvcfg::StagedFiles files(disk, journal);
    for (const char* path : {"a.new~", "a"}) {
        std::unique_ptr<platform::File> file = files.Open(path, platform::OpenMode::WriteBinary);
        ASSERT_TRUE(file);
        EXPECT_FALSE(file->Seek(-1));
        EXPECT_TRUE(file->Seek(0));
        file->Write(path, std::strlen(path));
        EXPECT_TRUE(file->Close());
        EXPECT_FALSE(file->Close());
        EXPECT_FALSE(file->Seek(0));
    }
    EXPECT_TRUE(files.Rename("a.new~", "a"));
    EXPECT_FALSE(files.Remove("a.new~"));
    std::vector<std::string> written;
    for (const kelvcfg::JournalEntry& entry : journal.entries())
        if (entry.kind == kelvcfg::JournalEntry::Kind::File)
            written.push_back(entry.where + "=" + entry.data);
    EXPECT_EQ((std::vector<std::string>{"a=a.new~"}), written);
}

} // namespace
