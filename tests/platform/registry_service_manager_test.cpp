// The registry-backed service manager (the substitute's) over a registry of its own, on every
// platform: where its services come from, and the enumeration's buffer and resume rules.
#include "platform/memory_registry.h"
#include "platform/registry_service_manager.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;

class RegistryServices : public ::testing::Test {
protected:
    void SetUp() override {
        manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess);
        ASSERT_NE(0u, manager_);
    }

    static void Put(const std::string& name, const char* value, uint32_t type,
                    const std::string& data) {
        KeyHandle key;
        ASSERT_TRUE(key.Create(kLocalMachine, (std::string(kServicesKey) + "\\" + name).c_str(),
                               reg::kAllAccess));
        registry().SetValue(key.get(), value, type, reinterpret_cast<const uint8_t*>(data.c_str()),
                            static_cast<uint32_t>(data.size() + 1));
    }
    static void Service(const std::string& name, uint32_t type,
                        uint32_t start = svc::kDemandStart) {
        KeyHandle key;
        ASSERT_TRUE(key.Create(kLocalMachine, (std::string(kServicesKey) + "\\" + name).c_str(),
                               reg::kAllAccess));
        key.SetDword("Type", type);
        key.SetDword("Start", start);
    }

    // The names one enumeration pass gives with buffers of bufferSize bytes, checking that every
    // call keeps its entries and strings inside the bytes it was given.
    std::vector<std::string> EnumerateWith(uint32_t bufferSize, uint32_t state = svc::kStateAll) {
        std::vector<EnumServiceStatus> storage(bufferSize / sizeof(EnumServiceStatus) + 1);
        const char* begin = reinterpret_cast<const char*>(storage.data());
        std::vector<std::string> names;
        uint32_t resume = 0;
        for (int call = 0; call < 1000; ++call) {
            uint32_t needed = 0, returned = 0;
            bool complete = scm_.EnumStatus(manager_, svc::kDriver, state, storage.data(),
                                            bufferSize, &needed, &returned, &resume);
            for (uint32_t i = 0; i < returned; ++i) {
                for (const char* text : {storage[i].serviceName, storage[i].displayName}) {
                    EXPECT_GE(text, begin + returned * sizeof(EnumServiceStatus));
                    EXPECT_LE(text + std::strlen(text) + 1, begin + bufferSize);
                }
                names.push_back(storage[i].serviceName);
            }
            if (complete) {
                EXPECT_EQ(0u, resume);
                return names;
            }
            EXPECT_EQ(svc::kErrorMoreData, scm_.LastError());
            EXPECT_GT(needed, 0u);
            if (returned == 0)
                return names;
        }
        ADD_FAILURE() << "the enumeration did not end";
        return names;
    }

    MemoryRegistry registry_;
    ScopedRegistry scoped_{registry_};
    RegistryServiceManager scm_;
    ScHandle manager_ = 0;
};

TEST_F(RegistryServices, ServiceValuesComeFromItsKey) {
    Service("Atdisk", svc::kKernelDriver, 1);
    Put("Atdisk", "ImagePath", reg::kExpandSz, "\\SystemRoot\\System32\\DRIVERS\\atdisk.sys");
    Put("Atdisk", "Group", reg::kSz, "SCSI miniport");
    ScHandle service = scm_.Open(manager_, "Atdisk", svc::kGenericRead);
    ASSERT_NE(0u, service);
    std::vector<ServiceConfig> storage(64);
    uint32_t needed = 0;
    ASSERT_TRUE(scm_.QueryConfig(service, storage.data(), 64 * sizeof(ServiceConfig), &needed));
    EXPECT_EQ(1u, storage[0].startType);
    EXPECT_STREQ("\\SystemRoot\\System32\\DRIVERS\\atdisk.sys", storage[0].binaryPathName);
    EXPECT_STREQ("SCSI miniport", storage[0].loadOrderGroup);
    EXPECT_STREQ("Atdisk", storage[0].displayName); // no DisplayName: the key's name
    EXPECT_STREQ("", storage[0].dependencies);
    EXPECT_EQ('\0', storage[0].dependencies[1]);
}

TEST_F(RegistryServices, KeysWithoutTypeOrStartAreNoServices) {
    Put("NoType", "Start", reg::kSz, "x");
    KeyHandle key;
    ASSERT_TRUE(
        key.Create(kLocalMachine, "System\\CurrentControlSet\\Services\\NoStart", reg::kAllAccess));
    key.SetDword("Type", 1);
    EXPECT_EQ(0u, scm_.Open(manager_, "NoType", svc::kGenericRead));
    EXPECT_EQ(0u, scm_.Open(manager_, "NoStart", svc::kGenericRead));
    EXPECT_EQ(svc::kErrorNoSuchService, scm_.LastError());
    EXPECT_TRUE(EnumerateWith(4096).empty());
}

