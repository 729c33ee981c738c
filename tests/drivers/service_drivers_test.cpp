// The kernel-driver services as candidates: the row of one service, and the enumeration through
// the platform's own service manager, a large in-memory one and a misbehaving one.
#include "drivers/service_drivers.h"
#include "model/config_model.h"
#include "support/model_reset.h"
#include "support/simulated_machine.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace platform;
using namespace kelvd;
using test::TestDriver;

const std::string kLongDescription = "Described test driver with a long des"; // its first 37

class ServiceDriverRow : public test::ModelFixture {
protected:
    // Offers one service with the given configuration; the row it added, if any.
    const DriverEntry* Add(const char* name, const char* image, const char* display = "Display",
                           const char* group = "Base", uint32_t start = 1, uint32_t state = 4) {
        EnumServiceStatus service{name, display, {svc::kKernelDriver, state, 0, 0, 0, 0, 0}};
        ServiceConfig config{svc::kKernelDriver, start, 0, image, group, 0, "", "", display};
        const uint32_t before = configModel().drivers.Count();
        AddServiceDriver(service, config);
        return configModel().drivers.Count() > before ? &configModel().drivers[before] : nullptr;
    }

    FixedSystemInfo system_{test::TestSystemFacts()};
    ScopedSystemInfo scoped_{system_};
};

TEST_F(ServiceDriverRow, ImagePathGivesTheRowWithItsFileDescription) {
    const std::string image = "\\??\\" + TestDriver("DESCRIBED.SYS");
    const DriverEntry* row = Add("Described", image.c_str(), "Display", "SCSI miniport", 2, 1);
    ASSERT_TRUE(row);
    EXPECT_EQ(TestDriver("DESCRIBED.SYS"), row->path);
    EXPECT_EQ(kLongDescription, row->description);
    EXPECT_EQ("SCSI miniport", row->group);
    EXPECT_EQ(2, row->startType);
    EXPECT_EQ(1u, row->serviceState);
}

TEST_F(ServiceDriverRow, WithoutImagePathTheUpperCaseNameIsLookedForInTheDriverDirectory) {
    const DriverEntry* row = Add("described", "");
    ASSERT_TRUE(row);
    EXPECT_EQ("DESCRIBED.SYS", row->path);
    EXPECT_EQ(kLongDescription, row->description);
    EXPECT_EQ(nullptr, Add("plain", nullptr));
}

TEST_F(ServiceDriverRow, SystemRootPathIsExpandedAndTheProductNameServes) {
    const DriverEntry* row = Add("Product", "\\SystemRoot\\System32\\DRIVERS\\PRODUCT.SYS");
    ASSERT_TRUE(row);
    EXPECT_EQ(test::TestSystemDirectory() + "\\DRIVERS\\PRODUCT.SYS", row->path);
    EXPECT_EQ("Produit d\xE9"
              "crit",
              row->description);
}

TEST_F(ServiceDriverRow, StringsInAnotherLanguageGiveTheDisplayNameCutTo38Bytes) {
    const std::string image = TestDriver("FOREIGN.SYS");
    const DriverEntry* row = Add("Foreign", image.c_str(), std::string(50, 'd').c_str());
    ASSERT_TRUE(row);
    EXPECT_EQ(std::string(38, 'd'), row->description);
    EXPECT_EQ("", Add("Short", image.c_str(), "")->description);
}

TEST_F(ServiceDriverRow, FilesWithoutVersionResourceAndExcludedNamesAreNotOffered) {
    const std::string described = TestDriver("DESCRIBED.SYS");
    EXPECT_EQ(nullptr, Add("Plain", TestDriver("PLAIN.SYS").c_str()));
    EXPECT_EQ(nullptr, Add("Missing", TestDriver("MISSING.SYS").c_str()));
    EXPECT_EQ(nullptr, Add("kelvd", described.c_str()));
    EXPECT_EQ(nullptr, Add("NtDrov", described.c_str()));
    EXPECT_EQ(0u, configModel().drivers.Count());
}

TEST_F(ServiceDriverRow, FullTableTakesNoMore) {
    while (configModel().drivers.AppendSlot()) {
    }
    EXPECT_EQ(nullptr, Add("Described", TestDriver("DESCRIBED.SYS").c_str()));
    EXPECT_EQ(256u, configModel().drivers.Count());
}

// Driver services registered with the platform's own service manager (Wine's under Wine).
class RegisteredServices : public test::ModelFixture {
protected:
    void SetUp() override {
        ModelFixture::SetUp();
        manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
        ASSERT_NE(0u, manager_);
        // Short names: Wine's narrow enumeration has to fit its own drivers and these in 720
        // bytes.
        Register("KvtDesc", "DESCRIBED.SYS");
        Register("KvtPlain", "PLAIN.SYS");
    }
    void TearDown() override {
        for (const char* name : {"KvtDesc", "KvtPlain"}) {
            ScHandle service = scm_.Open(manager_, name, svc::kAllAccess);
            scm_.Delete(service);
            scm_.Close(service);
        }
        scm_.Close(manager_);
        ModelFixture::TearDown();
    }
    void Register(const char* name, const char* image) {
        const std::string path = "\\??\\" + TestDriver(image);
        const NewService service{name,
                                 "Kvt",
                                 svc::kAllAccess,
                                 svc::kKernelDriver,
                                 svc::kDemandStart,
                                 svc::kErrorIgnore,
                                 path.c_str()};
        scm_.Close(scm_.Create(manager_, service));
    }
    const DriverEntry* Row(const std::string& path) const {
        for (const DriverEntry& row : configModel().drivers)
            if (row.path == path)
                return &row;
        return nullptr;
    }

    ServiceManager& scm_ = serviceManager();
    ScHandle manager_ = 0;
};

