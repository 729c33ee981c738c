// What the library relies on from the service manager. The same cases run natively against the
// registry-backed substitute and under Wine against Wine's service manager.
#include "platform/registry_service_manager.h"
#include "support/registry_fixture.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace platform;

constexpr const char* kName = "KvtContract";

class ServiceManagerContract : public ::testing::Test {
protected:
    void SetUp() override {
        manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
        ASSERT_NE(0u, manager_);
        Remove();
    }
    void TearDown() override {
        Remove();
        scm_.Close(manager_);
    }

    void Remove() {
        if (ScHandle service = scm_.Open(manager_, kName, svc::kAllAccess)) {
            scm_.Delete(service);
            scm_.Close(service);
        }
    }

    ScHandle Create(const char* name = kName) {
        const NewService service{name,
                                 "Kvt contract",
                                 svc::kAllAccess,
                                 svc::kKernelDriver,
                                 svc::kDemandStart,
                                 svc::kErrorIgnore,
                                 image_.c_str()};
        return scm_.Create(manager_, service);
    }

    // Every driver service with its current state, read with a buffer that holds them all.
    std::vector<std::pair<std::string, uint32_t>> Drivers() {
        std::vector<EnumServiceStatus> buffer(4096);
        uint32_t needed = 0, returned = 0, resume = 0;
        EXPECT_TRUE(scm_.EnumStatus(manager_, svc::kDriver, svc::kStateAll, buffer.data(),
                                    static_cast<uint32_t>(buffer.size() * sizeof buffer[0]),
                                    &needed, &returned, &resume));
        EXPECT_EQ(0u, resume);
        std::vector<std::pair<std::string, uint32_t>> drivers;
        for (uint32_t i = 0; i < returned; ++i)
            drivers.emplace_back(buffer[i].serviceName, buffer[i].status.currentState);
        return drivers;
    }

    ServiceManager& scm_ = serviceManager();
    ScHandle manager_ = 0;
    const std::string image_ = "\\??\\" + kelvd::test::TestDriver("PLAIN.SYS");
};

TEST_F(ServiceManagerContract, CreatedDriverOpensByNameInAnyCase) {
    ScHandle created = Create();
    ASSERT_NE(0u, created);
    EXPECT_TRUE(scm_.Close(created));
    ScHandle opened = scm_.Open(manager_, "kvtCONTRACT", svc::kGenericRead);
    EXPECT_NE(0u, opened);
    scm_.Close(opened);
}

TEST_F(ServiceManagerContract, CreatingAnExistingServiceFails) {
    scm_.Close(Create());
    EXPECT_EQ(0u, Create());
    EXPECT_EQ(svc::kErrorServiceExists, scm_.LastError());
}

TEST_F(ServiceManagerContract, OpeningAMissingServiceFails) {
    EXPECT_EQ(0u, scm_.Open(manager_, kName, svc::kGenericRead));
    EXPECT_EQ(svc::kErrorNoSuchService, scm_.LastError());
}

TEST_F(ServiceManagerContract, ConfigurationSizeComesFromACallWithoutBuffer) {
    ScHandle service = Create();
    ASSERT_NE(0u, service);
    uint32_t needed = 0;
    EXPECT_FALSE(scm_.QueryConfig(service, nullptr, 0, &needed));
    EXPECT_EQ(svc::kErrorInsufficientBuffer, scm_.LastError());
    ASSERT_GT(needed, sizeof(ServiceConfig));

    std::vector<ServiceConfig> storage(needed / sizeof(ServiceConfig) + 1);
    ASSERT_TRUE(scm_.QueryConfig(service, storage.data(), needed, &needed));
    const ServiceConfig& config = storage[0];
    EXPECT_EQ(svc::kKernelDriver, config.serviceType);
    EXPECT_EQ(svc::kDemandStart, config.startType);
    EXPECT_EQ(svc::kErrorIgnore, config.errorControl);
    EXPECT_EQ(image_, config.binaryPathName);
    EXPECT_STREQ("", config.loadOrderGroup);
    EXPECT_STREQ("Kvt contract", config.displayName);
    scm_.Close(service);
}

TEST_F(ServiceManagerContract, NewDriverIsEnumeratedStopped) {
    scm_.Close(Create());
    auto drivers = Drivers();
    EXPECT_NE(drivers.end(), std::find(drivers.begin(), drivers.end(),
                                       std::make_pair(std::string(kName), svc::kStopped)));
}

TEST_F(ServiceManagerContract, DeletedServiceIsGoneOnceClosed) {
    ScHandle service = Create();
    ASSERT_TRUE(scm_.Delete(service));
    scm_.Close(service);
    EXPECT_EQ(0u, scm_.Open(manager_, kName, svc::kGenericRead));
    auto drivers = Drivers();
    EXPECT_EQ(drivers.end(), std::find_if(drivers.begin(), drivers.end(),
                                          [](const auto& d) { return d.first == kName; }));
}

TEST_F(ServiceManagerContract, ClosingNoHandleFails) {
    EXPECT_FALSE(scm_.Close(0));
    EXPECT_EQ(svc::kErrorInvalidHandle, scm_.LastError());
}

} // namespace
