// Display drivers from the video device map, and printer drivers from the spooler's keys, in the
// platform's own registry (Wine's under Wine).
#include "drivers/display_drivers.h"
#include "drivers/printer_drivers.h"
#include "model/config_model.h"
#include "platform/system_info.h"
#include "support/model_reset.h"
#include "support/registry_fixture.h"
#include "support/test_drivers.h"

#include <map>

namespace {

using namespace platform;
using namespace kelvd;

constexpr const char* kVideoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
// Device keys lie in the tests' own key: the system's video keys may be volatile.
constexpr const char* kDevices = "Software\\KelvdTest\\Video";
constexpr const char* kPrinters =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86";
constexpr int kVideoValues = 4;

std::vector<std::string> Column(std::string DriverEntry::*field) {
    std::vector<std::string> values;
    for (const DriverEntry& row : configModel().displayDrivers)
        values.push_back(row.*field);
    return values;
}

class DisplayDrivers : public test::RegistryFixture {
protected:
    DisplayDrivers() : RegistryFixture({kPrinters}) {}

    // The device map may be the system's own: its values are put aside and put back.
    void SetUp() override {
        RegistryFixture::SetUp();
        test::ResetModel();
        KeyHandle map;
        ASSERT_TRUE(map.Create(kLocalMachine, kVideoMap, reg::kAllAccess));
        for (int n = 0; n < kVideoValues; ++n) {
            std::vector<uint8_t> data;
            if (map.QueryBytes(VideoValue(n).c_str(), &data))
                saved_[n] = data;
            registry().DeleteValue(map.get(), VideoValue(n).c_str());
        }
    }
    void TearDown() override {
        KeyHandle map;
        ASSERT_TRUE(map.Open(kLocalMachine, kVideoMap, reg::kAllAccess));
        for (int n = 0; n < kVideoValues; ++n)
            registry().DeleteValue(map.get(), VideoValue(n).c_str());
        for (const auto& [n, data] : saved_)
            registry().SetValue(map.get(), VideoValue(n).c_str(), reg::kSz, data.data(),
                                static_cast<uint32_t>(data.size()));
        test::ResetModel();
        RegistryFixture::TearDown();
    }

    static std::string VideoValue(int n) { return "\\Device\\Video" + std::to_string(n); }
    // A video device n whose key holds the driver list (a REG_MULTI_SZ), and a description when
    // one is given.
    static void Device(int n, const std::string& drivers, const char* description) {
        const std::string key = std::string(kDevices) + "\\000" + std::to_string(n);
        PutString(kVideoMap, VideoValue(n).c_str(), "\\Registry\\Machine\\" + key);
        if (!drivers.empty())
            Put(key.c_str(), "InstalledDisplayDrivers", reg::kMultiSz, drivers + '\0');
        if (description)
            PutString(key.c_str(), "Device Description", description);
    }

    std::map<int, std::vector<uint8_t>> saved_;
};

TEST_F(DisplayDrivers, EveryDeviceUpToTheFirstMissingValueGivesItsFirstDriver) {
    Device(0, std::string("mga64\0vga", 9), "Matrox Millennium");
    Device(1, "s3", "S3 Trio");
    Device(3, "unseen", "After the gap");
    EnumerateDisplayDrivers();
    EXPECT_EQ((std::vector<std::string>{"mga64.dll", "s3.dll"}), Column(&DriverEntry::path));
    EXPECT_EQ((std::vector<std::string>{"Matrox Millennium", "S3 Trio"}),
              Column(&DriverEntry::description));
    for (const DriverEntry& row : configModel().displayDrivers) {
        EXPECT_EQ("Installed display drivers", row.group);
        EXPECT_EQ(-1, row.startType);
    }
}

TEST_F(DisplayDrivers, DevicesWithoutKeyOrDriverAddNoRowAndTheNextTakesTheRow) {
    PutString(kVideoMap, "\\Device\\Video0", "\\Registry\\Machine\\System\\KvtNoSuchKey");
    Device(1, "", "No driver list");
    PutString(kVideoMap, "\\Device\\Video2", "\\Short");
    Device(3, "vga", nullptr);
    EnumerateDisplayDrivers();
    EXPECT_EQ((std::vector<std::string>{"vga.dll"}), Column(&DriverEntry::path));
    EXPECT_EQ((std::vector<std::string>{"vga.dll"}), Column(&DriverEntry::description));
}

class PrinterDrivers : public DisplayDrivers {
protected:
    static void Printer(const char* version, const char* model, const char* file) {
        const std::string key = std::string(kPrinters) + "\\Drivers\\" + version + "\\" + model;
        if (file)
            PutString(key.c_str(), "Driver", file);
        else
            PutString(key.c_str(), "Configuration File", "x");
    }
    static std::string Spooled(const char* file) {
        return test::TestSystemDirectory() + "\\spool\\drivers\\w32x86\\3\\" + file;
    }

    FixedSystemInfo system_{test::TestSystemFacts()};
    ScopedSystemInfo scoped_{system_};
};

TEST_F(PrinterDrivers, DriverOfTwoModelsIsListedTwiceAfterTheDisplayDrivers) {
    Device(0, "vga", "VGA");
    Printer("Version-3", "Model A", "PRINTER.DLL");
    Printer("Version-3", "Model B", "PRINTER.DLL");
    EnumerateDisplayDrivers();
    EnumeratePrinterDrivers();
    EXPECT_EQ((std::vector<std::string>{"vga.dll", Spooled("PRINTER.DLL"), Spooled("PRINTER.DLL")}),
              Column(&DriverEntry::path));
    EXPECT_EQ("Described test driver with a long des", configModel().displayDrivers[1].description);
    EXPECT_EQ("Installed display drivers", configModel().displayDrivers[2].group);
    EXPECT_EQ(-1, configModel().displayDrivers[2].startType);
}

TEST_F(PrinterDrivers, FilesWithoutVersionResourceAreDescribedByTheirPath) {
    Printer("Version-2-3", "Plain", "PLAINPRN.DLL"); // the version follows the last "-"
    Printer("Version-3", "Missing", "MISSING.DLL");
    Printer("Version3", "Model", "PRINTER.DLL"); // no version: passed over
    Printer("Version-3", "No driver", nullptr);
    EnumeratePrinterDrivers();
    EXPECT_EQ((std::vector<std::string>{Spooled("PLAINPRN.DLL"), Spooled("MISSING.DLL")}),
              Column(&DriverEntry::description));
}

// The system directory is read into 260 characters: one that fills them is read as none.
TEST_F(PrinterDrivers, SpoolDirectoryUnderASystemDirectoryOfUpTo259Characters) {
    Printer("Version-3", "Missing", "MISSING.DLL");
    const std::string longest = "C:\\" + std::string(256, 'S');
    for (const std::string& directory : {longest, longest + "S"}) {
        system_.facts.systemDirectory = directory;
        EnumeratePrinterDrivers();
    }
    const std::string spooled = "\\spool\\drivers\\w32x86\\3\\MISSING.DLL";
    EXPECT_EQ((std::vector<std::string>{longest + spooled, spooled}), Column(&DriverEntry::path));
}

} // namespace
