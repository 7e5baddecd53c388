// File services: copies that never destroy their target, dates, folders, the working folder.
#include "platform/sys/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "platform/sys/paths.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

TEST(CopyBytesTest, CopiesEveryByteIncludingHighAndZeroBytes) {
    TempFolder dir;
    std::string bytes("a\0b\xff\xfe\r\n", 7);
    bytes += std::string(100000, '\xff');
    ASSERT_TRUE(sys::WriteWholeFile(dir / "src", bytes));
    ASSERT_TRUE(sys::CopyBytes(dir / "src", dir / "dst"));
    EXPECT_EQ(sys::ReadWholeFile(dir / "dst"), bytes);
    EXPECT_EQ(sys::FileLength(dir / "dst"), static_cast<std::int64_t>(bytes.size()));
}

TEST(CopyBytesTest, MissingOrUnreadableSourceLeavesTheTargetUntouched) {
    TempFolder dir;
    ASSERT_TRUE(sys::WriteWholeFile(dir / "dst", "precious"));
    EXPECT_FALSE(sys::CopyBytes(dir / "missing", dir / "dst"));
    EXPECT_EQ(sys::ReadWholeFile(dir / "dst"), "precious");

    // A folder cannot be read as a file.
    ASSERT_TRUE(sys::MakeFolder(dir / "folder"));
    EXPECT_FALSE(sys::CopyBytes(dir / "folder", dir / "dst"));
    EXPECT_EQ(sys::ReadWholeFile(dir / "dst"), "precious");

    if (::geteuid() != 0) {  // root reads everything
        ASSERT_TRUE(sys::WriteWholeFile(dir / "locked", "x"));
        ::chmod((dir / "locked").c_str(), 0);
        EXPECT_FALSE(sys::CopyBytes(dir / "locked", dir / "dst"));
        EXPECT_EQ(sys::ReadWholeFile(dir / "dst"), "precious");
    }
}

// Both whole-file writes replace the target only by the complete file, and leave no temporary.
TEST(WholeFileTest, BothWritesReplaceTheTargetWholeOrNotAtAll) {
    for (auto write : {sys::WriteWholeFile, sys::WriteScratchFile}) {
        TempFolder dir;
        ASSERT_TRUE(write(dir / "f", "first"));
        ASSERT_TRUE(write(dir / "f", "second, longer"));
        EXPECT_EQ(sys::ReadWholeFile(dir / "f"), "second, longer");
        EXPECT_FALSE(write(dir / "no/such/folder/f", "x"));
        EXPECT_EQ(sys::ListFolder(dir.path()), std::vector<std::string>{"f"});
    }
}

TEST(CopyBytesTest, UnwritableTargetFolderFailsAndLeavesNoPartialFile) {
    TempFolder dir;
    ASSERT_TRUE(sys::WriteWholeFile(dir / "src", "data"));
    EXPECT_FALSE(sys::CopyBytes(dir / "src", dir / "no/such/folder/dst"));
    EXPECT_EQ(sys::ListFolder(dir.path()), std::vector<std::string>{"src"});
}

TEST(FileServicesTest, ExistsLengthDeleteAndFolders) {
    TempFolder dir;
    EXPECT_FALSE(sys::FileExists(dir / "f"));
    EXPECT_EQ(sys::FileLength(dir / "f"), -1);
    EXPECT_TRUE(sys::DeleteFile(dir / "f"));  // nothing to delete is fine
    ASSERT_TRUE(sys::WriteWholeFile(dir / "f", "12345"));
    EXPECT_TRUE(sys::FileExists(dir / "f"));
    EXPECT_EQ(sys::FileLength(dir / "f"), 5);
    EXPECT_TRUE(sys::DeleteFile(dir / "f"));
    EXPECT_FALSE(sys::FileExists(dir / "f"));
    EXPECT_TRUE(sys::MakeFolder(dir / "a\\b\\c"));
    EXPECT_TRUE(sys::FolderExists(dir / "a/b/c"));
    EXPECT_EQ(sys::FileLength(dir / "a"), -1);
}

TEST(FileServicesTest, ModificationDateIsTheLocalCalendarDate) {
    TempFolder dir;
    ASSERT_TRUE(sys::WriteWholeFile(dir / "f", "x"));
    std::tm when{};
    when.tm_year = 2003 - 1900;
    when.tm_mon = 1;  // February
    when.tm_mday = 28;
    when.tm_hour = 23;
    when.tm_min = 30;
    when.tm_isdst = -1;
    time_t stamp = std::mktime(&when);
    struct timespec times[2] = {{stamp, 0}, {stamp, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (dir / "f").c_str(), times, 0), 0);
    auto date = sys::ModificationDate(dir / "f");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 2003);
    EXPECT_EQ(date->month, 2);
    EXPECT_EQ(date->day, 28);
    EXPECT_FALSE(sys::ModificationDate(dir / "missing"));
}

TEST(WorkingFolderTest, GuardReturnsOnEveryWayOut) {
    TempFolder dir;
    ASSERT_TRUE(sys::MakeFolder(dir / "program"));
    ASSERT_TRUE(sys::MakeFolder(dir / "elsewhere"));
    std::string program = sys::CanonicalPath(dir / "program");
    std::string start = sys::WorkingFolder();
    try {
        sys::WorkingFolderGuard guard(program);
        ASSERT_TRUE(sys::SetWorkingFolder(dir / "elsewhere"));
        EXPECT_EQ(sys::WorkingFolder(), sys::CanonicalPath(dir / "elsewhere"));
        throw std::runtime_error("leaving early");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(sys::WorkingFolder(), program);
    sys::SetWorkingFolder(start);
}

}  // namespace
