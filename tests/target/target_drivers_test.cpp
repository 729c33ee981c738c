// The target's drivers and display drivers read through the host, and the list kept locally.
#include "platform/substitute/memory_registry.h"
#include "support/model_reset.h"
#include "target/target_drivers.h"
#include "test_host.h"

namespace {

using namespace kelvd;

const std::string kServices = "SYSTEM\\ControlSet001\\Services\\";
constexpr const char* kLocalKey = "SOFTWARE\\Ostrand\\EmbeddedFL";

// The host's own registry is one of the test's, where the host made the key.
struct TargetDrivers : test::ModelFixture {
    void SetUp() override {
        ModelFixture::SetUp();
        ASSERT_TRUE(platform::KeyHandle().Create(platform::kLocalMachine, kLocalKey,
                                                 platform::reg::kAllAccess));
    }
    void TearDown() override {
        EXPECT_EQ(0u, host_.registry().OpenHandleCount());
        ModelFixture::TearDown();
    }

    // A service of the target with a type and, unless 0, a start.
    void Service(const std::string& name, uint32_t type, uint32_t start = 1,
                 const char* image = nullptr) {
        host_.PutDword(kServices + name, "Type", type);
        if (start)
            host_.PutDword(kServices + name, "Start", start);
        if (image)
            host_.PutText(kServices + name, "ImagePath", image, 2);
    }
    // A service of a group, and unless nullptr a display driver list of its first device.
    void Video(const std::string& name, const char* group, const char* driver, uint32_t start = 1) {
        Service(name, 1, start);
        host_.PutText(kServices + name, "Group", group);
        if (driver)
            host_.PutText(kServices + name + "\\Device0", "InstalledDisplayDrivers",
                          std::string(driver) + '\0' + "second", 7);
    }
    // The list stored locally, a text without its terminator, or "(none)".
    std::string ListText() {
        platform::KeyHandle key;
        std::vector<uint8_t> bytes;
        uint32_t type = 0, size = 0;
        if (!key.Open(platform::kLocalMachine, kLocalKey, platform::reg::kRead) ||
            !key.QueryBytes("InstalledDisplayDrivers", &bytes))
            return "(none)";
        local_.QueryValue(key.get(), "InstalledDisplayDrivers", &type, nullptr, &size);
        EXPECT_EQ(platform::reg::kSz, type);
        return std::string(bytes.begin(), bytes.end());
    }

