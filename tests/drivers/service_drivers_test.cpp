// Kernel-driver services as candidates: one service's row, and scripted service managers.
#include "drivers/driver_description.h"
#include "drivers/service_drivers.h"
#include "support/model_reset.h"
#include "support/simulated_machine.h"
#include "support/test_drivers.h"

#include <cstring>
#include <functional>

namespace {

using namespace platform;
using namespace kelvd;
using test::TestDriver;

const std::string kLongDescription = "Described test driver with a long des"; // its first 37

// "@NAME" stands for the test image NAME, "\??\"-prefixed as an image path.
std::string Image(const std::string& text, bool ntPrefix) {
    return text[0] == '@' ? (ntPrefix ? "\\??\\" : "") + TestDriver(text.substr(1)) : text;
}

struct Service {
    const char* name;
    const char* image;
    const char* display;
    const char* path; // nullptr: not offered
    std::string description;
};

struct ServiceDriverRow : test::ModelFixture, ::testing::WithParamInterface<Service> {
    FixedSystemInfo system_{test::TestSystemFacts()};
    ScopedSystemInfo scoped_{system_};
};

TEST_P(ServiceDriverRow, IsOfferedOnlyWithAVersionResourceAndNotExcluded) {
    const Service& param = GetParam();
    const std::string image = Image(param.image, true);
    EnumServiceStatus service{param.name, param.display, {1, svc::kRunning, 0, 0, 0, 0, 0}};
    ServiceConfig config{1, 2, 0, image.c_str(), "SCSI miniport", 0, "", "", param.display};
    AddServiceDriver(service, config);
    ASSERT_EQ(param.path ? 1u : 0u, configModel().drivers.Count());
    if (!param.path)
        return;
    const DriverEntry& row = configModel().drivers[0];
    EXPECT_EQ(Image(param.path, false), row.path);
    EXPECT_EQ(param.description, row.description);
    EXPECT_EQ("SCSI miniport", row.group);
    EXPECT_EQ(2, row.startType);
    EXPECT_EQ(svc::kRunning, row.serviceState);
}

INSTANTIATE_TEST_SUITE_P(
    Services, ServiceDriverRow,
    ::testing::Values(
        Service{"Described", "@DESCRIBED.SYS", "D", "@DESCRIBED.SYS", kLongDescription},
        // Without an image path the file is the upper-case name in the driver directory.
        Service{"described", "", "D", "DESCRIBED.SYS", kLongDescription},
        Service{"Product", "\\SystemRoot\\System32\\DRIVERS\\PRODUCT.SYS", "D", "@PRODUCT.SYS",
                "Produit d\xE9"
                "crit"},
        // Strings in another language only: the display name, at most 38 bytes of it.
        Service{"Foreign", "@FOREIGN.SYS", "0123456789012345678901234567890123456789",
                "@FOREIGN.SYS", "01234567890123456789012345678901234567"},
        Service{"Plain", "@PLAIN.SYS", "D", nullptr, ""}, Service{"plain", "", "D", nullptr, ""},
        Service{"Missing", "@MISSING.SYS", "D", nullptr, ""},
        Service{"kelvd", "@DESCRIBED.SYS", "D", nullptr, ""},
        Service{"NtDrov", "@DESCRIBED.SYS", "D", nullptr, ""}));

TEST(DriverDescription, OfAnImageWithoutVersionResourceIsEmpty) {
    std::string description = "(unset)";
    EXPECT_FALSE(GetDriverDescription(TestDriver("PLAIN.SYS"), false, &description));
    EXPECT_EQ("", description);
}

// A service manager whose enumeration a test scripts; it has no configurations.
struct ScriptedServices final : ServiceManager {
    ScHandle OpenManager(const char*, const char*, uint32_t) override { return 1; }
    ScHandle Create(ScHandle, const NewService&) override { return 0; }
    ScHandle Open(ScHandle, const char*, uint32_t) override { return ++opens + 1; }
    bool Start(ScHandle) override { return false; }
    bool Delete(ScHandle) override { return false; }
    bool EnumStatus(ScHandle, uint32_t, uint32_t, EnumServiceStatus* services, uint32_t size,
                    uint32_t* bytesNeeded, uint32_t* returned, uint32_t* resume) override {
        calls.emplace_back(size, *resume);
        *bytesNeeded = needed;
        return enumerate(services, size, returned, resume);
    }
    bool QueryConfig(ScHandle, ServiceConfig*, uint32_t size, uint32_t* needed) override {
        querySizes.push_back(size);
        *needed = configSize;
        return false;
    }
    bool Close(ScHandle) override { return ++closes != 0; }
    uint32_t LastError() override { return svc::kErrorMoreData; }