TEST_F(RegisteredServices, DriverWithVersionResourceIsListedAndOneWithoutIsNot) {
    EnumerateServiceDrivers();
    const DriverEntry* described = Row(TestDriver("DESCRIBED.SYS"));
    ASSERT_TRUE(described);
    EXPECT_EQ(kLongDescription, described->description);
    EXPECT_EQ(3, described->startType);
    EXPECT_EQ(svc::kStopped, described->serviceState);
    EXPECT_EQ(nullptr, Row(TestDriver("PLAIN.SYS")));
}

// Many services, through the in-memory service manager on every platform.
TEST(ManyServices, FillTheTableToItsCapacityInTheirOrder) {
    test::ResetModel();
    test::SimulatedMachine machine;
    const std::string image = "\\??\\" + TestDriver("DESCRIBED.SYS");
    for (int i = 0; i < 400; ++i) {
        KeyHandle key;
        ASSERT_TRUE(key.Create(
            kLocalMachine,
            ("System\\CurrentControlSet\\Services\\S" + std::to_string(1000 + i)).c_str(),
            reg::kAllAccess));
        key.SetDword("Type", 1);
        key.SetDword("Start", 3);
        key.SetString("ImagePath", image);
    }
    machine.services.SetCurrentState("S1001", svc::kRunning);
    EnumerateServiceDrivers();
    ASSERT_EQ(256u, configModel().drivers.Count());
    EXPECT_EQ(svc::kRunning, configModel().drivers[1].serviceState);
    EXPECT_EQ(svc::kStopped, configModel().drivers[255].serviceState);
    test::ResetModel();
}

// A service manager that answers as a test scripts it.
class ScriptedServices final : public ServiceManager {
public:
    ScHandle OpenManager(const char*, const char*, uint32_t) override { return 1; }
    ScHandle Create(ScHandle, const NewService&) override { return 0; }
    ScHandle Open(ScHandle, const char*, uint32_t) override { return ++opens + 1; }
    bool Start(ScHandle) override { return false; }
    bool Delete(ScHandle) override { return false; }
    bool EnumStatus(ScHandle, uint32_t, uint32_t, EnumServiceStatus* services, uint32_t size,
                    uint32_t* needed, uint32_t* returned, uint32_t* resume) override {
        ++enumerations;
        return enumerate(services, size, needed, returned, resume);
    }
    bool QueryConfig(ScHandle, ServiceConfig* config, uint32_t size, uint32_t* needed) override {
        ++queries;
        return query(config, size, needed);
    }
    bool Close(ScHandle) override { return true; }
    uint32_t LastError() override { return svc::kErrorMoreData; }

    std::function<bool(EnumServiceStatus*, uint32_t, uint32_t*, uint32_t*, uint32_t*)> enumerate;
    std::function<bool(ServiceConfig*, uint32_t, uint32_t*)> query =
        [](ServiceConfig*, uint32_t, uint32_t*) { return false; };
    int enumerations = 0, opens = 0, queries = 0;
};

class MisbehavingServices : public test::ModelFixture {
protected:
    ScriptedServices services_;
    ScopedServiceManager scoped_{services_};
};

TEST_F(MisbehavingServices, EntriesCountedButNeverWrittenAreNotRead) {
    services_.enumerate = [](EnumServiceStatus*, uint32_t, uint32_t*, uint32_t* returned,
                             uint32_t* resume) {
        *returned = 100000;
        *resume = 0;
        return false;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ(1, services_.enumerations);
    EXPECT_EQ(0, services_.opens);
}

TEST_F(MisbehavingServices, EntriesPointingOutsideTheBufferAreNotRead) {
    static const char outside[] = "Outside";
    services_.enumerate = [](EnumServiceStatus* entries, uint32_t, uint32_t*, uint32_t* returned,
                             uint32_t*) {
        entries[0] = EnumServiceStatus{outside, outside, {}};
        *returned = 1;
        return true;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ(0, services_.opens);
}

TEST_F(MisbehavingServices, ResumeHandleThatDoesNotMoveEndsTheEnumeration) {
    services_.enumerate = [](EnumServiceStatus* entries, uint32_t size, uint32_t*,
                             uint32_t* returned, uint32_t* resume) {
        char* text = reinterpret_cast<char*>(entries) + size - 4;
        std::copy_n("Svc", 4, text);
        entries[0] = EnumServiceStatus{text, text, {}};
        *returned = 1;
        *resume = 5;
        return false;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ(2, services_.enumerations);
    EXPECT_EQ(2, services_.opens);
}

TEST_F(MisbehavingServices, ConfigurationsOfUnbelievableSizeOrWithStrayStringsAreSkipped) {
    services_.enumerate = [](EnumServiceStatus* entries, uint32_t size, uint32_t*,
                             uint32_t* returned, uint32_t*) {
        char* text = reinterpret_cast<char*>(entries) + size - 4;
        std::copy_n("Svc", 4, text);
        entries[0] = entries[1] = EnumServiceStatus{text, text, {}};
        *returned = 2;
        return true;
    };
    services_.query = [call = 0](ServiceConfig* config, uint32_t size, uint32_t* needed) mutable {
        ++call;
        *needed = call == 1 ? 1u << 30 : static_cast<uint32_t>(sizeof(ServiceConfig) + 8);
        if (!config)
            return false;
        static const char stray[] = "\\??\\C:\\stray.sys";
        *config = ServiceConfig{1, 1, 0, stray, nullptr, 0, nullptr, nullptr, nullptr};
        return size >= *needed;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ(2, services_.opens);
    EXPECT_EQ(3, services_.queries); // one for the first service, two for the second
    EXPECT_EQ(0u, configModel().drivers.Count());
}

} // namespace
