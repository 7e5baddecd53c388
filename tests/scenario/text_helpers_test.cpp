// Line reading, byte copies, data-folder paths and the release name.
#include "scenario/text_helpers.h"

#include <gtest/gtest.h>

#include "platform/sys/files.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

TEST(ReadLineTest, LongLinesComeBackWholeAndTheLastLineNeedsNoLineFeed) {
    TempFolder dir;
    std::string longLine(250, 'q');
    ASSERT_TRUE(sys::WriteWholeFile(dir / "f.txt", longLine + "\nsecond\r\nlast"));
    std::FILE* file = sys::OpenFile(dir / "f.txt", "rb");
    ASSERT_NE(file, nullptr);
    std::string line = "stale";
    EXPECT_EQ(ReadLine(line, file), LineStatus::LineRead);
    EXPECT_EQ(line, longLine);
    EXPECT_EQ(ReadLine(line, file), LineStatus::LineRead);
    EXPECT_EQ(line, "second");
    EXPECT_EQ(ReadLine(line, file), LineStatus::LineRead);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(ReadLine(line, file), LineStatus::EndOfFile);
    EXPECT_EQ(line, "");
    std::fclose(file);
}

TEST(CopyFileBytesTest, MissingSourceKeepsTheTargetAndHighBytesCopyWhole) {
    TempFolder dir;
    ASSERT_TRUE(sys::WriteWholeFile(dir / "target", "keep me"));
    EXPECT_FALSE(CopyFileBytes(dir / "missing", dir / "target"));
    EXPECT_EQ(sys::ReadWholeFile(dir / "target"), "keep me");

    std::string bytes = "\xff\xff\x00\xff";
    bytes.push_back('\xff');
    ASSERT_TRUE(sys::WriteWholeFile(dir / "source", bytes));
    EXPECT_TRUE(CopyFileBytes(dir / "source", dir / "target"));
    EXPECT_EQ(sys::ReadWholeFile(dir / "target"), bytes);
}

TEST(TextHelpersTest, TrimAndDataPath) {
    EXPECT_EQ(TrimCString(" \t abc \r\n"), "abc");
    EXPECT_EQ(ToAnsiString(nullptr), "");
    DataFolder = "c:\\data\\";
    EXPECT_EQ(DataPath("nyr01.dbf"), "c:\\data\\nyr01.dbf");
    DataFolder.clear();
}

TEST(TextHelpersTest, ReleaseNameIsACopyOfTheReleaseText) {
    const std::string before = CurrentPmn.RELEASE;
    CurrentPmn.RELEASE = "Processing: spray coating";
    std::string name = ReleaseName();
    EXPECT_EQ(name, "Processing: spray coating");
    name += " (changed)";
    EXPECT_EQ(CurrentPmn.RELEASE, "Processing: spray coating");
    CurrentPmn.RELEASE.clear();
    EXPECT_EQ(ReleaseName(), "");
    CurrentPmn.RELEASE = before;
}

}  // namespace
