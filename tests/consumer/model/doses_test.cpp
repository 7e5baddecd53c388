// The dermal dose arithmetic on worked numbers.
#include "consumer/model/doses.h"

#include <gtest/gtest.h>

namespace {

using namespace consumer;

ExposureInputs PotentialAdult() {
    ExposureInputs in;
    in.DoseType = "Potential";
    in.AgeGroup = 1;
    in.ScenarioName = "Bar Soap";
    in.AmountOnSkin = 0.001;
    in.FrequencyBody = 1;
    in.FrequencyHands = 1;
    in.SurfaceAreaHands = 10;
    in.SurfaceAreaBody = 20;
    in.WeightFractionMedian = 0.1;
    in.WeightFraction90 = 0.2;
    in.YEARSOFUSE = 1;
    in.YEARSLIFETIME = 70;
    in.AveragingTimeAdd = 2;
    return in;
}

TEST(DermalDoses, PotentialDoseOfAnAdult) {
    ExposureInputs in = PotentialAdult();
    ExposureResults results;
    ComputeDoses(in, results);
    // (1 x 10 + 1 x 20) x 0.1 x 1 x 0.001 x 1000 / (70 x 365) = 3 / 25550.
    EXPECT_NEAR(results[17], 3.0 / 25550, 1e-18);
    EXPECT_NEAR(results[17], 1.174e-4, 1e-7);
    // Same over 2 x 365 days.
    EXPECT_NEAR(results[18], 3.0 / 730, 1e-15);
    // (2 x 10 + 20) x 0.2 x 0.001 x 1000.
    EXPECT_NEAR(results[19], 8.0, 1e-12);
    const double echoes[] = {25550, 730, 1.0, 1, 20, 10, 1, 1};
    for (int i = 20; i <= 27; ++i)
        EXPECT_EQ(results[i], echoes[i - 20]) << i;
}

TEST(DermalDoses, AbsorbedDoseDerivesTheAmountOnSkin) {
    ExposureInputs in = PotentialAdult();
    in.DoseType = "Absorbed";
    in.PermeabilityCoefficient = 0.05;  // cm/h
    in.DermalEventDuration = 0.5;       // h
    in.FormulationDensity = 1.2;        // g/cm3
    in.Dilution = 0.1;
    ExposureResults results;
    ComputeDoses(in, results);
    // 0.05 x 0.5 x 1.2 x 0.1 = 0.003 g/cm2 per event.
    EXPECT_NEAR(in.AmountOnSkin, 0.003, 1e-15);
    EXPECT_NEAR(results[17], 3 * 3.0 / 25550, 1e-15);
    EXPECT_NEAR(results[19], 24.0, 1e-12);
}

TEST(DermalDoses, NonAdultNamedProductHasNoChronicDoses) {
    ExposureInputs in = PotentialAdult();
    in.AgeGroup = 4;
    ExposureResults results;
    ComputeDoses(in, results);
    for (int i : {17, 18, 20, 21})
        EXPECT_EQ(results[i], -99.0) << i;
    EXPECT_NEAR(results[19], 8.0, 1e-12);
    // A user-defined case has no hands inputs: only the body's 1 x 20 counts.
    in.ScenarioName = "User Defined";
    ComputeDoses(in, results);
    EXPECT_NEAR(results[17], 2.0 / 25550, 1e-18);
}

// Hands values left in the case by another scenario (or sent with it) take no part in the doses
// of a scenario without hands, and the results do not echo them.
TEST(DermalDoses, HandsCountOnlyForBarSoap) {
    for (const char* name : {"General Purpose Cleaner", "Used Motor Oil", "Laundry Detergent"}) {
        ExposureInputs in = PotentialAdult();
        in.ScenarioName = name;
        ExposureResults results;
        ComputeDoses(in, results);
        // 1 x 20 x 0.1 x 1 x 0.001 x 1000 / 25550 and 20 x 0.2 x 0.001 x 1000.
        EXPECT_NEAR(results[17], 2.0 / 25550, 1e-18) << name;
        EXPECT_NEAR(results[19], 4.0, 1e-12) << name;
        EXPECT_EQ(results[25], 0.0) << name;
        EXPECT_EQ(results[27], 0.0) << name;
        // The inputs themselves are left as they came.
        EXPECT_EQ(in.SurfaceAreaHands, 10);
        EXPECT_EQ(in.FrequencyHands, 1);
    }
}

}  // namespace
