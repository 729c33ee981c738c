// What the library relies on from the service manager: the substitute's, and Wine's.
#include "platform/service_manager.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace platform;

// A service's error control that is not 0, so that it is seen to be kept.
constexpr uint32_t kErrorNormal = 1;

struct ServiceManagerContract : ::testing::Test {
    void SetUp() override {
        manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
        ASSERT_NE(0u, manager_);
        service_ = scm_.Create(manager_,
                               {name_.c_str(), "Kvt contract", svc::kAllAccess, svc::kKernelDriver,
                                svc::kDemandStart, kErrorNormal, image_.c_str()});
        ASSERT_NE(0u, service_);
    }
    void TearDown() override {
        scm_.Delete(service_);
        scm_.Close(service_);
        scm_.Close(manager_);
    }

    ServiceManager& scm_ = serviceManager();
    // A name of its own for every case: a deleted service may linger a while.
    static inline int serial_ = 0;
    const std::string name_ = "KvtContract" + std::to_string(++serial_);
    ScHandle manager_ = 0, service_ = 0;
    const std::string image_ = "\\??\\" + kelvd::test::TestDriver("PLAIN.SYS");
};

TEST_F(ServiceManagerContract, CreatedDriverIsEnumeratedStoppedAndOpensInAnyCase) {
    std::vector<EnumServiceStatus> all(4096);
    uint32_t needed = 0, returned = 0, resume = 0;
    ASSERT_TRUE(scm_.EnumStatus(manager_, svc::kDriver, svc::kStateAll, all.data(),
                                static_cast<uint32_t>(all.size() * sizeof all[0]), &needed,
                                &returned, &resume));
    EXPECT_EQ(1, std::count_if(all.begin(), all.begin() + returned, [&](const auto& service) {
                  return name_ == service.serviceName &&
                         service.status.currentState == svc::kStopped;
              }));
    const std::string otherCase = "kvtCONTRACT" + name_.substr(11);
    EXPECT_TRUE(scm_.Close(scm_.Open(manager_, otherCase.c_str(), svc::kGenericRead)));
    EXPECT_EQ(0u,
              scm_.Create(manager_, {name_.c_str(), "Again", svc::kAllAccess, 1, 3, 0, "x.sys"}));
    EXPECT_EQ(svc::kErrorServiceExists, scm_.LastError());
}

TEST_F(ServiceManagerContract, ConfigurationSizeComesFromACallWithoutBuffer) {
    uint32_t needed = 0;
    EXPECT_FALSE(scm_.QueryConfig(service_, nullptr, 0, &needed));
    EXPECT_EQ(svc::kErrorInsufficientBuffer, scm_.LastError());
    ASSERT_GT(needed, sizeof(ServiceConfig));
    std::vector<ServiceConfig> storage(needed / sizeof(ServiceConfig) + 1);
    ASSERT_TRUE(scm_.QueryConfig(service_, storage.data(), needed, &needed));
    const ServiceConfig& config = storage[0];
    EXPECT_EQ((std::vector<uint32_t>{svc::kKernelDriver, svc::kDemandStart, kErrorNormal}),
              (std::vector<uint32_t>{config.serviceType, config.startType, config.errorControl}));
    EXPECT_EQ(image_, config.binaryPathName);
    EXPECT_STREQ("", config.loadOrderGroup);
    EXPECT_STREQ("Kvt contract", config.displayName);
}

TEST_F(ServiceManagerContract, DeletedServiceIsGoneOnceClosedAndBadHandlesFail) {
    ASSERT_TRUE(scm_.Delete(service_));
    scm_.Close(service_);
    service_ = 0;
    EXPECT_EQ(0u, scm_.Open(manager_, name_.c_str(), svc::kGenericRead));
    EXPECT_EQ(svc::kErrorNoSuchService, scm_.LastError());
    EXPECT_FALSE(scm_.Close(0));
    EXPECT_EQ(svc::kErrorInvalidHandle, scm_.LastError());
}

} // namespace
