#include "stores/config_file.h"

#include "platform/file_system.h"
#include "stores/api_category_lookup.h"
#include "stores/merge_state_list.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace {

using namespace kelvd;
using namespace std::string_literals;
using kelvd::test::StoreFixture;

// Bytes of a configuration file, written out field by field.
class Bytes {
public:
    Bytes& U32(uint32_t value) {
        for (int i = 0; i < 4; ++i)
            text_ += static_cast<char>(value >> (8 * i));
        return *this;
    }
    Bytes& Text(const std::string& text) { // with its 0 byte
        text_.append(text.c_str(), text.size() + 1);
        return *this;
    }
    Bytes& Raw(const std::string& raw) {
        text_ += raw;
        return *this;
    }
    // n, the text and its 0 byte, the state byte.
    Bytes& Driver(const std::string& path, char state) {
        return U32(static_cast<uint32_t>(path.size() + 1)).Text(path).Raw(std::string(1, state));
    }
    Bytes& Category(const std::string& name, const std::string& flags) {
        return U32(static_cast<uint32_t>(name.size() + 1))
            .Text(name)
            .U32(static_cast<uint32_t>(flags.size()))
            .Raw(flags);
    }
    // For a header: (offset, count) of the VxD, user-VxD, driver, user-driver, VxD API and API
    // sections, then Start, DRPopup, MemTrackingOn, NumGuardBytes, MemUsage, StackThreshold.
    Bytes& U32s(std::initializer_list<uint32_t> values) {
        for (uint32_t value : values)
            U32(value);
        return *this;
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

class ConfigFile : public StoreFixture {
protected:
    std::string Path() const { return dir_.File("settings.kwt"); }
    std::string Saved() {
        SaveConfigFile(Path(), settings_);
        std::string content;
        EXPECT_TRUE(platform::ReadWholeFile(Path(), platform::OpenMode::ReadBinary, &content));
        return content;
    }
    void Load(const std::string& content) {
        ASSERT_TRUE(platform::WriteWholeFile(Path(), content));
        Take(LoadConfigFile(Path()));
    }
    // One row or category in every table the file holds, and a display driver it does not.
    void Configure() {
        AddRow(model_.drivers, "a.sys", 1);
        AddRow(model_.userDrivers, "C:\\u.sys", 0);
        AddRow(model_.vxds, "VMM     ", 1);
        AddRow(model_.userVxds, "C:\\W\\FOO.VXD", 2);
        AddRow(model_.displayDrivers, "vga.dll", 2);
        AddCategory(model_.apiCategories, "Memory", {1, 0});
        AddCategory(model_.vxdApiCategories, "VxD", {1});
        Hold({4096, 0x800, 2, 3, 16, 0});
    }
    std::vector<uint32_t> States() const {
        std::vector<uint32_t> states;
        for (const auto* table :
             {&model_.drivers, &model_.vxds, &model_.userVxds, &model_.displayDrivers})
            for (const DriverEntry& row : *table)
                states.push_back(row.checkState);
        for (const DriverEntry& row : model_.userDrivers)
            states.push_back(row.checkState);
        return states;
    }
    // A header whose sections are all empty and start at offset 72, with the given settings.
    static Bytes EmptyHeader(uint32_t start = 0, uint32_t memUsage = 1024) {
        return Bytes().U32s(
            {72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 72, 0, start, 0, 1, 8, memUsage, 0x400});
    }
    // A file whose driver section at 72 holds driverCount entries made of drivers, followed by
    // the API section with apiCount entries made of api; MemUsage is 4096.
    static std::string FileWith(uint32_t driverCount, const std::string& drivers,
                                uint32_t apiCount = 0, const std::string& api = "") {
        std::string bytes = EmptyHeader(0, 4096).str();
        bytes.replace(16, 8, Bytes().U32(72).U32(driverCount).str());
        bytes.replace(40, 8,
                      Bytes().U32(static_cast<uint32_t>(72 + drivers.size())).U32(apiCount).str());
        return bytes + drivers + api;
    }
};

TEST_F(ConfigFile, EmptyTablesGiveTheHeaderAlone) {
    Hold({4096, 0x800, 2, 3, 16, 0});
    EXPECT_EQ(
        Bytes().U32s({72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 72, 0, 3, 2, 0, 16, 4096, 0x800}).str(),
        Saved());
}

TEST_F(ConfigFile, SectionsFollowTheHeaderInTheirOrder) {
    Configure();
    Bytes expected;
    expected.U32s({97, 1, 107, 1, 72, 1, 83, 1, 138, 1, 121, 1, 3, 2, 0, 16, 4096, 0x800})
        .Driver("a.sys", 1)          // at 72
        .Driver("C:\\u.sys", 0)      // at 83
        .Raw("VMM     \0\1"s)        // at 97
        .Raw("C:\\W\\FOO.VXD\0\2"s)  // at 107
        .Category("Memory", "\1\0"s) // at 121
        .Category("VxD", "\1");      // at 138
    EXPECT_EQ(expected.str(), Saved());
}

TEST_F(ConfigFile, SavedFileLoadsBackWhole) {
    Configure();
    AddCategory(model_.apiCategories, "AllOn", {1, 1});
    AddCategory(model_.apiCategories, "AllOff", {0, 0});
    SaveConfigFile(Path(), settings_);
    std::vector<uint32_t> saved = States();
    model_.SetAllChecked(0);
    model_.displayDrivers[0].checkState = 5;
    for (ApiCategory& category : model_.vxdApiCategories)
        category.eventFlags.assign(category.eventFlags.size(), 0);
    Hold(ScalarSettings());
    Take(LoadConfigFile(Path()));
    saved[3] = 5; // display drivers are not part of the file
    EXPECT_EQ(saved, States());
    EXPECT_EQ((ScalarSettings{4096, 0x800, 2, 3, 16, 0}), Held());
    EXPECT_EQ((std::vector<uint8_t>{1, 0}), model_.apiCategories[0].eventFlags);
    EXPECT_EQ(2u, model_.apiCategories[0].checkState);
    EXPECT_EQ(1u, model_.apiCategories[1].checkState);
    EXPECT_EQ(0u, model_.apiCategories[2].checkState);
    EXPECT_EQ(1u, model_.vxdApiCategories[0].eventFlags[0]);
    EXPECT_EQ(1u, model_.vxdApiCategories[0].checkState);
    EXPECT_EQ(1u, model_.drivers.Count()); // merged, not added again
}

TEST_F(ConfigFile, PathsAreComparedWholeAndUnknownOnesAreAdded) {
    AddRow(model_.drivers, "D:\\b\\x.sys", 0);
    AddRow(model_.drivers, "C:\\A\\Y.SYS", 0);
    Load(FileWith(3, Bytes()
                         .Driver("C:\\a\\x.sys", 1)
                         .Driver("c:\\a\\y.sys", 1)
                         .Driver("C:\\a\\X.SYS", 2)
                         .str()));
    ASSERT_EQ(3u, model_.drivers.Count());
    EXPECT_EQ(0u, model_.drivers[0].checkState);
    EXPECT_EQ(1u, model_.drivers[1].checkState);
    EXPECT_EQ("C:\\a\\x.sys", model_.drivers[2].path);
    EXPECT_EQ(2u, model_.drivers[2].checkState); // the later entry found the added row
    EXPECT_EQ("", model_.drivers[2].description);
}

TEST_F(ConfigFile, EntryInTheSamePlaceAsAnEqualLaterRowGoesToTheFirstEqualRow) {
    AddRow(model_.drivers, "a.sys", 0);
    AddRow(model_.drivers, "A.SYS", 0);
    AddCategory(model_.apiCategories, "Memory", {0});
    AddCategory(model_.apiCategories, "MEMORY", {0});
    Load(FileWith(2, Bytes().Driver("z.sys", 1).Driver("A.SYS", 2).str(), 2,
                  Bytes().Category("Io", "\1").Category("MEMORY", "\1").str()));
    EXPECT_EQ(2u, model_.drivers[0].checkState);
    EXPECT_EQ(0u, model_.drivers[1].checkState);
    EXPECT_EQ(1u, model_.apiCategories[0].eventFlags[0]);
    EXPECT_EQ(0u, model_.apiCategories[1].eventFlags[0]);
}

TEST_F(ConfigFile, FileThatCannotBeOpenedOrIsShortChangesNothing) {
    Hold({4096, 0x800, 2, 3, 16, 0});
    Take(LoadConfigFile(dir_.File("missing.kwt")));
    Load(EmptyHeader().str().substr(0, 71));
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
    MergeStateList(*table, entries.data(), entries.size());
    EXPECT_EQ(128u, table->Count());
}

TEST(MergeStateListTest, PathsAlikeButInTheirMiddleEachFindTheirOwnRow) {
    auto table = std::make_unique<DriverTable<256>>();
    std::vector<std::string> paths;
    for (int i = 0; i < 20; ++i) {
        paths.push_back("C:\\Dirs\\s" + std::to_string(10 + i) + "\\common\\path\\of\\driver.sys");
        DriverEntry row;
        row.path = paths.back();
        table->Append(row);
    }
    std::vector<StateEntry> entries;
    for (int i = 19; i >= 0; --i) // not in the table's order: every entry is looked up
        entries.push_back({paths[i].c_str(), static_cast<uint8_t>(i)});
    MergeStateList(*table, entries.data(), entries.size());
    ASSERT_EQ(20u, table->Count());
    for (uint32_t i = 0; i < 20; ++i)
        EXPECT_EQ(i, (*table)[i].checkState);
}

class CategoryLookup : public ConfigFile {
protected:
    void SetUp() override {
        ConfigFile::SetUp();
        AddCategory(model_.apiCategories, "Memory", {});
        AddCategory(model_.apiCategories, "Io", {});
        AddCategory(model_.vxdApiCategories, "VxD Only", {});
        AddCategory(model_.vxdApiCategories, "MEMORY", {});
    }
};

TEST_F(CategoryLookup, FindsByNameIgnoringCaseApiTableFirst) {
    EXPECT_EQ(0, FindApiCategory("memory"));
    EXPECT_EQ(1, FindApiCategory("[IO]"));
    EXPECT_EQ(1, FindApiCategory("[Io]trailing"));
    EXPECT_EQ(1, FindApiCategory("[Io"));
    EXPECT_EQ(0, FindApiCategory("VxD Only")); // an index into the VxD table
    EXPECT_EQ(-1, FindApiCategory("Io "));
    EXPECT_EQ(-1, FindApiCategory("[]"));
}

TEST_F(CategoryLookup, VxdNameInTheApiSectionSelectsTheApiCategoryOfItsIndex) {
    model_.apiCategories[0].AllocateEvents(2);
    Load(FileWith(0, "", 1, Bytes().Category("VxD Only", "\1\1").str()));
    EXPECT_EQ((std::vector<uint8_t>{1, 1}), model_.apiCategories[0].eventFlags);
    EXPECT_EQ(1u, model_.apiCategories[0].checkState);
}

// Damaged files: each is read as far as it is safe, with the result stated.
class DamagedConfigFile : public ConfigFile {
protected:
    void SetUp() override {
        ConfigFile::SetUp();
        AddRow(model_.drivers, "a.sys", 0);
        AddRow(model_.drivers, "b.sys", 0);
        AddCategory(model_.apiCategories, "Memory", {0, 0, 0});
    }
    void LoadSections(uint32_t count, const std::string& body, uint32_t apiCount = 0,
                      const std::string& apiBody = "") {
        Load(FileWith(count, body, apiCount, apiBody));
    }
    std::vector<uint32_t> DriverStates() const {
        std::vector<uint32_t> states;
        for (const DriverEntry& row : model_.drivers)
            states.push_back(row.checkState);
        return states;
    }
    const std::vector<uint8_t>& Flags() const { return model_.apiCategories[0].eventFlags; }
};

TEST_F(DamagedConfigFile, SectionsPastTheEndAreEmptyAndTheSettingsStillApply) {
    std::string bytes = EmptyHeader(3, 4096).str();
    for (size_t field = 0; field < 48; field += 8)
        bytes.replace(field, 8, Bytes().U32(0xFFFFFFF0).U32(0xFFFFFFFF).str());
    Load(bytes);
    EXPECT_EQ(3u, Held().start);
    EXPECT_EQ(2u, model_.drivers.Count());
    EXPECT_EQ(0u, model_.vxds.Count());
}

TEST_F(DamagedConfigFile, EntryRunningPastTheEndEndsItsSection) {
    LoadSections(3, Bytes().Driver("a.sys", 1).U32(0xFFFFFFFF).Raw("b.sys").str());
    EXPECT_EQ((std::vector<uint32_t>{1, 0}), DriverStates());
    LoadSections(2, Bytes().Driver("a.sys", 2).Driver("b.sys", 1).str().substr(0, 21));
    EXPECT_EQ((std::vector<uint32_t>{2, 0}), DriverStates()); // b.sys lacks its state byte
}

TEST_F(DamagedConfigFile, EntriesBeyondTheLimitsOrUnterminatedAreSkipped) {
    LoadSections(4, Bytes()
                        .Driver(std::string(260, 'p'), 1) // n = 261
                        .U32(5)
                        .Raw("a.sys\1") // no 0 byte within n
                        .U32(0)
                        .Raw("\1") // an empty field
                        .Driver("b.sys", 1)
                        .str());
    EXPECT_EQ((std::vector<uint32_t>{0, 1}), DriverStates());
    EXPECT_EQ(2u, model_.drivers.Count());
}

TEST_F(DamagedConfigFile, AtMost256EntriesAreReadFromASection) {
    Bytes body;
    for (int i = 0; i < 300; ++i)
        body.Driver("n" + std::to_string(i), 1);
    LoadSections(300, body.str());
    EXPECT_EQ(256u, model_.drivers.Count()); // the two rows and 254 added ones
}

TEST_F(DamagedConfigFile, CategoryFlagsAreCopiedUpToTheCategorysOwnCount) {
    LoadSections(0, "", 1, Bytes().Category("Memory", "\1\1\1\1\1").str());
    EXPECT_EQ((std::vector<uint8_t>{1, 1, 1}), Flags());
    EXPECT_EQ(1u, model_.apiCategories[0].checkState);
    LoadSections(0, "", 1, Bytes().Category("Memory", "\0"s).str());
    EXPECT_EQ((std::vector<uint8_t>{0, 1, 1}), Flags()); // only the first was copied
    EXPECT_EQ(0u, model_.apiCategories[0].checkState);
    LoadSections(0, "", 1, Bytes().Category("Memory", "\2\1\2").str());
    EXPECT_EQ(2u, model_.apiCategories[0].checkState);
    LoadSections(0, "", 1, Bytes().Category("Memory", "").str());
    EXPECT_EQ(0u, model_.apiCategories[0].checkState);
}

TEST_F(DamagedConfigFile, BrokenCategoryEntriesAreSkippedOrEndTheSection) {
    LoadSections(0, "", 0xFFFFFFFF,
                 Bytes()
                     .Category(std::string(256, 'n'), "\0\0\0"s) // n = 257: skipped
                     .Category("Unknown", "\1")                  // not in the catalogue
                     .Category("Memory", "\1\0\1"s)
                     .U32(7)
                     .Text("Memory")
                     .U32(0x7FFFFFFF)
                     .Raw("\1\1\1") // flags past the end
                     .str());
    EXPECT_EQ((std::vector<uint8_t>{1, 0, 1}), Flags());
}

TEST_F(DamagedConfigFile, VxdSectionsStopAtTheirEnd) {
    std::string header = EmptyHeader().str();
    Load(header.replace(0, 8, Bytes().U32(72).U32(3).str()) +
         Bytes().Raw("ABCDEFGHIJ").Raw("SHORT\0xyz\1"s).Raw("PART").str());
    ASSERT_EQ(2u, model_.vxds.Count());         // the third entry is cut short by the end
    EXPECT_EQ("ABCDEFGH", model_.vxds[0].path); // the first 8 characters
    EXPECT_EQ(static_cast<uint32_t>('J'), model_.vxds[0].checkState);
    EXPECT_EQ("SHORT", model_.vxds[1].path);
    EXPECT_EQ(1u, model_.vxds[1].checkState);
    header = EmptyHeader().str();
    Load(header.replace(8, 8, Bytes().U32(72).U32(2).str()) +
         Bytes().Text("C:\\W\\LONG.VXD").Raw("\1NOEND").str());
    ASSERT_EQ(1u, model_.userVxds.Count()); // NOEND has no 0 byte within the file
    EXPECT_EQ("C:\\W\\LONG.VXD", model_.userVxds[0].path);
    EXPECT_EQ(1u, model_.userVxds[0].checkState);
}

} // namespace
