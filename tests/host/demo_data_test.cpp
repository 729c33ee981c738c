// The API catalogue and hook-state file that make run installs in its demonstration prefix, read
// as the library reads them.
#include "model/config_model.h"
#include "platform/file_system.h"
#include "stores/api_catalogue.h"
#include "support/test_drivers.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>

namespace kwhost {

namespace {

std::string DemoFile(const char* name) {
    return kelvd::test::MachinePath(KELVD_SOURCE_DIR "/demo/") + name;
}

class DemoCatalogue : public testing::Test {
protected:
    void SetUp() override {
        auto file = platform::fileSystem().Open(DemoFile("KELVD.API").c_str(),
                                                platform::OpenMode::ReadText);
        ASSERT_TRUE(file);
        version_ = kelvd::ParseApiCatalogue(*file, false, api_, vxdApi_);
    }
    void TearDown() override {
        for (size_t i = 0; i < api_.Count(); ++i)
            api_[i].ReleaseEvents();
    }

    kelvd::CategoryTable api_, vxdApi_;
    std::optional<uint32_t> version_;
};

TEST_F(DemoCatalogue, ReadsAsTheLibraryReadsIt) {
    EXPECT_EQ(0x10Au, version_);
    ASSERT_EQ(4u, api_.Count());
    EXPECT_EQ("I/O Manager", api_[1].name);
    EXPECT_EQ(5u, api_[1].eventCount);
    EXPECT_EQ(2u, api_[1].checkState);
    EXPECT_EQ("ZwSetValueKey", api_[3].eventNames.back());
    EXPECT_EQ(0u, vxdApi_.Count());
}

// Every line names an event of the catalogue, each event once, with a flag of 0 or 1.
TEST_F(DemoCatalogue, HookStateNamesEveryEventOnce) {
    std::set<std::string> events, named;
    for (size_t i = 0; i < api_.Count(); ++i)
        events.insert(api_[i].eventNames.begin(), api_[i].eventNames.end());
    std::string hookState;
    ASSERT_TRUE(platform::ReadWholeFile(DemoFile("hookstate.dat"), platform::OpenMode::ReadText,
                                        &hookState));
    std::istringstream lines(hookState);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.rfind('=');
        ASSERT_NE(std::string::npos, equals) << line;
        const std::string flag = line.substr(equals + 1);
        EXPECT_TRUE(flag == "0" || flag == "1") << line;
        EXPECT_TRUE(named.insert(line.substr(0, equals)).second) << line;
    }
    EXPECT_EQ(15u, events.size());
    EXPECT_EQ(events, named);
}

} // namespace

} // namespace kwhost
