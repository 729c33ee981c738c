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

struct ReplacingFile : ::testing::Test {
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

    TempDir dir_;
    std::string path_ = dir_.File("settings.kwt");
    FailingFileSystem failing_;
};

// A write cut short, a failed seek, close or rename, and a file destroyed without a close.
TEST_F(ReplacingFile, FailureAnywhereLeavesTheOldFileAndNoOther) {
    ScopedFileSystem scope(failing_);
    for (int failure = 0; failure < 5; ++failure) {
        failing_.writeBudget = failure == 0 ? 5 : SIZE_MAX;
        failing_.failClose = failure == 2;
        failing_.failRename = failure == 3;
        std::unique_ptr<File> file = OpenForReplace(path_);
        ASSERT_TRUE(file);
        EXPECT_EQ(failure == 0 ? 5u : 10u, file->Write("0123456789", 10));
        EXPECT_EQ(failure != 1, file->Seek(failure == 1 ? -1 : 2)) << failure;
        if (failure < 4) {
            EXPECT_FALSE(file->Close()) << failure;
        }
        file.reset();
        EXPECT_EQ("the good old content", Content(path_)) << failure;
        EXPECT_EQ("<missing>", Content(path_ + ".new~")) << failure;
    }
    EXPECT_EQ(nullptr, OpenForReplace(dir_.File("missing\\settings.kwt")));
    EXPECT_FALSE(WriteWholeFile(dir_.File("missing\\settings.kwt"), "new"));
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

} // namespace
