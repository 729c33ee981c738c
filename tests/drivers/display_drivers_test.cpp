// Display drivers from the video device map, and printer drivers from the spooler's keys.
#include "drivers/display_drivers.h"
#include "drivers/printer_drivers.h"
#include "platform/substitute/memory_registry.h"
#include "platform/system_info.h"
#include "support/model_reset.h"
#include "support/registry_fixture.h"
#include "support/test_drivers.h"

namespace {

using namespace platform;
using namespace kelvd;

constexpr const char* kVideoMap = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr const char* kDevices = "Software\\KelvdTest\\Video";
constexpr const char* kPrinters =
    "SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows NT x86";

std::vector<std::string> Column(std::string DriverEntry::*field) {
    std::vector<std::string> values;
    for (const DriverEntry& row : configModel().displayDrivers)
        values.push_back(row.*field);
    return values;
}

struct DisplayDrivers : test::RegistryFixture {
    void SetUp() override { test::ResetModel(); }
    void TearDown() override { test::ResetModel(); }

    // A video device n whose key holds the driver list (a REG_MULTI_SZ), and a description when
    // one is given.
    static void Device(int n, const std::string& drivers, const char* description) {
        const std::string key = std::string(kDevices) + "\\000" + std::to_string(n);
        PutString(kVideoMap, ("\\Device\\Video" + std::to_string(n)).c_str(),
                  "\\Registry\\Machine\\" + key);
        if (!drivers.empty())
            Put(key.c_str(), "InstalledDisplayDrivers", reg::kMultiSz, drivers + '\0');
        if (description)
            PutString(key.c_str(), "Device Description", description);
    }

    MemoryRegistry registry_;
    ScopedRegistry scope_{registry_};
};

// Devices lacking a key, a key name long enough or a driver list add no row.
TEST_F(DisplayDrivers, EveryDeviceUpToTheFirstMissingValueGivesItsFirstDriver) {
    Device(0, std::string("mga64\0vga", 9), "Matrox Millennium");
    PutString(kVideoMap, "\\Device\\Video1", "\\Registry\\Machine\\System\\KvtNoSuchKey");
    Device(2, "", "No driver list");
    PutString(kVideoMap, "\\Device\\Video3", "\\Short");
    Device(4, "s3", nullptr);
    Device(6, "unseen", "After the gap");
    EnumerateDisplayDrivers();
    EXPECT_EQ((std::vector<std::string>{"mga64.dll", "s3.dll"}), Column(&DriverEntry::path));
    EXPECT_EQ((std::vector<std::string>{"Matrox Millennium", "s3.dll"}),
              Column(&DriverEntry::description));
}

struct PrinterDrivers : DisplayDrivers {
    static void Printer(const char* version, const char* model, const char* file) {
        const std::string key = std::string(kPrinters) + "\\Drivers\\" + version + "\\" + model;
        PutString(key.c_str(), file ? "Driver" : "Configuration File", file ? file : "x");
    }
    static std::string Spooled(const char* file) {
        return test::TestSystemDirectory() + "\\spool\\drivers\\w32x86\\3\\" + file;
    }

    FixedSystemInfo system_{test::TestSystemFacts()};
    ScopedSystemInfo scoped_{system_};
};

// A driver of two models is listed twice; one without a version resource by its path.
TEST_F(PrinterDrivers, EveryModelsDriverIsListedAfterTheDisplayDrivers) {
    Device(0, "vga", "VGA");
    Printer("Version-2-3", "Plain", "PLAINPRN.DLL"); // the version follows the last "-"
    Printer("Version-3", "Missing", "MISSING.DLL");
    Printer("Version-3", "Model A", "PRINTER.DLL");
    Printer("Version-3", "Model B", "PRINTER.DLL");
    Printer("Version-3", "No driver", nullptr);
    Printer("Version", "Model", "PRINTER.DLL"); // no version: passed over
    EnumerateDisplayDrivers();
    EnumeratePrinterDrivers();
    const std::string described = "Described test driver with a long des";
    EXPECT_EQ((std::vector<std::string>{"VGA", Spooled("PLAINPRN.DLL"), Spooled("MISSING.DLL"),
                                        described, described}),
              Column(&DriverEntry::description));
    EXPECT_EQ(Spooled("PRINTER.DLL"), configModel().displayDrivers[4].path);
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
