#include "stores/config_file.h"

#include "platform/file_system.h"
#include "stores/api_category_lookup.h"
#include "stores/merge_state_list.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace std::string_literals;
using kelvd::test::Dword;

// Fields of a configuration file.
std::string Dwords(std::initializer_list<uint32_t> values) {
    std::string bytes;
    for (uint32_t value : values)
        bytes += Dword(value);
    return bytes;
}
std::string Text(const std::string& text) { // with its 0 byte
    return std::string(text.c_str(), text.size() + 1);
}
// n, the text and its 0 byte, the state byte.
std::string Driver(const std::string& path, char state) {
    return Dword(static_cast<uint32_t>(path.size() + 1)) + Text(path) + state;
}
std::string Category(const std::string& name, const std::string& flags) {
    return Dword(static_cast<uint32_t>(name.size() + 1)) + Text(name) +
           Dword(static_cast<uint32_t>(flags.size())) + flags;
}
// A header whose sections are all empty and start at offset 72, with the given settings.
std::string EmptyHeader(uint32_t start = 0, uint32_t memUsage = 1024) {
    return Dwords({72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 72, 0, start, 0, 1, 8, memUsage, 0x400});
}
// A file whose driver section at 72 holds driverCount entries made of drivers, followed by the
// API section with apiCount entries made of api; MemUsage is 4096.
std::string FileWith(uint32_t driverCount, const std::string& drivers, uint32_t apiCount = 0,
                     const std::string& api = "") {
    std::string bytes = EmptyHeader(0, 4096);
    bytes.replace(16, 8, Dwords({72, driverCount}));
    bytes.replace(40, 8, Dwords({static_cast<uint32_t>(72 + drivers.size()), apiCount}));
    return bytes + drivers + api;
}

struct ConfigFile : test::StoreFixture {
    std::string Saved() {
        SaveConfigFile(dir_.File("settings.kwt"), settings_);
        return FileText("settings.kwt");
    }
    void Load(const std::string& content) {
        ASSERT_TRUE(platform::WriteWholeFile(dir_.File("settings.kwt"), content));
        Take(LoadConfigFile(dir_.File("settings.kwt")));
    }
};

TEST_F(ConfigFile, HeaderThenTheSectionsInTheirOrderThatLoadBackWhole) {
    Hold({4096, 0x800, 2, 3, 16, 0});
    EXPECT_EQ(Dwords({72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 3, 2, 0, 16, 4096, 0x800}),
              Saved());
    // One row or category in every table the file holds, and a display driver it does not.
    AddRow(model_.drivers, "a.sys", 1);
    AddRow(model_.userDrivers, "C:\\u.sys", 0);
    AddRow(model_.vxds, "VMM     ", 1);
    AddRow(model_.userVxds, "C:\\W\\FOO.VXD", 2);
    AddRow(model_.displayDrivers, "vga.dll", 2);
    AddCategory(model_.apiCategories, "Memory", {1, 0});
    AddCategory(model_.vxdApiCategories, "VxD", {1});
    EXPECT_EQ(Dwords({97, 1, 107, 1, 72, 1, 83, 1, 138, 1, 121, 1, 3, 2, 0, 16, 4096, 0x800}) +
                  Driver("a.sys", 1) + Driver("C:\\u.sys", 0) +        // at 72 and 83
                  "VMM     \0\1"s + "C:\\W\\FOO.VXD\0\2"s +            // at 97 and 107
                  Category("Memory", "\1\0"s) + Category("VxD", "\1"), // at 121 and 138
              Saved());
    AddCategory(model_.apiCategories, "AllOn", {1, 1});
    AddCategory(model_.apiCategories, "AllOff", {0, 0});
    const std::string file = Saved();
    std::vector<uint32_t> saved = AllStates();
    model_.SetAllChecked(0);
    model_.displayDrivers[0].checkState = 5;
    model_.vxdApiCategories[0].eventFlags[0] = 0;
    Hold(ScalarSettings());
    Load(file);
    saved[1] = 5; // display drivers are not part of the file
    EXPECT_EQ(saved, AllStates());
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 3, 16, 0}), Held());
    EXPECT_EQ((std::vector<uint8_t>{1, 0}), model_.apiCategories[0].eventFlags);
    std::vector<uint32_t> categoryStates;
    for (const CategoryTable* table : {&model_.apiCategories, &model_.vxdApiCategories})
        for (const ApiCategory& category : *table)
            categoryStates.push_back(category.checkState);
    EXPECT_EQ((std::vector<uint32_t>{2, 1, 0, 1}), categoryStates);
    EXPECT_EQ(1u, model_.vxdApiCategories[0].eventFlags[0]);
    EXPECT_EQ(1u, model_.drivers.Count()); // merged, not added again
}