TEST_F(RegistryServices, EnumerationTakesDriverTypesAndTheWantedStates) {
    Service("Disk", svc::kKernelDriver);
    Service("Fs", svc::kFileSystemDriver);
    Service("Recognizer", svc::kRecognizerDriver);
    Service("Spooler", 0x10);
    scm_.SetCurrentState("disk", svc::kRunning);
    EXPECT_EQ((std::vector<std::string>{"Disk", "Fs", "Recognizer"}), EnumerateWith(4096));
    EXPECT_EQ((std::vector<std::string>{"Disk"}), EnumerateWith(4096, svc::kStateActive));
    EXPECT_EQ((std::vector<std::string>{"Fs", "Recognizer"}),
              EnumerateWith(4096, svc::kStateInactive));
}

class RegistryServiceBuffers : public RegistryServices,
                               public ::testing::WithParamInterface<uint32_t> {};

TEST_P(RegistryServiceBuffers, ResumeHandleGivesEveryServiceOnce) {
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        std::string name = "Drv" + std::to_string(100 + i);
        Service(name, svc::kKernelDriver);
        Put(name, "DisplayName", reg::kSz, std::string(i % 7 * 5, 'd'));
        expected.push_back(name);
    }
    EXPECT_EQ(expected, EnumerateWith(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, RegistryServiceBuffers,
                         ::testing::Values(sizeof(EnumServiceStatus) + 48, 100, 720, 4096));

TEST_F(RegistryServices, BufferTooSmallForOneEntryReturnsNoneAndTheSizeOfAll) {
    Service("A", 1);
    Service("B", 1);
    EnumServiceStatus entry{};
    uint32_t needed = 0, returned = 7, resume = 0;
    EXPECT_FALSE(scm_.EnumStatus(manager_, svc::kDriver, svc::kStateAll, &entry, sizeof entry,
                                 &needed, &returned, &resume));
    EXPECT_EQ(0u, returned);
    EXPECT_EQ(2 * (sizeof entry + 4), needed);
}

TEST_F(RegistryServices, StartRunsAServiceOnceAndNeverADisabledOne) {
    Service("Once", 1);
    Service("Off", 1, svc::kDisabled);
    ScHandle once = scm_.Open(manager_, "Once", svc::kAllAccess);
    ScHandle off = scm_.Open(manager_, "Off", svc::kAllAccess);
    EXPECT_TRUE(scm_.Start(once));
    EXPECT_FALSE(scm_.Start(once));
    EXPECT_EQ(svc::kErrorAlreadyRunning, scm_.LastError());
    EXPECT_FALSE(scm_.Start(off));
    EXPECT_EQ(svc::kErrorServiceDisabled, scm_.LastError());
    EXPECT_EQ((std::vector<std::string>{"Once"}), EnumerateWith(4096, svc::kStateActive));
}

TEST_F(RegistryServices, CreateWritesTheServiceKey) {
    const NewService service{"Made", "Made service", svc::kAllAccess, 1, 0, 0, "C:\\made.sys"};
    ScHandle made = scm_.Create(manager_, service);
    ASSERT_NE(0u, made);
    KeyHandle key;
    ASSERT_TRUE(key.Open(kLocalMachine, "System\\CurrentControlSet\\Services\\Made", reg::kRead));
    uint32_t type = 9, start = 9, errorControl = 9, valueType = 0, size = 0;
    EXPECT_TRUE(key.QueryDword("Type", &type) && key.QueryDword("Start", &start) &&
                key.QueryDword("ErrorControl", &errorControl));
    EXPECT_EQ((std::vector<uint32_t>{1, 0, 0}), (std::vector<uint32_t>{type, start, errorControl}));
    std::string text;
    EXPECT_TRUE(key.QueryString("ImagePath", 64, &text));
    EXPECT_EQ("C:\\made.sys", text);
    registry().QueryValue(key.get(), "ImagePath", &valueType, nullptr, &size);
    EXPECT_EQ(reg::kExpandSz, valueType);
    EXPECT_TRUE(key.QueryString("DisplayName", 64, &text));
    EXPECT_EQ("Made service", text);
}

TEST_F(RegistryServices, WithoutAServiceManagerNothingOpens) {
    scm_.SetAvailable(false);
    EXPECT_EQ(0u, scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess));
    EXPECT_EQ(svc::kErrorCallNotImplemented, scm_.LastError());
}

TEST_F(RegistryServices, HandlesOfTheWrongKindAreRefused) {
    Service("Disk", 1);
    ScHandle disk = scm_.Open(manager_, "Disk", svc::kAllAccess);
    uint32_t needed = 0, returned = 0, resume = 0;
    EXPECT_FALSE(scm_.QueryConfig(manager_, nullptr, 0, &needed));
    EXPECT_EQ(svc::kErrorInvalidHandle, scm_.LastError());
    EXPECT_FALSE(scm_.EnumStatus(disk, svc::kDriver, svc::kStateAll, nullptr, 0, &needed, &returned,
                                 &resume));
    EXPECT_EQ(svc::kErrorInvalidHandle, scm_.LastError());
    EXPECT_EQ(0u, scm_.Open(disk, "Disk", svc::kAllAccess));
    EXPECT_TRUE(scm_.Close(disk));
    EXPECT_FALSE(scm_.Close(disk));
}

} // namespace
