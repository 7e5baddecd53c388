// The stand-in program in the program folder: reads asparms.db, writes treat.out or nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sys/files.h"
#include "platform/sys/process.h"
#include "platform/sys/text.h"
#include "tests/platform/sys/temp_folder.h"

namespace {

const std::string kModelFolder = std::string(OMBRIX_PROGRAM_DIR) + "/drive_c/astreat";

std::vector<std::string> ShippedTemplate() {
    std::vector<std::string> lines;
    EXPECT_TRUE(sys::ReadTextLines(kModelFolder + "/asparms.inp", lines));
    return lines;
}

sys::ProcessResult RunModel(const std::string& folder) {
    sys::ProcessRequest request;
    request.program = kModelFolder + "/treat";
    request.workingFolder = folder;
    request.timeoutMs = 60000;
    return sys::RunProgram(request);
}

TEST(TreatProgram, ShippedTemplateHasSixtyTwoLinesAndRunsAsItIs) {
    std::vector<std::string> lines = ShippedTemplate();
    ASSERT_EQ(lines.size(), 62u);
    TempFolder dir;
    lines[34] = "1";       // influent concentration, mg/L
    lines[40] = "16.632";  // the 1-hour class
    ASSERT_TRUE(sys::WriteTextLines(dir / "asparms.db", lines));
    const sys::ProcessResult result = RunModel(dir.path());
    ASSERT_TRUE(result.Finished()) << result.message;
    EXPECT_EQ(result.exitCode, 0);
    std::vector<std::string> out;
    ASSERT_TRUE(sys::ReadTextLines(dir / "treat.out", out));
    ASSERT_GE(out.size(), 47u);
    EXPECT_EQ(out[46].substr(46, 8), "  19.387");  // 1 / 5.158 of the influent stays
    EXPECT_EQ(out[40].substr(46, 8), "   0.000");
}

TEST(TreatProgram, UnusableParametersLeaveNoOutput) {
    TempFolder dir;
    std::vector<std::string> lines = ShippedTemplate();
    lines[40] = "quick";
    ASSERT_TRUE(sys::WriteTextLines(dir / "asparms.db", lines));
    sys::ProcessResult result = RunModel(dir.path());
    ASSERT_TRUE(result.Finished()) << result.message;
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(sys::FileExists(dir / "treat.out"));

    TempFolder empty;
    result = RunModel(empty.path());
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(sys::FileExists(empty / "treat.out"));
}

}  // namespace