TEST_F(ConfigFile, PathsAreComparedWholeAndUnknownOnesAreAdded) {
    AddRow(model_.drivers, "D:\\b\\x.sys", 0);
    AddRow(model_.drivers, "C:\\A\\Y.SYS", 0);
    Load(FileWith(3, Driver("C:\\a\\x.sys", 1) + Driver("c:\\a\\y.sys", 1) +
                         Driver("C:\\a\\X.SYS", 2)));
    EXPECT_EQ((std::vector<uint32_t>{0, 1, 2}), test::States(model_.drivers)); // the later
    EXPECT_EQ("C:\\a\\x.sys", model_.drivers[2].path); // entry found the added row
    EXPECT_EQ("", model_.drivers[2].description);
}

TEST_F(ConfigFile, EntryInTheSamePlaceAsAnEqualLaterRowGoesToTheFirstEqualRow) {
    AddRow(model_.drivers, "a.sys", 0);
    AddRow(model_.drivers, "A.SYS", 0);
    AddCategory(model_.apiCategories, "Memory", {0});
    AddCategory(model_.apiCategories, "MEMORY", {0});
    Load(FileWith(2, Driver("z.sys", 1) + Driver("A.SYS", 2), 2,
                  Category("Io", "\1") + Category("MEMORY", "\1")));
    EXPECT_EQ((std::vector<uint32_t>{2, 0, 1}), test::States(model_.drivers));
    EXPECT_EQ(1u, model_.apiCategories[0].eventFlags[0]);
    EXPECT_EQ(0u, model_.apiCategories[1].eventFlags[0]);
}

TEST_F(ConfigFile, FileThatCannotBeOpenedOrIsShortChangesNothing) {
    Hold({4096, 0x800, 2, 3, 16, 0});
    Take(LoadConfigFile(dir_.File("missing.kwt")));
    Load(EmptyHeader().substr(0, 71));
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 3, 16, 0}), Held());
}

TEST(MergeStateListTest, AddsWhileTheTableHasRoom) {
    auto table = std::make_unique<DriverTable<128>>();
    std::vector<StateEntry> entries(130, StateEntry{"new.sys", 1});
    entries[127].name = "last.sys";
    MergeStateList(*table, entries.data(), entries.size());
    ASSERT_EQ(2u, table->Count()); // the later entries of the same path found the first
    EXPECT_EQ("last.sys", (*table)[1].path);
    std::vector<std::string> names(200);
    for (size_t i = 0; i < names.size(); ++i) {
        names[i] = "d" + std::to_string(i);
        entries.push_back({names[i].c_str(), 1});
    }
    entries.push_back({names[0].c_str(), 2}); // found again once the index has grown
    MergeStateList(*table, entries.data(), entries.size());
    EXPECT_EQ(128u, table->Count());
    EXPECT_EQ(2u, (*table)[2].checkState);
}

