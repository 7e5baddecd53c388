// The reach flow power laws, the number reader of dilution texts and the two comparisons.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "scenario/lookups_facility.h"
#include "scenario/lookups_flows.h"

namespace {

TEST(ReachFlows, PowerLawsGiveThePublishedFlows) {
    // Worked by hand: 1.194 (0.409 Q)^0.473 (0.409 L)^0.552 / 0.409 and so on.
    reach_record reach;
    reach.MEAN_FLOW = 100;
    reach.LOW_FLOW = 10;
    DeriveReachFlows(reach);
    EXPECT_NEAR(reach.HarmonicFlow, 36.7534, 5e-5);
    EXPECT_NEAR(reach.Flow30Q5, 16.9867, 5e-5);
    EXPECT_NEAR(reach.Flow1Q10, 8.3473, 5e-5);
    // To the last digits, against an independent evaluation of the same products.
    EXPECT_NEAR(reach.HarmonicFlow, 36.7533905476072, 1e-12);
    EXPECT_NEAR(reach.Flow30Q5, 16.98670353567223, 1e-12);
    EXPECT_NEAR(reach.Flow1Q10, 8.347290183113346, 1e-12);
}

TEST(ReachFlows, ZeroFlowsGiveZero) {
    reach_record reach;
    DeriveReachFlows(reach);
    EXPECT_EQ(reach.HarmonicFlow, 0);
    EXPECT_EQ(reach.Flow30Q5, 0);
    EXPECT_EQ(reach.Flow1Q10, 0);
}

TEST(TextToFloat, ReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"10:1", 10},  {"  3.5:1", 3.5}, {"", 0},     {"abc", 0},
                          {"1e2x", 100}, {"-2", -2},       {".5", 0.5}, {"+4:1", 4},
                          {"--5", 0},    {"- 5", 0},       {"1e", 1},   {"\t7", 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(TextToFloat(c.text), c.value) << c.text;
    }
}

TEST(MaxMinOf, EqualValuesAndNanGiveTheSecondArgument) {
    EXPECT_EQ(MaxOf(3, 2), 3);
    EXPECT_EQ(MaxOf(2, 3), 3);
    EXPECT_EQ(MinOf(3, 2), 2);
    EXPECT_EQ(MinOf(2, 3), 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(MaxOf(nan, 5), 5);
    EXPECT_EQ(MinOf(nan, 5), 5);
    // Signed zeros tell which argument came back.
    EXPECT_TRUE(std::signbit(MaxOf(0.0, -0.0)));
    EXPECT_TRUE(std::signbit(MinOf(0.0, -0.0)));
}

}  // namespace
