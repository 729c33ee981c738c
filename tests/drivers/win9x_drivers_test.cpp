// The Windows 9x candidates: the checker's module list and the VxD chain, laid into a sparse image
// of system memory and reported by a simulated checker device.
#include "drivers/checker_device.h"
#include "drivers/system_list.h"
#include "drivers/win9x_drivers.h"
#include "model/config_model.h"
#include "support/model_reset.h"
#include "support/simulated_machine.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using namespace kelvd;

constexpr uint32_t kModules = 0xC1000000;
constexpr uint32_t kNames = 0xC2000000;
constexpr uint32_t kBlocks = 0xC3000000;

// The rows' names, which are their paths and their descriptions alike.
std::vector<std::string> Names(const DriverTable<256>& table) {
    for (const DriverEntry& row : table)
        EXPECT_EQ(row.path, row.description);
    return test::Paths(table);
}

class Win9xLists : public test::ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        configModel().isWin9x = true;
    }
    void TearDown() override {
        CloseCheckerDevice();
        ModelFixture::TearDown();
    }

    // A checker reporting the two list heads.
    void Checker(uint32_t moduleHead, uint32_t vxdHead) {
        devices_.Add("\\\\.\\KELVD",
                     {{kGetModuleListHeadCode, moduleHead}, {kGetVxdChainHeadCode, vxdHead}});
        ASSERT_TRUE(OpenCheckerDevice("KELVD"));
    }
    // Module entry i of the list at kModules, with its name at kNames.
    void Module(uint32_t i, uint32_t next, uint32_t value, const std::string& name) {
        uint8_t entry[35] = {};
        Put(entry, 0, next);
        Put(entry, 5, value);
        Put(entry, 11, kNames + 16 * i);
        memory_.Lay(kModules + 64 * i, entry, sizeof entry);
        memory_.Lay(kNames + 16 * i, name.c_str(), name.size() + 1);
    }
    // VxD descriptor block i of the chain at kBlocks.
    void Block(uint32_t i, uint32_t next, const std::string& name) {
        uint8_t block[80] = {};
        Put(block, 0, next);
        std::copy(name.begin(), name.end(), block + 12);
        memory_.Lay(kBlocks + 128 * i, block, sizeof block);
    }
    static uint32_t ModuleAt(uint32_t i) { return kModules + 64 * i; }
    static uint32_t BlockAt(uint32_t i) { return kBlocks + 128 * i; }
    static void Put(uint8_t* bytes, size_t at, uint32_t value) {
        for (int b = 0; b < 4; ++b)
            bytes[at + b] = static_cast<uint8_t>(value >> (8 * b));
    }

    test::SimulatedMachine machine_;
    SparseMemory& memory_ = machine_.memory;
    SimulatedDevices& devices_ = machine_.devices;
};

TEST_F(Win9xLists, ModulesWithAValueFrom1ToBelow2GiBAreListedByTheirShortName) {
    Checker(ModuleAt(0), 0);
    Module(0, ModuleAt(1), 1, "NDIS");
    Module(1, ModuleAt(2), 0, "ZERO");
    Module(2, ModuleAt(3), 0x80000000, "HIGH");
    Module(3, ModuleAt(4), 0x7FFFFFFF, "LONGNAME.SYS");
    Module(4, 0, 5, "kelvd   ");
    EnumerateCheckerModules();
    EXPECT_EQ((std::vector<std::string>{"NDIS", "LONGNAME"}), Names(configModel().drivers));
}

TEST_F(Win9xLists, UnreadableNameSkipsItsModuleAndAnUnreadableEntryEndsTheList) {
    Checker(ModuleAt(0), 0);
    Module(0, ModuleAt(1), 1, "FIRST");
    uint8_t entry[35] = {};
    Put(entry, 0, ModuleAt(2));
    Put(entry, 5, 1);
    Put(entry, 11, 0x00001000); // nothing is mapped there
    memory_.Lay(ModuleAt(1), entry, sizeof entry);
    Module(2, 0xDEAD0000, 1, "THIRD");
    EnumerateCheckerModules();
    EXPECT_EQ((std::vector<std::string>{"FIRST", "THIRD"}), Names(configModel().drivers));
}

TEST_F(Win9xLists, CyclicModuleListEndsAtTheFirstEntryPassedBefore) {
    Checker(ModuleAt(0), 0);
    Module(0, ModuleAt(1), 1, "A");
    Module(1, ModuleAt(0), 1, "B");
    EnumerateCheckerModules();
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), Names(configModel().drivers));
}

TEST_F(Win9xLists, ListsLongerThanTheTableFillIt) {
    Checker(ModuleAt(0), BlockAt(0));
    for (uint32_t i = 0; i < 300; ++i) {
        Module(i, ModuleAt(i + 1), 1, "M" + std::to_string(i));
        Block(i, BlockAt(i + 1), "V" + std::to_string(i));
    }
    EnumerateCheckerModules();
    EnumerateLoadedVxds();
    ASSERT_EQ(256u, configModel().drivers.Count());
    ASSERT_EQ(256u, configModel().vxds.Count());
    EXPECT_EQ("M255", configModel().drivers[255].path);
    EXPECT_EQ("V255", configModel().vxds[255].path);
}

TEST_F(Win9xLists, NoModuleListEmptiesTheDriversWithoutOneOnAClosedDevice) {
    configModel().drivers.AppendSlot()->path = "OLD";
    Checker(0, 0);
    EnumerateCheckerModules();
    EXPECT_EQ(0u, configModel().drivers.Count());
    CloseCheckerDevice();
    devices_.controls.clear();
    EnumerateCheckerModules();
    EXPECT_TRUE(devices_.controls.empty());
}

TEST_F(Win9xLists, VxdChainGivesBlankPaddedNamesWithoutTheExcludedOnes) {
    Checker(0, BlockAt(0));
    Block(0, BlockAt(1), "VMM     ");
    Block(1, BlockAt(2), "VCOMM   ");
    Block(2, BlockAt(3), "NTKERN  ");
    Block(3, 0, "ABCDEFGHIJ");
    EnumerateLoadedVxds();
    EXPECT_EQ((std::vector<std::string>{"VCOMM   ", "ABCDEFGH"}), Names(configModel().vxds));
}

TEST_F(Win9xLists, CyclicChainEndsAndNoChainLeavesTheVxdsAsTheyWere) {
    Checker(0, BlockAt(0));
    Block(0, BlockAt(1), "ONE     ");
    Block(1, BlockAt(0), "TWO     ");
    EnumerateLoadedVxds();
    EXPECT_EQ((std::vector<std::string>{"ONE     ", "TWO     "}), Names(configModel().vxds));
    CloseCheckerDevice();
    EnumerateLoadedVxds();
    EXPECT_EQ(2u, configModel().vxds.Count());
}

TEST(SystemList, WalkStopsAfterItsLimitOnAListWithoutEnd) {
    SparseMemory memory;
    ScopedSystemMemory scoped(memory);
    // Every entry points to the next, beyond the limit.
    for (uint32_t i = 0; i <= kMaxListEntries; ++i) {
        const uint32_t next = 0x10000000 + 4 * (i + 1);
        memory.Lay(0x10000000 + 4 * i, &next, 4);
    }
    uint32_t visited = 0;
    WalkSystemList(0x10000000, 4, [&visited](const uint8_t*) { return ++visited > 0; });
    EXPECT_EQ(kMaxListEntries, visited);
}

} // namespace