    std::function<bool(EnumServiceStatus*, uint32_t, uint32_t*, uint32_t*)> enumerate;
    int opens = 0, closes = 0;
    uint32_t needed = 0;                              // what every call says it needs
    std::vector<std::pair<uint32_t, uint32_t>> calls; // the buffer size and resume handle of each
    uint32_t configSize = 1u << 30;                   // what a configuration needs: not believed
    std::vector<uint32_t> querySizes;                 // the buffer size of each configuration query
};

// Fills the buffer with entries of names, their strings after them; their number.
uint32_t Deliver(EnumServiceStatus* services, std::initializer_list<const char*> names) {
    char* strings = reinterpret_cast<char*>(services + names.size());
    uint32_t count = 0;
    for (const char* name : names) {
        services[count++] = {strings, strings, {svc::kKernelDriver, svc::kStopped, 0, 0, 0, 0, 0}};
        strings = std::strcpy(strings, name) + std::strlen(name) + 1;
    }
    return count;
}

struct MisbehavingServices : test::ModelFixture {
    ScriptedServices services_;
    ScopedServiceManager scoped_{services_};
};

using Calls = std::vector<std::pair<uint32_t, uint32_t>>;

TEST_F(MisbehavingServices, OneThatAnswersWellIsCalledWith720BytesFromEachResumeHandle) {
    services_.enumerate = [](EnumServiceStatus* services, uint32_t, uint32_t* returned,
                             uint32_t* resume) {
        *returned = Deliver(services, {"One", "Two"});
        *resume = *resume == 2 ? 0 : *resume + 1;
        return *resume == 0;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ((Calls{{720, 0}, {720, 1}, {720, 2}}), services_.calls);
    EXPECT_EQ(6, services_.opens);
    EXPECT_EQ(7, services_.closes); // and the manager
    // A configuration is asked for in 8 KiB, then again in the size it needs up to 64 KiB.
    EXPECT_EQ(std::vector<uint32_t>(6, 8192), services_.querySizes);
    for (uint32_t size : {8193u, 65536u, 65537u}) {
        services_.querySizes.clear();
        services_.configSize = size;
        EnumerateServiceDrivers();
        EXPECT_EQ(size > 65536 ? 6u : 12u, services_.querySizes.size());
        EXPECT_EQ(size > 65536 ? 8192 : size, services_.querySizes[1]);
    }
}

TEST_F(MisbehavingServices, EntriesCountedButNeverWrittenAreAskedForAgainWithTheSizeNeeded) {
    // As Wine answers when the services overflow 720 bytes: counted, unwritten, resume kept.
    services_.needed = 5000;
    services_.enumerate = [](EnumServiceStatus* services, uint32_t size, uint32_t* returned,
                             uint32_t*) {
        *returned = size < 5000 ? 13 : Deliver(services, {"One", "Two", "Three"});
        return size >= 5000;
    };
    EnumerateServiceDrivers();
    EXPECT_EQ((Calls{{720, 0}, {5000, 0}}), services_.calls);
    EXPECT_EQ(3, services_.opens);
}

TEST_F(MisbehavingServices, AnswerThatNeverDeliversIsAskedForWithDoubledBuffersUpToABound) {
    services_.enumerate = [](EnumServiceStatus* services, uint32_t, uint32_t* returned, uint32_t*) {
        *returned = 100000;
        Deliver(services, {"Written"}); // and the rest never
        return false;
    };
    EnumerateServiceDrivers();
    Calls expected;
    for (uint32_t size = 720; size < (1u << 20); size *= 2)
        expected.emplace_back(size, 0);
    expected.emplace_back(1u << 20, 0);
    EXPECT_EQ(expected, services_.calls);
    EXPECT_EQ(1, services_.opens); // what the last answer holds
}

} // namespace