TEST(MergeStateListTest, PathsAlikeButInTheirMiddleEachFindTheirOwnRow) {
    auto table = std::make_unique<DriverTable<256>>();
    std::vector<std::string> paths;
    for (int i = 0; i < 20; ++i) {
        paths.push_back("C:\\Dirs\\s" + std::to_string(10 + i) + "\\common\\path\\of\\driver.sys");
        table->AppendSlot()->path = paths.back();
    }
    std::vector<StateEntry> entries;
    for (int i = 19; i >= 0; --i) // not in the table's order: every entry is looked up
        entries.push_back({paths[i].c_str(), static_cast<uint8_t>(i)});
    MergeStateList(*table, entries.data(), entries.size());
    for (uint32_t i = 0; i < 20; ++i)
        EXPECT_EQ(i, (*table)[i].checkState);
}

TEST_F(ConfigFile, CategoriesAreFoundByNameIgnoringCaseApiTableFirstByIndexInTheFile) {
    AddCategory(model_.apiCategories, "Memory", {});
    AddCategory(model_.apiCategories, "Io", {});
    AddCategory(model_.vxdApiCategories, "VxD Only", {});
    AddCategory(model_.vxdApiCategories, "MEMORY", {});
    const std::pair<const char*, int32_t> cases[] = {{"memory", 0},       {"[IO]", 1},
                                                     {"[Io]trailing", 1}, {"[Io", 1},
                                                     {"VxD Only", 0}, // an index into the VxD table
                                                     {"Io ", -1},         {"[]", -1}};
    for (const auto& [name, index] : cases)
        EXPECT_EQ(index, FindApiCategory(name)) << name;
    // A VxD name in the API section selects the API category of its index.
    model_.apiCategories[0].AllocateEvents(2);
    Load(FileWith(0, "", 1, Category("VxD Only", "\1\1")));
    EXPECT_EQ((std::vector<uint8_t>{1, 1}), model_.apiCategories[0].eventFlags);
    EXPECT_EQ(1u, model_.apiCategories[0].checkState);
}

// Damaged files: each is read as far as it is safe, with the result stated.
struct DamagedConfigFile : ConfigFile {
    void SetUp() override {
        ConfigFile::SetUp();
        AddRow(model_.drivers, "a.sys", 0);
        AddRow(model_.drivers, "b.sys", 0);
        AddCategory(model_.apiCategories, "Memory", {0, 0, 0});
    }
    // Loads an API section and gives the category's flags then its state.
    std::vector<uint32_t> LoadApi(uint32_t count, const std::string& body) {
        Load(FileWith(0, "", count, body));
        const ApiCategory& category = model_.apiCategories[0];
        std::vector<uint32_t> result(category.eventFlags.begin(), category.eventFlags.end());
        result.push_back(category.checkState);
        return result;
    }
};

struct DriverSectionCase {
    uint32_t count;
    std::string body;
    std::vector<uint32_t> states; // of a.sys and b.sys
    size_t rows;
};

struct DamagedDriverSection : DamagedConfigFile,
                              ::testing::WithParamInterface<DriverSectionCase> {};

TEST_P(DamagedDriverSection, IsReadUpToTheDamage) {
    Load(FileWith(GetParam().count, GetParam().body));
    EXPECT_EQ(GetParam().rows, model_.drivers.Count());
    std::vector<uint32_t> states = test::States(model_.drivers);
    states.resize(2);
    EXPECT_EQ(GetParam().states, states);
}

std::string ThreeHundredDrivers() {
    std::string body;
    for (int i = 0; i < 300; ++i)
        body += Driver("n" + std::to_string(i), 1);
    return body;
}
const std::string kBadFields =
    Driver(std::string(260, 'p'), 1) + Dword(5) + "a.sys\1" + Dword(0) + "\1" + Driver("b.sys", 1);

