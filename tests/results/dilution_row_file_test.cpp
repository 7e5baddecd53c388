// The dilution row file of the full run: its lines by kind and by the concentrations asked.
#include "results/dilution_row_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "dilution/pdm_results.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    return lines;
}

class DilutionRowFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int k = 0; k < 3; ++k) {
            PdmCoc[k] = 10.0 * (k + 1);
            PdmPercentExceeded[k] = 12.5 + k;  // rounded half up to whole numbers
            PdmDaysExceeded[k] = 45.49 + k;
        }
        PdmReleaseDays = 250;
        PdmPreTreatRelease = 2.5;
        PdmWwtRemoval = 90;
    }
};

TEST_F(DilutionRowFileTest, SiteRowsThenNoResultRowsUpToTwentyOne) {
    const std::vector<std::string> lines =
        Lines(DilutionRowFileText(DilutionRowKind::Site, {10, 20, 0}, ""));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "10.000000 13 45 250 2.500000 90.000000\n");
    EXPECT_EQ(lines[1], "20.000000 14 46 250 2.500000 90.000000\n");
    for (size_t i = 2; i < 21; ++i)
        EXPECT_EQ(lines[i], SiteNoResultLine);
    EXPECT_STREQ(SiteNoResultLine,
                 "        -9.0      -9        -9   -9      -9.000         -9.0\n");
}

TEST_F(DilutionRowFileTest, IndustryCodeRowsCarryTheAnalysis) {
    const std::vector<std::string> lines =
        Lines(DilutionRowFileText(DilutionRowKind::IndustryCode, {10, 0, 0}, "High"));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0], "10.000000 13 45 250 2.500000 90.000000 High ---\n");
    EXPECT_EQ(lines[1], IndustryCodeNoResultLine);
    EXPECT_STREQ(IndustryCodeNoResultLine,
                 "        -9.      -9.000        -9.0   -9.000      -9.000         -9. ---  ---\n");
}

TEST_F(DilutionRowFileTest, AConcentrationOfConcernNotAskedHasTheNoResultLineInItsPlace) {
    // 5, 0 and 2: three lines asked, the second holds no result.
    const std::vector<std::string> lines =
        Lines(DilutionRowFileText(DilutionRowKind::Site, {5, 0, 2}, ""));
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines[0].substr(0, 10), "10.000000 ");
    EXPECT_EQ(lines[1], SiteNoResultLine);
    EXPECT_EQ(lines[2].substr(0, 10), "30.000000 ");
    // None asked at all: every line is a no-result line.
    for (const std::string& line : Lines(DilutionRowFileText(DilutionRowKind::Site, {0, 0, 0}, "")))
        EXPECT_EQ(line, SiteNoResultLine);
}

TEST_F(DilutionRowFileTest, AFileThatCannotBeWrittenIsReported) {
    EXPECT_FALSE(WriteDilutionRowFile("/nonexistent-folder/tmpfile", "x\n"));
}

}  // namespace
