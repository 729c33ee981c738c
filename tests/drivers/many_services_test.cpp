// Sixty driver services with names of up to 200 characters, registered with the platform's own
// service manager (under Wine, Wine's, whose narrow enumeration misreports its 720-byte answer
// with that many): every one is listed with its configuration, one whose image has no version
// resource is not, and the registry store's load and save around the inventory, as the sheet
// runs them, keep the state the user had stored for each.
#include "drivers/service_drivers.h"
#include "platform/file_system.h"
#include "platform/service_manager.h"
#include "stores/registry_store.h"
#include "stores/state_list.h"
#include "support/model_reset.h"
#include "support/store_fixture.h"
#include "support/test_drivers.h"

#include <algorithm>
#include <map>

namespace {

using namespace platform;
using namespace kelvd;

constexpr int kServices = 60;

class ManyServices : public test::StoreFixture {
protected:
    void SetUp() override {
        StoreFixture::SetUp();
        manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
        std::string image;
        ASSERT_TRUE(ReadWholeFile(test::TestDriver("DESCRIBED.SYS"), OpenMode::ReadBinary, &image));
        for (int i = 0; i <= kServices; ++i) {
            ASSERT_TRUE(WriteWholeFile(Image(i), image));
            const std::string path =
                "\\??\\" + (i < kServices ? Image(i) : test::TestDriver("PLAIN.SYS"));
            ScHandle service = scm_.Create(
                manager_, {Name(i).c_str(), Name(i).c_str(), svc::kAllAccess, svc::kKernelDriver,
                           svc::kDemandStart, svc::kErrorIgnore, path.c_str()});
            ASSERT_NE(0u, service) << Name(i);
            scm_.Close(service);
        }
    }
    void TearDown() override {
        for (int i = 0; i <= kServices; ++i) {
            ScHandle service = scm_.Open(manager_, Name(i).c_str(), svc::kAllAccess);
            scm_.Delete(service);
            scm_.Close(service);
        }
        scm_.Close(manager_);
        StoreFixture::TearDown();
    }

    // Names from 10 to 200 characters.
    static std::string Name(int i) {
        std::string name = "KvtMany" + std::to_string(100 + i);
        name.resize(10 + i * 190 / (kServices - 1), 'n');
        return name;
    }
    static std::string FileName(int i) { return "KVTMANY" + std::to_string(100 + i) + ".SYS"; }
    std::string Image(int i) const { return dir_.File(FileName(i)); }

    ServiceManager& scm_ = serviceManager();
    ScHandle manager_ = 0;
};

TEST_F(ManyServices, AreAllListedAndKeepTheStatesStoredForThem) {
    std::string stored; // the user's states, 0, 1 and 2 in turn, by file name
    for (int i = 0; i < kServices; ++i)
        stored += FileName(i) + '\0' + static_cast<char>(i % 3);
    Put(kServiceKey, "Driver", reg::kBinary, stored + '\0');

    EnumerateServiceDrivers();
    const std::vector<std::string> paths = test::Paths(configModel().drivers);
    EXPECT_EQ(paths.end(), std::find(paths.begin(), paths.end(), test::TestDriver("PLAIN.SYS")));
    const auto first = std::find(paths.begin(), paths.end(), Image(0));
    ASSERT_NE(paths.end(), first);
    const DriverEntry& row = configModel().drivers[first - paths.begin()];
    EXPECT_EQ("Described test driver with a long des", row.description);
    EXPECT_EQ(3, row.startType);
    EXPECT_EQ(svc::kStopped, row.serviceState);
    LoadFromRegistry();
    SaveToRegistry(settings_);

    KeyHandle key;
    std::vector<uint8_t> saved;
    ASSERT_TRUE(key.Open(kLocalMachine, kServiceKey, reg::kRead));
    ASSERT_TRUE(key.QueryBytes("Driver", &saved));
    std::map<std::string, int> states;
    for (const StateEntry& entry : DecodeStateList(saved.data(), saved.size()))
        states[entry.name] = entry.state;
    for (int i = 0; i < kServices; ++i) {
        ASSERT_EQ(1u, states.count(Image(i))) << Name(i);
        EXPECT_EQ(i % 3, states[Image(i)]) << Name(i);
    }
}

} // namespace
