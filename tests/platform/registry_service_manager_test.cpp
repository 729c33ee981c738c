// The substitute's registry-backed service manager: its services and its enumeration's rules.
#include "support/simulated_machine.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;

struct RegistryServices : ::testing::Test {
    void SetUp() override { manager_ = scm_.OpenManager(nullptr, nullptr, svc::kManagerAllAccess); }

    static void Service(const std::string& name, uint32_t type, uint32_t start = 3,
                        const char* display = nullptr) {
        KeyHandle key;
        ASSERT_TRUE(key.Create(kLocalMachine, (std::string(kServicesKey) + "\\" + name).c_str(),
                               reg::kAllAccess));
        key.SetDword("Type", type);
        if (start != 9)
            key.SetDword("Start", start);
        if (display)
            key.SetString("DisplayName", display);
    }

    // The names one enumeration gives through buffers of bufferSize bytes, each kept inside.
    std::vector<std::string> Enumerate(uint32_t bufferSize) {
        std::vector<EnumServiceStatus> storage(bufferSize / sizeof(EnumServiceStatus) + 1);
        const char* begin = reinterpret_cast<const char*>(storage.data());
        std::vector<std::string> names;
        uint32_t resume = 0, needed = 0, returned = 0;
        for (int call = 0; call < 1000; ++call) {
            bool complete = scm_.EnumStatus(manager_, svc::kDriver, svc::kStateAll, storage.data(),
                                            bufferSize, &needed, &returned, &resume);
            for (uint32_t i = 0; i < returned; ++i) {
                for (const char* text : {storage[i].serviceName, storage[i].displayName})
                    EXPECT_TRUE(text >= begin + returned * sizeof(EnumServiceStatus) &&
                                text + std::strlen(text) < begin + bufferSize);
                names.push_back(storage[i].serviceName);
            }
            if (complete) {
                EXPECT_EQ(0u, resume);
            }
            if (complete || returned == 0)
                return names;
            EXPECT_EQ(svc::kErrorMoreData, scm_.LastError());
        }
        ADD_FAILURE() << "the enumeration did not end";
        return names;
    }

    kelvd::test::SimulatedMachine machine_;
    RegistryServiceManager& scm_ = machine_.services;
    ScHandle manager_ = 0;
};

TEST_F(RegistryServices, EnumerationTakesDriverKeysWithTypeAndStart) {
    Service("Disk", svc::kKernelDriver);
    Service("Fs", svc::kFileSystemDriver);
    Service("NoStart", svc::kKernelDriver, 9);
    Service("Recognizer", svc::kRecognizerDriver);
    Service("Spooler", 0x10);
    EXPECT_EQ((std::vector<std::string>{"Disk", "Fs", "Recognizer"}), Enumerate(4096));
    uint32_t needed = 0, returned = 0, resume = 0; // each entry with its name twice, terminated
    EXPECT_FALSE(scm_.EnumStatus(manager_, svc::kDriver, svc::kStateAll, nullptr, 0, &needed,
                                 &returned, &resume));
    EXPECT_EQ(3 * sizeof(EnumServiceStatus) + 2 * (4 + 2 + 10) + 6, needed);
    EXPECT_EQ(0u, scm_.Open(manager_, "NoStart", svc::kGenericRead));
}

TEST_F(RegistryServices, ResumeHandleGivesEveryServiceOnceWhateverTheBufferSize) {
    std::vector<std::string> expected;
    for (int i = 0; i < 60; ++i) {
        expected.push_back("Drv" + std::to_string(100 + i));
        Service(expected.back(), svc::kKernelDriver, 3, std::string(i % 7 * 5, 'd').c_str());
    }
    for (uint32_t size : {uint32_t{sizeof(EnumServiceStatus) + 48}, 100u, 720u, 4096u})
        EXPECT_EQ(expected, Enumerate(size)) << size;
}

TEST_F(RegistryServices, CreatedServiceStartsOnceAndADisabledOneNever) {
    ScHandle made =
        scm_.Create(manager_, {"Made", "Made service", svc::kAllAccess, 1, 0, 0, "C:\\made.sys"});
    ASSERT_NE(0u, made);
    EXPECT_TRUE(scm_.Start(made));
    EXPECT_FALSE(scm_.Start(made));
    EXPECT_EQ(svc::kErrorAlreadyRunning, scm_.LastError());
    Service("Off", 1, svc::kDisabled);
    EXPECT_FALSE(scm_.Start(scm_.Open(manager_, "Off", svc::kAllAccess)));
    EXPECT_EQ(svc::kErrorServiceDisabled, scm_.LastError());
}

} // namespace
