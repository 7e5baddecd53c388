// Runs a model input both ways, the program's mapped steps and the stage-by-stage reference,
// and holds every result of the one to the other's within 1e-12 relative.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "consumer/model/zonaromain.h"

namespace consumer_test {

inline constexpr double kSteppingAgreement = 1e-12;

// The largest relative difference seen by any agreement check of this test program.
inline double& LargestSteppingDifference() {
    static double largest = 0;
    return largest;
}

// Equal values (infinities, a 0 / 0 of both) agree; otherwise the difference relative to the
// larger.
inline void ExpectClose(const char* what, double fast, double reference) {
    const bool same = fast == reference || (std::isnan(fast) && std::isnan(reference));
    const double scale = std::max(std::fabs(fast), std::fabs(reference));
    const double difference = same ? 0 : std::fabs(fast - reference) / scale;
    LargestSteppingDifference() = std::max(LargestSteppingDifference(), difference);
    EXPECT_LE(difference, kSteppingAgreement)
        << what << ": " << fast << " (mapped) against " << reference << " (stage by stage)";
}

// Every result getter, the state of every node and the loading of every sink.
inline void ExpectSameResults(const consumer::zonaromain& fast,
                              const consumer::zonaromain& reference) {
    ExpectClose("mass inhaled", fast.MassInhaled(), reference.MassInhaled());
    ExpectClose("lifetime average daily dose", fast.LifetimeAverageDailyDose(),
                reference.LifetimeAverageDailyDose());
    ExpectClose("lifetime average daily concentration", fast.LifetimeAverageDailyConcentration(),
                reference.LifetimeAverageDailyConcentration());
    ExpectClose("average daily dose", fast.AverageDailyDose(), reference.AverageDailyDose());
    ExpectClose("average daily concentration", fast.AverageDailyConcentration(),
                reference.AverageDailyConcentration());
    ExpectClose("peak concentration", fast.PeakConcentration(), reference.PeakConcentration());
    ExpectClose("highest daily dose", fast.HighestDailyDose(), reference.HighestDailyDose());
    ExpectClose("time of the highest daily dose", fast.HighestDailyDoseTime(),
                reference.HighestDailyDoseTime());
    ExpectClose("integrated concentration", fast.IntegratedConcentration(),
                reference.IntegratedConcentration());
    ExpectClose("volume inhaled", fast.VolumeInhaled(), reference.VolumeInhaled());
    ExpectClose("current time", fast.CurrentTime(), reference.CurrentTime());
    for (int node = 0; node <= fast.ZoneCount(); ++node) {
        SCOPED_TRACE("node " + std::to_string(node));
        ExpectClose("concentration", fast.Concentration(node), reference.Concentration(node));
        ExpectClose("condensed mass", fast.CondensedMass(node), reference.CondensedMass(node));
    }
    for (size_t i = 0; i < fast.Sinks().size(); ++i) {
        SCOPED_TRACE("sink " + std::to_string(i));
        ExpectClose("loading", fast.Sinks()[i].loading, reference.Sinks()[i].loading);
    }
}

// The model run by Run, after its agreement with RunStageByStage on the same input is checked.
inline consumer::zonaromain RunBothWays(const std::string& text) {
    consumer::zonaromain fast;
    consumer::zonaromain reference;
    EXPECT_EQ(fast.ParseText(text), 1);
    EXPECT_EQ(reference.ParseText(text), 1);
    fast.Run();
    reference.RunStageByStage();
    ExpectSameResults(fast, reference);
    return fast;
}

}  // namespace consumer_test
