// Path mapping: separators, drive letters and the case-insensitive fallback.
#include "platform/sys/paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "tests/platform/sys/temp_folder.h"

namespace {

class PathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sys::SetProgramRoot(root.path());
        ::unsetenv("OMBRIX_DRIVE_C");
    }
    void TearDown() override {
        sys::SetProgramRoot("");
        ::unsetenv("OMBRIX_DRIVE_C");
    }
    void Touch(const std::string& relative) {
        std::filesystem::path p = root.path() + "/" + relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p) << "x";
    }
    TempFolder root;
};

TEST_F(PathsTest, BackslashesAndDoubledSeparatorsBecomeSingleSlashes) {
    EXPECT_EQ(sys::NativePath("a\\b\\c.txt"), "a/b/c.txt");
    EXPECT_EQ(sys::NativePath(root.path() + "\\results\\\\x.dbf"), root.path() + "/results/x.dbf");
    EXPECT_EQ(sys::NativePath("folder\\"), "folder/");
}

TEST_F(PathsTest, DriveCMapsIntoTheProgramFolderUnlessTheEnvironmentNamesAnother) {
    EXPECT_EQ(sys::NativePath("c:\\astreat\\treat.out"),
              root.path() + "/drive_c/astreat/treat.out");
    EXPECT_EQ(sys::NativePath("C:/astreat/"), root.path() + "/drive_c/astreat/");
    EXPECT_EQ(sys::NativePath("d:\\x"), root.path() + "/drive_d/x");
    ::setenv("OMBRIX_DRIVE_C", "/elsewhere", 1);
    EXPECT_EQ(sys::NativePath("c:\\astreat\\treat.out"), "/elsewhere/astreat/treat.out");
}

TEST_F(PathsTest, MissingNamesMatchExistingOnesWithoutRegardToCase) {
    Touch("Duriviz/SIDS2004.DBF");
    EXPECT_EQ(sys::NativePath(root.path() + "\\duriviz\\sids2004.dbf"),
              root.path() + "/Duriviz/SIDS2004.DBF");
    // An exact name wins over a case variant.
    Touch("duriviz/sids2004.dbf");
    EXPECT_EQ(sys::NativePath(root.path() + "/duriviz/sids2004.dbf"),
              root.path() + "/duriviz/sids2004.dbf");
    // The folder exists as written and only the file's name differs in case.
    Touch("duriviz/Reach.DBF");
    EXPECT_EQ(sys::NativePath(root.path() + "/duriviz/reach.dbf"),
              root.path() + "/duriviz/Reach.DBF");
    EXPECT_EQ(sys::NativePath(root.path() + "/duriviz/new.dbf"), root.path() + "/duriviz/new.dbf");
}

TEST_F(PathsTest, NamesThatMatchNothingAreKeptForCreation) {
    Touch("Results/old.txt");
    EXPECT_EQ(sys::NativePath(root.path() + "/results/New.TXT"), root.path() + "/Results/New.TXT");
    EXPECT_EQ(sys::NativePath(root.path() + "/none/Deeper/f"), root.path() + "/none/Deeper/f");
}

TEST(PathPartsTest, JoinAndSplit) {
    EXPECT_EQ(sys::JoinPath("a", "b"), "a/b");
    EXPECT_EQ(sys::JoinPath("a/", "b"), "a/b");
    EXPECT_EQ(sys::JoinPath("a\\", "\\b"), "a\\b");
    EXPECT_EQ(sys::FileNamePart("c:\\x\\y.dbf"), "y.dbf");
    EXPECT_EQ(sys::FolderPart("/a/b/c"), "/a/b");
    EXPECT_EQ(sys::FolderPart("/c"), "/");
    EXPECT_EQ(sys::FolderPart("c"), "");
}

}  // namespace
