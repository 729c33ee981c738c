// The Windows 9x candidates: the checker's module list and the VxD chain, laid into a sparse image
// of system memory and reported by a simulated checker device.
#include "doubles/pe_images.h"
#include "drivers/checker_device.h"
#include "drivers/checker_modules.h"
#include "drivers/loaded_vxds.h"
#include "model/config_model.h"
#include "support/model_reset.h"
#include "support/simulated_machine.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using namespace kelvd;

constexpr uint32_t kModules = 0xC1000000; // entry i at kModules + 64 i, its name 32 bytes on
constexpr uint32_t kBlocks = 0xC3000000;  // block i at kBlocks + 128 i

uint32_t ModuleAt(uint32_t i) {
    return kModules + 64 * i;
}
uint32_t BlockAt(uint32_t i) {
    return kBlocks + 128 * i;
}

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
        machine_.devices.Add("\\\\.\\KELVD", {{kGetModuleListHeadCode, ModuleAt(0)},
                                              {kGetVxdChainHeadCode, BlockAt(0)}});
        ASSERT_TRUE(OpenCheckerDevice("KELVD"));
    }
    void TearDown() override {
        CloseCheckerDevice();
        ModelFixture::TearDown();
    }

    void Module(uint32_t i, uint32_t next, uint32_t value, const std::string& name,
                uint32_t nameAddress = 0) {
        ImageBytes entry(35);
        PutLittleEndian(entry, 0, next);
        PutLittleEndian(entry, 5, value);
        PutLittleEndian(entry, 11, nameAddress ? nameAddress : ModuleAt(i) + 32);
        machine_.memory.Lay(ModuleAt(i), entry.data(), entry.size());
        machine_.memory.Lay(ModuleAt(i) + 32, name.c_str(), name.size() + 1);
    }
    void Block(uint32_t i, uint32_t next, const std::string& name) {
        ImageBytes block(80);
        PutLittleEndian(block, 0, next);
        std::copy(name.begin(), name.end(), block.begin() + 12);
        machine_.memory.Lay(BlockAt(i), block.data(), block.size());
    }

    test::SimulatedMachine machine_;
};

// A walk ends at an entry it has passed before, or whose next one cannot be read.
TEST_F(Win9xLists, ModulesWithAValueFrom1ToBelow2GiBAreListedByTheirShortName) {
    Module(0, ModuleAt(1), 1, "NDIS");
    Module(1, ModuleAt(2), 0, "ZERO");
    Module(2, ModuleAt(3), 0x80000000, "HIGH");
    Module(3, ModuleAt(4), 0x7FFFFFFF, "LONGNAME.SYS");
    Module(4, ModuleAt(5), 5, "kelvd   ");
    Module(5, ModuleAt(6), 1, "UNREAD", 0x00001000); // its name cannot be read
    Module(6, ModuleAt(3), 1, "LAST");
    EnumerateCheckerModules();
    EXPECT_EQ((std::vector<std::string>{"NDIS", "LONGNAME", "LAST"}), Names(configModel().drivers));
}

TEST_F(Win9xLists, VxdChainReplacesTheRowsWithBlankPaddedNamesWithoutTheExcludedOnes) {
    configModel().vxds.AppendSlot()->path = "OLD";
    Block(0, BlockAt(1), "VMM     ");
    Block(1, BlockAt(2), "VCOMM   ");
    Block(2, BlockAt(3), "NTKERN  ");
    Block(3, 0xDEAD0000, "ABCDEFGHIJ");
    EnumerateLoadedVxds();
    EXPECT_EQ((std::vector<std::string>{"VCOMM   ", "ABCDEFGH"}), Names(configModel().vxds));
}

TEST_F(Win9xLists, WalkEndsAfter65536Entries) {
    for (uint32_t i = 0; i <= 65536; ++i) // only the 65536th and the 65537th have a value
        Module(i, i < 65536 ? ModuleAt(i + 1) : 0, i >= 65535, i < 65536 ? "EDGE" : "LAST");
    EnumerateCheckerModules();
    EXPECT_EQ(std::vector<std::string>{"EDGE"}, Names(configModel().drivers));
}

TEST_F(Win9xLists, ClosedDeviceEmptiesTheDriversButLeavesTheVxds) {
    configModel().drivers.AppendSlot()->path = "OLD";
    configModel().vxds.AppendSlot()->path = "OLD";
    CloseCheckerDevice();
    EnumerateCheckerModules();
    EnumerateLoadedVxds();
    EXPECT_EQ(0u, configModel().drivers.Count());
    EXPECT_EQ(1u, configModel().vxds.Count());
    EXPECT_TRUE(machine_.devices.controls.empty());
}

} // namespace