// An entry past the end; no state byte; an entry of n = 261, one without a 0 byte within its n
// and an empty one before b.sys; 300 entries, of which 254 are added.
const DriverSectionCase kDamagedDrivers[] = {
    {3, Driver("a.sys", 1) + Dword(~0u) + "b.sys", {1, 0}, 2},
    {2, (Driver("a.sys", 2) + Driver("c.sys", 1)).substr(0, 21), {2, 0}, 2},
    {4, kBadFields, {0, 1}, 2},
    {300, ThreeHundredDrivers(), {0, 0}, 256}};
INSTANTIATE_TEST_SUITE_P(Cases, DamagedDriverSection, ::testing::ValuesIn(kDamagedDrivers));

TEST_F(DamagedConfigFile, SectionsPastTheEndAreEmptyAndTheSettingsStillApply) {
    std::string bytes = EmptyHeader(3, 4096);
    for (size_t field = 0; field < 48; field += 8)
        bytes.replace(field, 8, Dwords({0xFFFFFFF0, 0xFFFFFFFF}));
    Load(bytes);
    EXPECT_EQ(3u, Held().start);
    EXPECT_EQ(2u, model_.drivers.Count());
    EXPECT_EQ(0u, model_.vxds.Count());
}

TEST_F(DamagedConfigFile, CategoryFlagsAreCopiedUpToTheCategorysOwnCount) {
    EXPECT_EQ((std::vector<uint32_t>{1, 1, 1, 1}), LoadApi(1, Category("Memory", "\1\1\1\1\1")));
    // only the first flag is copied
    EXPECT_EQ((std::vector<uint32_t>{0, 1, 1, 0}), LoadApi(1, Category("Memory", "\0"s)));
    EXPECT_EQ(2u, LoadApi(1, Category("Memory", "\2\1\2")).back());
    EXPECT_EQ(0u, LoadApi(1, Category("Memory", "")).back());
    // Nine flags: the first eight are compared at once, then the ninth alone.
    ApiCategory& wide = AddCategory(model_.apiCategories, "Wide", std::vector<uint8_t>(9));
    for (const auto& [flags, state] : {std::pair{std::string(9, '\1'), 1u},
                                       {std::string(8, '\1') + '\0', 2u},
                                       {'\0' + std::string(8, '\1'), 2u}}) {
        Load(FileWith(0, "", 1, Category("Wide", flags)));
        EXPECT_EQ(state, wide.checkState);
    }
}

TEST_F(DamagedConfigFile, BrokenCategoryEntriesAreSkippedOrEndTheSection) {
    const std::string padded = "Memory" + std::string(250, '\0'); // n = 257: skipped
    EXPECT_EQ((std::vector<uint32_t>{1, 0, 1, 2}),
              LoadApi(0xFFFFFFFF, Category("Unknown", "\1") + Category("Memory", "\1\0\1"s) +
                                      Category(padded, "\0\0\0"s) + Dword(7) + Text("Memory") +
                                      Dword(0x7FFFFFFF) + "\1\1\1")); // flags past the end
}

TEST_F(DamagedConfigFile, VxdSectionsStopAtTheirEnd) {
    std::string header = EmptyHeader();
    Load(header.replace(0, 8, Dwords({72, 3})) + "ABCDEFGHIJ" + "SHORT\0xyz\1"s + "PART");
    ASSERT_EQ(2u, model_.vxds.Count());         // the third entry is cut short by the end
    EXPECT_EQ("ABCDEFGH", model_.vxds[0].path); // the first 8 characters
    EXPECT_EQ("SHORT", model_.vxds[1].path);
    EXPECT_EQ((std::vector<uint32_t>{'J', 1}), test::States(model_.vxds));
    header = EmptyHeader();
    Load(header.replace(8, 8, Dwords({72, 2})) + Text("C:\\W\\LONG.VXD") + "\1NOEND");
    ASSERT_EQ(1u, model_.userVxds.Count()); // NOEND has no 0 byte within the file
    EXPECT_EQ("C:\\W\\LONG.VXD", model_.userVxds[0].path);
    EXPECT_EQ(1u, model_.userVxds[0].checkState);
}

} // namespace
