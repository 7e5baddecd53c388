// Rules shared by the dilution runs: share of the year, and average and high-end fractions.
#include <gtest/gtest.h>

#include <vector>

#include "dilution/pdm_category_run.h"
#include "dilution/pdm_site_run.h"

namespace {

TEST(PdmRunRules, PercentAndDaysOfTheYear) {
    struct Case {
        double fraction, releaseDays, percent, days;
    };
    const Case cases[] = {
        {0.25, 365, 25, 91.25},
        {0.5, 182.5, 25, 91.25},
        {1.0, 100, 100.0 * 100 / 365, 100},
        {1.0, 400, 100.0 * 400 / 365, 400},  // nothing clamps a year longer than 365 days
        {0.0, 250, 0, 0},
    };
    for (const Case& c : cases) {
        const double percent = PercentOfYear(c.fraction, c.releaseDays);
        EXPECT_NEAR(percent, c.percent, 1e-12) << c.fraction << " " << c.releaseDays;
        EXPECT_NEAR(DaysOfPercent(percent), c.days, 1e-12) << c.fraction << " " << c.releaseDays;
    }
}

// The fractions k/100 for k = 1..n, in a scrambled order.
std::vector<double> Fractions(int n) {
    std::vector<double> fractions;
    for (int k = 0; k < n; ++k) {
        fractions.push_back(((k * 7) % n + 1) / 100.0);
    }
    return fractions;
}

TEST(PdmRunRules, AverageAndHighEndFractions) {
    struct Case {
        int n;
        double average, highEnd;
    };
    // The high end is the mean of the largest max(1, n/10) fractions; a share of exactly a
    // tenth counts.
    const Case cases[] = {
        {10, 0.055, 0.10},
        {20, 0.105, (0.20 + 0.19) / 2},
        {25, 0.13, (0.25 + 0.24) / 2},
        {30, 0.155, (0.30 + 0.29 + 0.28) / 3},
        {9, 0.05, 0.09},
    };
    for (const Case& c : cases) {
        double average = -1;
        double highEnd = -1;
        CondenseFractions(Fractions(c.n), &average, &highEnd);
        EXPECT_NEAR(average, c.average, 1e-15) << c.n;
        EXPECT_NEAR(highEnd, c.highEnd, 1e-15) << c.n;
    }
    double average = -1;
    double highEnd = -1;
    CondenseFractions({0.3}, &average, &highEnd);
    EXPECT_EQ(average, 0.3);
    EXPECT_EQ(highEnd, 0.3);
    CondenseFractions({}, &average, &highEnd);
    EXPECT_EQ(average, 0);
    EXPECT_EQ(highEnd, 0);
}

TEST(PdmRunRules, RegionOfReachCode) {
    struct Case {
        const char* reach;
        bool ok;
        int region, subregion;
    };
    const Case cases[] = {
        {"03050101001", true, 3, 5}, {"18300000002", true, 18, 30},
        {"1901", true, 19, 1},       {"123", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        int region = 0;
        int subregion = 0;
        EXPECT_EQ(RegionOfReach(c.reach, &region, &subregion), c.ok) << c.reach;
        EXPECT_EQ(region, c.region) << c.reach;
        EXPECT_EQ(subregion, c.subregion) << c.reach;
    }
}

}  // namespace