    platform::MemoryRegistry local_;
    platform::ScopedRegistry scope_{local_};
    test::TestHost host_;
};

TEST_F(TargetDrivers, NoServicesKeyStoresNoListAndAnEmptyOneStoresAnEmptyList) {
    EnumerateTargetDrivers(*host_.table());
    EXPECT_EQ("(none)", ListText());
    host_.PutDword("SYSTEM\\ControlSet001\\Services", "Unrelated", 1);
    EnumerateTargetDrivers(*host_.table());
    EXPECT_EQ("", ListText());
    EXPECT_EQ(0u, configModel().drivers.Count());
}

TEST_F(TargetDrivers, DriverServicesAreListedByKeyNameExceptTheExcludedOnes) {
    Service("Atdisk", 1, 3, "\\SystemRoot\\System32\\DRIVERS\\atdisk.sys");
    host_.PutText(kServices + "Atdisk", "Group", "SCSI miniport");
    host_.PutText(kServices + "Atdisk", "DisplayName", "AT Disk");
    Service("Checker", 1, 1, "\\SystemRoot\\System32\\DRIVERS\\KELVD.SYS");
    Service("kelvd", 1, 1);   // no image path: KELVD.SYS
    Service("Fs", 2, 0);      // a file-system driver without a start
    Service("Spooler", 0x10); // an own-process service
    host_.PutText(kServices + "NoType", "Group", "Base");
    Service("Rec\xE9", 8, 4, "rec.sys");
    EnumerateTargetDrivers(*host_.table());
    EXPECT_EQ((std::vector<std::string>{"Atdisk", "Fs", "Rec\xE9"}),
              test::Paths(configModel().drivers));
    const DriverEntry& atdisk = configModel().drivers[0];
    EXPECT_EQ("AT Disk", atdisk.description);
    EXPECT_EQ("SCSI miniport", atdisk.group);
    EXPECT_EQ(3, atdisk.startType);
    EXPECT_EQ(0, configModel().drivers[1].startType);
    EXPECT_EQ("", configModel().drivers[1].group);
    EXPECT_EQ(4, configModel().drivers[2].startType);
}

TEST_F(TargetDrivers, SystemStartVideoServicesGiveTheirFirstDisplayDriver) {
    Video("Mga", "Video", "mga64");
    Video("S3", "Video", "s3");
    Video("Lower", "video", "lower");
    Video("Manual", "Video", "man", 3);
    Video("NoDevice", "Video", nullptr);
    EnumerateTargetDrivers(*host_.table());
    EXPECT_EQ(5u, configModel().drivers.Count());
    EXPECT_EQ((std::vector<std::string>{"mga64.dll", "s3.dll"}),
              test::Paths(configModel().displayDrivers));
    EXPECT_EQ("Installed display drivers", configModel().displayDrivers[1].group);
    EXPECT_EQ(-1, configModel().displayDrivers[1].startType);
    EXPECT_EQ("mga64;s3;", ListText());
    // Where the host has no key, none is made for the list.
    platform::DeleteKeyTree(platform::kLocalMachine, kLocalKey);
    test::ResetModel();
    EnumerateTargetDrivers(*host_.table());
    EXPECT_EQ(2u, configModel().displayDrivers.Count());
    EXPECT_EQ("(none)", ListText());
}

// Strings without terminators are read whole; values of the wrong type or size count as missing.
TEST_F(TargetDrivers, OddValuesAreReadWholeOrCountAsMissing) {
    Service("Mga", 1, 1);
    host_.PutText(kServices + "Mga", "Group", "Video", 1, false);
    host_.PutText(kServices + "Mga", "DisplayName", "Matrox", 1, false);
    host_.PutText(kServices + "Mga\\Device0", "InstalledDisplayDrivers", "mga64", 7, false);
    host_.PutText(kServices + "TextType", "Type", "1");
    host_.PutBytes(kServices + "ShortType", "Type", 4, "\x01\x00");
    Service("Odd", 1, 0);
    host_.PutBytes(kServices + "Odd", "Start", 3, std::string("\x01\0\0\0", 4));
    host_.PutDword(kServices + "Odd", "Group", 1);
    host_.PutDword(kServices + "Odd", "ImagePath", 1);
    EnumerateTargetDrivers(*host_.table());
    ASSERT_EQ((std::vector<std::string>{"Mga", "Odd"}), test::Paths(configModel().drivers));
    EXPECT_EQ("Matrox", configModel().drivers[0].description);
    EXPECT_EQ("mga64;", ListText());
    EXPECT_EQ(0, configModel().drivers[1].startType);
    EXPECT_EQ("", configModel().drivers[1].group);
}

// The group and the display name share a buffer: a name the host writes without a terminator
// ends where its own data ends, not in the longer group read before it.
TEST_F(TargetDrivers, UnterminatedTextEndsWithItsOwnDataWhateverTheSizeUnit) {
    Service("Bare", 1, 3);
    host_.PutText(kServices + "Bare", "Group", "System Bus Extender");
    host_.PutText(kServices + "Bare", "DisplayName", "Xy", 1, false);
    for (bool characters : {false, true}) {
        host_.sizesInCharacters = characters;
        test::ResetModel();
        EnumerateTargetDrivers(*host_.table());
        ASSERT_EQ(1u, configModel().drivers.Count());
        EXPECT_EQ("Xy", configModel().drivers[0].description) << characters;
        EXPECT_EQ("System Bus Extender", configModel().drivers[0].group) << characters;
    }
}

TEST_F(TargetDrivers, TextsLongerThanTheQueryAreReadWithinTheBufferWhateverTheSizeUnit) {
    // A host is offered 8193 bytes, or characters if it counts those; the terminator must fit.
    const std::tuple<bool, size_t, bool> cases[] = {
        {false, 4095, true}, {false, 4096, false}, {true, 8192, true}, {true, 8193, false}};
    Service("Long", 1, 3);
    for (const auto& [characters, length, fits] : cases) {
        host_.sizesInCharacters = characters;
        host_.PutText(kServices + "Long", "DisplayName", std::string(length, 'n'));
        test::ResetModel();
        EnumerateTargetDrivers(*host_.table());
        ASSERT_EQ(1u, configModel().drivers.Count());
        EXPECT_EQ(fits ? length : 0u, configModel().drivers[0].description.size()) << length;
    }
}

} // namespace
