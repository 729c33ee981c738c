// The file calls as the library relies on them, natively and under Wine.
#include "platform/file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace platform;
using kelvd::test::TempDir;

class FileContract : public ::testing::Test {
protected:
    TempDir dir_;
    std::string path_ = dir_.File("data.txt");

    std::vector<std::string> Lines(int size) {
        std::unique_ptr<File> file = fileSystem().Open(path_.c_str(), OpenMode::ReadText);
        EXPECT_TRUE(file);
        std::vector<std::string> lines;
        std::vector<char> buffer(size);
        while (file && file->ReadLine(buffer.data(), size))
            lines.emplace_back(buffer.data());
        return lines;
    }
};

TEST_F(FileContract, BinaryBytesComeBackUnchangedWritingReplacesAndMissingFilesDoNotOpen) {
    const std::string bytes("a\r\nb\0\x1A\xFF", 7);
    ASSERT_TRUE(WriteWholeFile(path_, bytes));
    std::string read;
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ(bytes, read);
    ASSERT_TRUE(WriteWholeFile(path_, "short")); // writing replaces the whole file
    ASSERT_TRUE(ReadWholeFile(path_, OpenMode::ReadBinary, &read));
    EXPECT_EQ("short", read);
    EXPECT_EQ(nullptr, fileSystem().Open(dir_.File("none.txt").c_str(), OpenMode::ReadText));
    EXPECT_EQ(nullptr, fileSystem().Open(dir_.File("no\\dir.txt").c_str(), OpenMode::WriteBinary));
}

// Text mode drops the carriage return before a line feed only and ends at Ctrl+Z; a long line
// arrives in pieces of the buffer size.
TEST_F(FileContract, TextModeLinesAreReadAsFgetsReadsThem) {
    ASSERT_TRUE(WriteWholeFile(path_, "one\r\ntwo\rthree\r\r\nfour"));
    EXPECT_EQ((std::vector<std::string>{"one\n", "two\rthree\r\n", "four"}), Lines(256));
    ASSERT_TRUE(WriteWholeFile(path_, "kept\n\x1Alost\n"));
    EXPECT_EQ((std::vector<std::string>{"kept\n"}), Lines(256));
    ASSERT_TRUE(WriteWholeFile(path_, std::string(10, 'x') + "\nend\n"));
    EXPECT_EQ((std::vector<std::string>{"xxxx", "xxxx", "xx\n", "end\n"}), Lines(5));
}

TEST_F(FileContract, AtTheEndNothingIsReadAndTheBufferStays) {
    ASSERT_TRUE(WriteWholeFile(path_, "only\n"));
    std::unique_ptr<File> file = fileSystem().Open(path_.c_str(), OpenMode::ReadText);
    ASSERT_TRUE(file);
    char buffer[16];
    ASSERT_TRUE(file->ReadLine(buffer, sizeof buffer));
    std::strcpy(buffer, "unchanged");
    EXPECT_EQ(nullptr, file->ReadLine(buffer, sizeof buffer));
    EXPECT_STREQ("unchanged", buffer);
}

TEST_F(FileContract, SeekAndTellAddressBytesFromTheStart) {
    ASSERT_TRUE(WriteWholeFile(path_, "0123456789"));
    std::unique_ptr<File> file = fileSystem().Open(path_.c_str(), OpenMode::ReadBinary);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Seek(6));
    EXPECT_EQ(6, file->Tell());
    char buffer[8] = {};
    EXPECT_EQ(4u, file->Read(buffer, sizeof buffer));
    EXPECT_STREQ("6789", buffer);
}

} // namespace
