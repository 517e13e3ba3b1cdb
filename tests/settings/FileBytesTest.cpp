// The platform's file reads and atomic writes, the same on every system: bytes exactly as given (no
// line-end translation), the old file kept whole when a write fails, no temporary file left behind.
#include "settings/FileBytes.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace stillmark {
namespace {

namespace fs = std::filesystem;
using test::FileNames;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

TEST(FileBytesTest, WrittenBytesReadBackExactlyAndReplaceTheOldOnes) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"CR LF line ends", "[Section]\r\nKey=1\r\n"},
        {"LF line ends", "[Section]\nKey=1\n"},
        {"a lone CR and a Ctrl-Z", std::string("a\rb\x1a"
                                               "c")},
        {"NUL bytes", std::string("a\0b\0", 4)},
        {"UTF-8 and a byte order mark", "\xEF\xBB\xBFName=J\xC3\xBCrgen\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path file = folder.Path() / "stillmark.INI";
        WriteBytes(file, "old content that is longer than every new one\n");
        ASSERT_EQ(WriteFileAtomically(file, c.bytes).problem, "") << c.name;
        EXPECT_EQ(ReadBytes(file), c.bytes) << c.name;
        const FileContent read = ReadFileBytes(file, 1024);
        EXPECT_EQ(read.status, ReadStatus::Ok) << c.name;
        EXPECT_EQ(read.bytes, c.bytes) << c.name;
        EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"})
            << c.name << ": no leftovers";
    }
}

TEST(FileBytesTest, MissingFoldersAreCreated) {
    TempFolder folder;
    const fs::path file = folder.Path() / "Roaming" / "Stillmark" / "stillmark.INI";
    ASSERT_EQ(WriteFileAtomically(file, "Key=1\n").problem, "");
    EXPECT_EQ(ReadBytes(file), "Key=1\n");
}

TEST(FileBytesTest, AFailedWriteSaysWhyAndLeavesNothingBehind) {
    TempFolder folder;
    // A folder where the file should be: the rename onto it fails on every system.
    const fs::path file = folder.Path() / "stillmark.INI";
    fs::create_directory(file);
    WriteBytes(file / "inside", "kept");
    EXPECT_NE(WriteFileAtomically(file, "Key=1\n").problem, "");
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(ReadBytes(file / "inside"), "kept");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"stillmark.INI"})
        << "no temporary file left";
}

TEST(FileBytesTest, ReadsTellMissingFromFailedAndTooLarge) {
    TempFolder folder;
    WriteBytes(folder.Path() / "ten", "0123456789");
    fs::create_directory(folder.Path() / "folder");
    const struct {
        const char* name;
        fs::path path;
        std::size_t maxBytes;
        ReadStatus status;
    } cases[] = {
        {"no file", folder.Path() / "none.INI", 100, ReadStatus::Missing},
        {"no folder", folder.Path() / "none" / "none.INI", 100, ReadStatus::Missing},
        {"a folder", folder.Path() / "folder", 100, ReadStatus::Failed},
        {"exactly the limit", folder.Path() / "ten", 10, ReadStatus::Ok},
        {"one byte over", folder.Path() / "ten", 9, ReadStatus::TooLarge},
    };
    for (const auto& c : cases) {
        const FileContent read = ReadFileBytes(c.path, c.maxBytes);
        EXPECT_EQ(read.status, c.status) << c.name;
        if (c.status == ReadStatus::Failed) {
            EXPECT_NE(read.problem, "") << c.name << ": the user is told why";
        }
        if (c.status != ReadStatus::Ok) {
            EXPECT_EQ(read.bytes, "") << c.name;
        }
    }
}

} // namespace
} // namespace stillmark
