// A file written for replacement takes the place of the old one only when complete.
#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "support/failing_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using namespace platform;
using kelvd::test::FailingFileSystem;
using kelvd::test::TempDir;

class ReplacingFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(WriteWholeFile(path_, "the good old content")); }

    // Read past any failing file system a test has installed.
    std::string Content(const std::string& path) {
        std::unique_ptr<File> file = nativeFileSystem().Open(path.c_str(), OpenMode::ReadBinary);
        if (!file)
            return "<missing>";
        std::string content(64, '\0');
        content.resize(file->Read(content.data(), content.size()));
        return content;
    }
    // What the library leaves in the directory besides the file itself.
    bool TemporaryLeft() { return Content(path_ + ".new~") != "<missing>"; }

    TempDir dir_;
    std::string path_ = dir_.File("settings.kwt");
    FailingFileSystem failing_;
};

TEST_F(ReplacingFile, CompleteWriteReplacesTheFile) {
    std::unique_ptr<File> file = OpenForReplace(path_);
    ASSERT_TRUE(file);
    EXPECT_EQ(3u, file->Write("new", 3));
    EXPECT_EQ("the good old content", Content(path_)); // nothing changes before the close
    EXPECT_TRUE(file->Close());
    EXPECT_EQ("new", Content(path_));
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(ReplacingFile, WriteFailingPartWayLeavesTheOldFile) {
    ScopedFileSystem scope(failing_);
    failing_.writeBudget = 5;
    std::unique_ptr<File> file = OpenForReplace(path_);
    ASSERT_TRUE(file);
    EXPECT_EQ(5u, file->Write("0123456789", 10));
    EXPECT_FALSE(file->Close());
    EXPECT_EQ("the good old content", Content(path_));
    EXPECT_FALSE(TemporaryLeft());
}

TEST_F(ReplacingFile, FailedCloseOrRenameLeavesTheOldFile) {
    ScopedFileSystem scope(failing_);
    for (bool failClose : {true, false}) {
        failing_.failClose = failClose;
        failing_.failRename = !failClose;
        EXPECT_FALSE(WriteWholeFile(path_, "new"));
        EXPECT_EQ("the good old content", Content(path_));
        EXPECT_FALSE(TemporaryLeft());
    }
}

TEST_F(ReplacingFile, PathWhoseTemporaryNameWouldPassThePathLimitIsWrittenInPlace) {
    failing_.failRename = true; // so only a write in place changes the file
    for (size_t length : {kMaxPath - 6, kMaxPath - 5}) {
        std::string path = dir_.File("s");
        path.resize(length, 's');
        ASSERT_TRUE(WriteWholeFile(path, "old"));
        ScopedFileSystem scope(failing_);
        const bool inPlace = length + 5 >= kMaxPath;
        EXPECT_EQ(inPlace, WriteWholeFile(path, "new")) << length;
        EXPECT_EQ(inPlace ? "new" : "old", Content(path)) << length;
        EXPECT_EQ("<missing>", Content(path + ".new~")) << length;
    }
}

TEST_F(ReplacingFile, AbandonedWriteLeavesTheOldFileAndAMissingDirectoryCannotBeWritten) {
    {
        std::unique_ptr<File> file = OpenForReplace(path_);
        ASSERT_TRUE(file);
        file->Write("half", 4);
    }
    EXPECT_EQ("the good old content", Content(path_));
    EXPECT_FALSE(TemporaryLeft());
    EXPECT_EQ(nullptr, OpenForReplace(dir_.File("missing\\settings.kwt")));
}

} // namespace
