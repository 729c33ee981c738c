// Loading the model once per sheet for every platform and run mode, and releasing it.
#include "sheet/model_loader.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "stores/api_catalogue.h"
#include "stores/install_dirs.h"
#include "support/sheet_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using namespace kelvd;

constexpr WindowHandle kSheet = 0x1234;
constexpr const char* kService = "System\\CurrentControlSet\\Services\\described";

class ModelLoad : public test::StoreFixture {
protected:
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
    SimulatedDevices& devices_ = machine_.devices;
    std::vector<RecordedMessageBoxes::Shown>& shown_ = machine_.boxes.shown;
    ModelLoader loader_;
};

TEST_F(ModelLoad, NtListsServicesThenDisplayThenPrinterDriversAndReadsTheCatalogue) {
    // Rows left from an earlier sheet go.
    configModel().userDrivers.AppendSlot();
    configModel().displayDrivers.AppendSlot();
    configModel().vxds.AppendSlot();
    configModel().userVxds.AppendSlot();
    ASSERT_TRUE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_TRUE(loader_.modelLoaded);
    EXPECT_EQ(std::vector<std::string>{"DESCRIBED.SYS"}, test::Paths(configModel().drivers));
    EXPECT_EQ("Base", configModel().drivers[0].group);
    EXPECT_EQ((std::vector<std::string>{"vga.dll", test::TestSystemDirectory() +
                                                       "\\spool\\drivers\\w32x86\\3\\PRINTER.DLL"}),
              test::Paths(configModel().displayDrivers));
    EXPECT_EQ(0u, configModel().userDrivers.Count() + configModel().vxds.Count() +
                      configModel().userVxds.Count());
    EXPECT_EQ(0x12u, configModel().catalogueVersion);
    EXPECT_EQ(1u, configModel().apiCategories.Count());
    EXPECT_TRUE(shown_.empty());
    // A second load of the same sheet does nothing; the release frees the events and closes no
    // device.
    configModel().drivers.Clear();
    EXPECT_TRUE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_EQ(0u, configModel().drivers.Count());
    configModel().vxdApiCategories.Append(configModel().apiCategories[0]); // as on Windows 9x
    EXPECT_TRUE(ReleaseModel());
    EXPECT_TRUE(configModel().apiCategories[0].eventNames.empty());
    EXPECT_TRUE(configModel().vxdApiCategories[0].eventNames.empty());
    EXPECT_TRUE(devices_.opens.empty() && devices_.closes.empty());
}

TEST_F(ModelLoad, MissingCatalogueIsReportedOncePerSheetWithMessage1510) {
    ASSERT_TRUE(WriteWholeFile(dir_.File("KELVD.API"), "FF\n0\n")); // version FF reads as missing
    EXPECT_FALSE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_FALSE(loader_.modelLoaded);
    EXPECT_EQ(255u, configModel().catalogueVersion);
    ASSERT_EQ(1u, shown_.size());
    EXPECT_EQ(kSheet, shown_[0].owner);
    EXPECT_EQ("|Unable to find KELVD.API.  Please re-install Forgeline.",
              shown_[0].caption + "|" + shown_[0].text);
    EXPECT_EQ(kMbOk, shown_[0].type);
    EXPECT_EQ(1u, configModel().drivers.Count()); // the inventory ran
}

TEST_F(ModelLoad, Windows9xWithoutTheCheckerFailsSilentlyWithEmptyTablesAndNoCatalogue) {
    configModel().isWin9x = true;
    configModel().vxds.AppendSlot();
    EXPECT_FALSE(loader_.LoadModel(kSheet, nullptr));
    EXPECT_TRUE(shown_.empty());
    EXPECT_EQ(0u, configModel().drivers.Count() + configModel().vxds.Count());
    EXPECT_EQ(kNoCatalogue, configModel().catalogueVersion); // so the hook-state file stays
}

} // namespace
