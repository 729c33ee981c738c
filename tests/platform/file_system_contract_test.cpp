// The file calls the library relies on: the platform's own, and the fuzzers' file system in memory.
#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "platform/substitute/memory_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

namespace {

using namespace platform;
using kelvd::test::TempDir;

// On the platform's file system, or on one in memory when the parameter is true.
struct FileContract : ::testing::TestWithParam<bool> {
    FileContract() {
        if (GetParam())
            scope_.emplace(memory_);
    }

    // The file holding content, opened in mode.
    std::unique_ptr<File> Open(const std::string& content, OpenMode mode) {
        EXPECT_TRUE(WriteWholeFile(path_, content));
        std::unique_ptr<File> file = fileSystem().Open(path_.c_str(), mode);
        EXPECT_TRUE(file);
        return file;
    }
    std::vector<std::string> Lines(const std::string& content, int size) {
        std::unique_ptr<File> file = Open(content, OpenMode::ReadText);
        std::vector<std::string> lines;
        std::vector<char> buffer(size);
        while (file && file->ReadLine(buffer.data(), size))
            lines.emplace_back(buffer.data());
        return lines;
    }

    TempDir dir_;
    std::string path_ = dir_.File("data.txt");
    MemoryFileSystem memory_;
    std::optional<ScopedFileSystem> scope_;
};

TEST_P(FileContract, BinaryBytesComeBackWritingReplacesRenamingMovesAndMissingFilesFail) {
    const std::string bytes("a\r\nb\0\x1A\xFF", 7);
    std::string read;
    ASSERT_TRUE(WriteWholeFile(path_, bytes));
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ(bytes, read);
    ASSERT_TRUE(WriteWholeFile(path_, "short")); // writing replaces the whole file
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ("short", read);
    const std::string none = dir_.File("none.txt");
    EXPECT_EQ(nullptr, fileSystem().Open(none.c_str(), OpenMode::ReadText));
    EXPECT_FALSE(fileSystem().Rename(none.c_str(), path_.c_str()));
    EXPECT_FALSE(fileSystem().Remove(none.c_str()));
    ASSERT_TRUE(fileSystem().Rename(path_.c_str(), none.c_str())); // the old name is gone
    EXPECT_FALSE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    ASSERT_TRUE(fileSystem().Remove(none.c_str()));
    EXPECT_FALSE(ReadWholeFile(none, OpenMode::ReadBinary, &read));
}

TEST_P(FileContract, AFileRenamedOntoItselfStays) {
    ASSERT_TRUE(WriteWholeFile(path_, "kept"));
    EXPECT_TRUE(fileSystem().Rename(path_.c_str(), path_.c_str()));
    std::string read;
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ("kept", read);
}

// A replacing file dropped before Close leaves the old file and no temporary behind.
TEST_P(FileContract, AReplacingFileNeverClosedLeavesTheOldFile) {
    ASSERT_TRUE(WriteWholeFile(path_, "old"));
    {
        std::unique_ptr<File> file = OpenForReplace(path_);
        ASSERT_TRUE(file);
        EXPECT_EQ(3u, file->Write("new", 3));
    }
    std::string read;
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ("old", read);
    EXPECT_FALSE(ReadWholeFile(path_ + ".new~", OpenMode::ReadBinary, &read));
}

TEST_P(FileContract, TextModeLinesAreReadAsFgetsReadsThem) {
    EXPECT_EQ((std::vector<std::string>{"one\n", "two\rthree\r\n", "four"}),
              Lines("one\r\ntwo\rthree\r\r\nfour", 256));
    EXPECT_EQ((std::vector<std::string>{"kept\n"}), Lines("kept\n\x1Alost\n", 256));
    EXPECT_EQ((std::vector<std::string>{"cut\r"}), Lines("cut\r\x1A\n", 256));
    EXPECT_EQ((std::vector<std::string>{"\n", "last\r"}), Lines("\r\nlast\r", 256));
    EXPECT_EQ((std::vector<std::string>{"xxxx", "xxxx", "xx\n", "end\n"}),
              Lines(std::string(10, 'x') + "\nend\n", 5));
}

TEST_P(FileContract, WithoutRoomOrAtTheEndNothingIsReadAndTheBufferStays) {
    std::unique_ptr<File> file = Open("only\n", OpenMode::ReadText);
    char buffer[16];
    ASSERT_TRUE(file);
    EXPECT_EQ(nullptr, file->ReadLine(buffer, 0)); // no room even for the terminator
    ASSERT_TRUE(file->ReadLine(buffer, sizeof buffer));
    std::strcpy(buffer, "unchanged");
    EXPECT_EQ(nullptr, file->ReadLine(buffer, sizeof buffer));
    EXPECT_STREQ("unchanged", buffer);
}

// A place before the start is refused, and the file stays where it was.
TEST_P(FileContract, SeekAndTellAddressBytesFromTheStart) {
    std::unique_ptr<File> file = Open("0123456789", OpenMode::ReadBinary);
    ASSERT_TRUE(file && file->Seek(6));
    EXPECT_EQ(6, file->Tell());
    EXPECT_FALSE(file->Seek(-1));
    EXPECT_EQ(6, file->Tell());
    char buffer[8] = {};
    EXPECT_EQ(4u, file->Read(buffer, sizeof buffer));
    EXPECT_STREQ("6789", buffer);
}

INSTANTIATE_TEST_SUITE_P(FileSystems, FileContract, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "InMemory" : "Platform"; });

} // namespace
