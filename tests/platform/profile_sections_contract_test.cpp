// Profile sections read and written whole, natively and under Wine.
#include "platform/file_system.h"
#include "platform/profile_sections.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace platform;

struct ProfileContract : ::testing::Test {
    std::string Read(const char* section) {
        std::string entries;
        EXPECT_TRUE(profileSections().Read(section, file_.c_str(), &entries));
        return entries;
    }

    kelvd::test::TempDir dir_;
    std::string file_ = dir_.File("test.ini");
};

TEST_F(ProfileContract, SectionIsEmptyUntilWrittenThenReadsBackAndLeavesTheOthers) {
    const std::string other("keep=1\0", 7);
    const std::string entries("woafont=dosapp.fon\0device=kelvd.vxd\0\0", 37);
    EXPECT_EQ(std::string(1, '\0'), Read("386Enh")); // a missing section: the empty entry
    ASSERT_TRUE(profileSections().Write("Other", other + '\0', file_.c_str()));
    ASSERT_TRUE(profileSections().Write("386Enh", entries, file_.c_str()));
    EXPECT_EQ(entries, Read("386enh"));
    EXPECT_EQ(other + '\0', Read("Other"));
    ASSERT_TRUE(profileSections().Write("386Enh", entries, file_.c_str())); // in its place
    std::string text;
    ASSERT_TRUE(ReadWholeFile(file_, OpenMode::ReadBinary, &text));
    EXPECT_EQ(2, std::count(text.begin(), text.end(), '[')) << text;
    EXPECT_LT(text.find("[Other]"), text.find("[386Enh]")) << text; // a new section goes last
    // The entries end at the first empty one.
    ASSERT_TRUE(profileSections().Write("Other", other + '\0' + "lost=1" + '\0', file_.c_str()));
    EXPECT_EQ(other + '\0', Read("Other"));
    ASSERT_TRUE(profileSections().Write("386Enh", std::string(1, '\0'), file_.c_str()));
    EXPECT_EQ(std::string(1, '\0'), Read("386Enh"));
    EXPECT_EQ(other + '\0', Read("Other"));
    // Only a line that starts with '[' opens a section.
    ASSERT_TRUE(WriteWholeFile(file_, "[386Enh]\r\nkey=value]\r\n"));
    EXPECT_EQ(std::string("key=value]\0\0", 12), Read("386Enh"));
}

TEST_F(ProfileContract, SectionLongerThanOneKilobyteComesBackWhole) {
    std::string entries;
    for (int i = 0; i < 200; ++i)
        entries += "device=driver" + std::to_string(i) + ".386" + '\0';
    entries += '\0';
    ASSERT_GT(entries.size(), 3000u);
    ASSERT_TRUE(profileSections().Write("386Enh", entries, file_.c_str()));
    EXPECT_EQ(entries, Read("386Enh"));
}

} // namespace
