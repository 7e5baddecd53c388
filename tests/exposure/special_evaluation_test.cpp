// The special evaluation grid against its thresholds.
#include "exposure/special_evaluation.h"

#include <gtest/gtest.h>

namespace {

TEST(SpecialEvaluation, ThresholdsWithARelativeTolerance) {
    EXPECT_TRUE(ReachesThreshold(1000, 1000));
    EXPECT_TRUE(ReachesThreshold(999.9999999999998, 1000));
    EXPECT_FALSE(ReachesThreshold(999.99999, 1000));
    EXPECT_TRUE(ReachesThreshold(0.003, 0.003));
    EXPECT_TRUE(ReachesThreshold(0.1 * 0.03, 0.003));  // 0.0030000000000000005 and its kin
    EXPECT_FALSE(ReachesThreshold(0.0029999, 0.003));
}

TEST(SpecialEvaluation, GridOfBothEvaluations) {
    RunTotals totals;
    totals.RunMaxDwAdr = 0.003;
    totals.RunWaterReleaseTotal = 500;
    totals.RunAllMediaReleaseTotal = 12000;
    const SpecialEvaluationCells cells = SpecialEvaluationGridCells(totals, true, true);
    EXPECT_EQ(cells[0][0], "Parameter");
    EXPECT_EQ(cells[0][3], "Exceedance value");
    EXPECT_EQ(cells[1][0], "Drinking (Surface) Water Dose (mg/kg/day)");
    EXPECT_EQ(cells[1][1], "Yes");
    EXPECT_EQ(cells[1][2], "Yes");
    EXPECT_EQ(cells[1][3], "3.00E-03");
    EXPECT_EQ(cells[5][1], "No");
    EXPECT_EQ(cells[5][2], "Yes");
    EXPECT_EQ(cells[5][3], "500.00");
    EXPECT_EQ(cells[6][1], "Yes");
    EXPECT_EQ(cells[6][3], "1.20E+04");
    for (int row : {2, 3, 4}) {
        EXPECT_EQ(cells[row][1], "No");
        EXPECT_EQ(cells[row][2], "No");
        EXPECT_EQ(cells[row][3], "") << row;
    }
}

TEST(SpecialEvaluation, OnlyThePersistenceEvaluationAsked) {
    RunTotals totals;
    totals.RunWaterReleaseTotal = 999.9999999999998;
    totals.RunAllMediaReleaseTotal = 1500;
    const SpecialEvaluationCells cells = SpecialEvaluationGridCells(totals, false, true);
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(cells[row][1], "N/A");
    EXPECT_EQ(cells[5][2], "Yes");
    EXPECT_EQ(cells[5][3], "1000.00");
    EXPECT_EQ(cells[6][2], "No");
    EXPECT_EQ(cells[6][3], "");
}

TEST(SpecialEvaluation, ExposureBasedReleaseThresholdMetWithinRounding) {
    RunTotals totals;
    totals.RunWaterReleaseTotal = 999.9999999999998;
    const SpecialEvaluationCells cells = SpecialEvaluationGridCells(totals, true, false);
    EXPECT_EQ(cells[5][1], "Yes");
    EXPECT_EQ(cells[5][2], "N/A");
    // A run without releases leaves every total at 0.
    const SpecialEvaluationCells none = SpecialEvaluationGridCells(RunTotals{}, true, true);
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(none[row][1], "No");
        EXPECT_EQ(none[row][3], "");
    }
}

}  // namespace
