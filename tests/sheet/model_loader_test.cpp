// Loading the model once per sheet for every platform and run mode, and releasing it.
#include "sheet/model_loader.h"

#include "platform/file_system.h"
#include "stores/api_catalogue.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using namespace kelvd;
using namespace std::string_literals;

constexpr WindowHandle kSheet = 0x1234;
constexpr const char* kService = "System\\CurrentControlSet\\Services\\described";

struct ModelLoad : test::StoreFixture {
    void SetUp() override {
        StoreFixture::SetUp();
        test::WriteCatalogues(dir_);
        InstallSuite();
        // One driver service, one display driver, one printer driver.
        PutDword(kService, "Type", 1);
        PutDword(kService, "Start", 1);
        PutString(kService, "Group", "Base");
        PutString("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0",
                  "\\Registry\\Machine\\Video\\0000");
        PutString("Video\\0000", "InstalledDisplayDrivers", "vga");
        PutString("SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86\\"
                  "Drivers\\Version-3\\Printer",
                  "Driver", "PRINTER.DLL");
    }
    void TearDown() override {
        ReleaseModel();
        StoreFixture::TearDown();
    }

    test::SimulatedMachine machine_{test::TestSystemFacts()};
    std::vector<RecordedMessageBoxes::Shown>& shown_ = machine_.boxes.shown;
    ModelLoader loader_;
};

TEST_F(ModelLoad, NtListsServicesThenDisplayThenPrinterDriversAndReadsTheCatalogue) {
    // Rows left from an earlier sheet go.
    model_.userDrivers.AppendSlot();
    model_.displayDrivers.AppendSlot();
    model_.vxds.AppendSlot();
    model_.userVxds.AppendSlot();
    ASSERT_TRUE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_TRUE(loader_.modelLoaded);
    EXPECT_EQ(std::vector<std::string>{"DESCRIBED.SYS"}, test::Paths(model_.drivers));
    EXPECT_EQ("Base", model_.drivers[0].group);
    EXPECT_EQ((std::vector<std::string>{"vga.dll", test::TestSystemDirectory() +
                                                       "\\spool\\drivers\\w32x86\\3\\PRINTER.DLL"}),
              test::Paths(model_.displayDrivers));
    EXPECT_EQ(0u, model_.userDrivers.Count() + model_.vxds.Count() + model_.userVxds.Count());
    EXPECT_EQ(0x12u, model_.catalogueVersion);
    EXPECT_EQ(1u, model_.apiCategories.Count());
    EXPECT_TRUE(shown_.empty());
    // A second load of the same sheet does nothing; the release frees the events and closes no
    // device.
    model_.drivers.Clear();
    EXPECT_TRUE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_EQ(0u, model_.drivers.Count());
    model_.vxdApiCategories.Append(model_.apiCategories[0]); // as on Windows 9x
    EXPECT_TRUE(ReleaseModel());
    EXPECT_TRUE(model_.apiCategories[0].eventNames.empty());
    EXPECT_TRUE(model_.vxdApiCategories[0].eventNames.empty());
    EXPECT_TRUE(machine_.devices.opens.empty() && machine_.devices.closes.empty());
}

TEST_F(ModelLoad, MissingCatalogueIsReportedOncePerSheetWithMessage1510) {
    ASSERT_TRUE(WriteWholeFile(dir_.File("KELVD.API"), "FF\n0\n")); // version FF reads as missing
    EXPECT_FALSE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_FALSE(loader_.modelLoaded);
    EXPECT_EQ(255u, model_.catalogueVersion);
    ASSERT_EQ(1u, shown_.size());
    EXPECT_EQ(
        std::make_tuple(kSheet, kMbOk, "|Unable to find KELVD.API.  Please re-install Forgeline."s),
        std::make_tuple(shown_[0].owner, shown_[0].type, shown_[0].caption + "|" + shown_[0].text));
    EXPECT_EQ(1u, model_.drivers.Count()); // the inventory ran
}

TEST_F(ModelLoad, Windows9xWithoutTheCheckerFailsSilentlyWithEmptyTablesAndNoCatalogue) {
    model_.isWin9x = true;
    model_.vxds.AppendSlot();
    AddCategory(model_.apiCategories, "Earlier", {1}); // left by an earlier sheet
    AddCategory(model_.vxdApiCategories, "Earlier", {1});
    EXPECT_FALSE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(0u, model_.drivers.Count() + model_.vxds.Count());
    EXPECT_EQ(kNoCatalogue, model_.catalogueVersion);
    // No categories, so the hook-state file stays.
    EXPECT_EQ(0u, model_.apiCategories.Count() + model_.vxdApiCategories.Count());
}

} // namespace
