// The multi-zone model on cases with a closed-form answer, and its input rules.
#include "consumer/model/zonaromain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/consumer/model/stepping_agreement.h"

namespace {

using consumer::zonaromain;

constexpr double h = 1.0 / 8640;

// A person who spends every hour in the given zone, breathing the given rate (m3/day).
std::string Person(int zone, double rate) {
    return "PRIMARYACTIVITYPATTERN 0 " + std::to_string(zone) + " " + std::to_string(rate) +
           "\nPRIMARYDAYS 1 2 3 4 5 6 7\n";
}

// Every run of a test is made both ways (mapped steps and stage by stage), held to agree.
zonaromain RunText(const std::string& text) {
    return consumer_test::RunBothWays(text);
}

TEST(MultiZoneModel, ConstantSourceInClosedZoneRisesByRateOverVolumePerDay) {
    const std::string zone =
        "ZONES 1\nVOLUMES 10\nINITIALCONC 0 0\nAIRFLOW1 0 0\n"
        "EMISSIONRATE CONSTANT 1 0 50 0.5\nSTARTTIME 0\n";
    // While the source is on: 50 mg/day into 10 m3 is 5 mg/m3 per day.
    zonaromain during = RunText(zone + "ENDTIME 0.25\n");
    EXPECT_NEAR(during.Concentration(1), 1.25, 1e-12);
    // After it stops the air keeps its 25 mg (within one step's share at the switch-off).
    zonaromain after = RunText(zone + "ENDTIME 1\n");
    EXPECT_NEAR(after.Concentration(1), 2.5, 5 * h);
}

TEST(MultiZoneModel, ExchangeWithCleanOutdoorAirDecaysExponentially) {
    // One zone of 20 m3 with 10 m3/day in and out: C(t) = 4 exp(-t/2).
    zonaromain model = RunText(
        "ZONES 1\nVOLUMES 20\nINITIALCONC 0 4\nAIRFLOW1 10 10\nSTARTTIME 0\nENDTIME 2\n"
        "BODYWEIGHT 50\n" +
        Person(1, 15));
    // 17280 steps: agreement to accumulated rounding.
    EXPECT_NEAR(model.Concentration(1), 4 * std::exp(-1.0), 1e-11);
    // The exposure sums the concentration after each 10-second step: a geometric series.
    const double r = std::exp(-0.5 * h);
    const double steps = 2 * 8640;
    const double integrated = h * 4 * r * (1 - std::pow(r, steps)) / (1 - r);
    EXPECT_NEAR(model.IntegratedConcentration(), integrated, 1e-9 * integrated);
    EXPECT_NEAR(model.MassInhaled(), 15 * integrated, 1e-9 * 15 * integrated);
    EXPECT_NEAR(model.VolumeInhaled(), 15 * 2.0, 1e-9);
    EXPECT_NEAR(model.PeakConcentration(), 4 * r, 1e-12);
}

TEST(MultiZoneModel, TwoClosedZonesShareTheirAirExponentially) {
    // Equal volumes V exchanging q both ways: C1 = C0/2 (1 + exp(-2qt/V)), C2 = C0/2 (1 - ...).
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 5 5\nINITIALCONC 0 8 0\nAIRFLOW1 0 0\nAIRFLOW2 0 0 10 10\n"
        "STARTTIME 0\nENDTIME 0.5\n");
    const double e = std::exp(-2 * 10 * 0.5 / 5);
    EXPECT_NEAR(model.Concentration(1), 4 * (1 + e), 1e-11);
    EXPECT_NEAR(model.Concentration(2), 4 * (1 - e), 1e-11);
}

TEST(MultiZoneModel, TwoZonesWithConstantSourceReachTheSteadyState) {
    // Source 100 mg/day in zone 1; Q1 = 10 and Q2 = 30 to outdoors, q = 20 between the zones.
    // Steady state by hand: C1 = 100 / (10 + 20 - 20 x 20 / 50) = 100/22, C2 = 20/50 C1.
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 1 1\nINITIALCONC 0 0 0\nAIRFLOW1 10 10\nAIRFLOW2 30 30 20 20\n"
        "EMISSIONRATE CONSTANT 1 0 100 100\nSTARTTIME 0\nENDTIME 5\n");
    EXPECT_NEAR(model.Concentration(1), 100.0 / 22, 1e-10);
    EXPECT_NEAR(model.Concentration(2), 0.4 * 100.0 / 22, 1e-10);
}

TEST(MultiZoneModel, IncrementalSourceReleasesItsWholeMass) {
    zonaromain model = RunText(
        "ZONES 1\nVOLUMES 4\nINITIALCONC 0 0\nAIRFLOW1 0 0\n"
        "EMISSIONRATE INCREMENTAL 1 0.5 100 50 0.1\nSTARTTIME 0.5\nENDTIME 3\n");
    EXPECT_NEAR(model.Concentration(1), 25.0, 1e-6);
    const zonaromain::Source& source = model.Sources().at(0);
    EXPECT_EQ(model.EmissionRate(source, 3.0), 0.0);
    // While applied: (mass / duration) (1 - exp(-k (t - start))).
    EXPECT_NEAR(model.EmissionRate(source, 0.55), 1000 * (1 - std::exp(-2.5)), 1e-9);
    // After: the part applied late is still being released.
    EXPECT_NEAR(model.EmissionRate(source, 0.7),
                1000 * (1 - std::exp(-10.0)) - 1000 * (1 - std::exp(-5.0)), 1e-9);
    EXPECT_EQ(model.EmissionRate(source, 0.4), 0.0);
}

TEST(MultiZoneModel, ExponentialAndTabulatedSources) {
    zonaromain model;
    ASSERT_EQ(model.ParseText("ZONES 1\nEMISSIONRATE EXPONENTIAL 1 1 30 2 0.5\n"
                              "EMISSIONRATE EXPONENTIAL 1 1 30 2\n"
                              "EMISSIONRATE DATAENTRY 1\n0.1 5\n0.2 7\nEND\n"),
              1);
    const auto& sources = model.Sources();
    ASSERT_EQ(sources.size(), 3u);
    EXPECT_NEAR(model.EmissionRate(sources[0], 1.25), 30 * std::exp(-0.5), 1e-12);
    EXPECT_EQ(model.EmissionRate(sources[0], 1.5), 0.0);   // window over
    EXPECT_EQ(model.EmissionRate(sources[1], 1.25), 0.0);  // no window: never active
    const double times[] = {0.05, 0.1, 0.15, 0.2, 10};
    const double rates[] = {0, 5, 5, 7, 7};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(model.EmissionRate(sources[2], times[i]), rates[i]);
}

TEST(MultiZoneModel, SaturationHoldsTheExcessAndReturnsIt) {
    // 10 mg/day into a closed 1 m3 zone for a day, saturation 4 mg/m3: the air holds 4 mg and
    // 6 mg condense (less one step's share at the switch-off).
    zonaromain closed = RunText(
        "ZONES 1\nVOLUMES 1\nINITIALCONC 0 0\nAIRFLOW1 0 0\nEMISSIONRATE CONSTANT 1 0 10 1\n"
        "CSAT 4\nSTARTTIME 0\nENDTIME 1.5\n");
    EXPECT_EQ(closed.Concentration(1), 4.0);
    EXPECT_NEAR(closed.CondensedMass(1), 6.0, 10 * h);
    // Start at 10 mg/m3 with 1 m3/day of clean air: held at 4 while the 6 mg condensed
    // evaporate at 4 mg/day (1.5 days), then C = 4 exp(-(t - 1.5)).
    const std::string venting =
        "ZONES 1\nVOLUMES 1\nINITIALCONC 0 10\nAIRFLOW1 1 1\nCSAT 4\nSTARTTIME 0\n";
    EXPECT_EQ(RunText(venting + "ENDTIME 1.4\n").Concentration(1), 4.0);
    EXPECT_NEAR(RunText(venting + "ENDTIME 3.5\n").Concentration(1), 4 * std::exp(-2.0), 1e-3);
}

TEST(MultiZoneModel, SinksRemoveAndExchangeMass) {
    // First order: dC/dt = -k C / V.
    zonaromain firstOrder = RunText(
        "ZONES 1\nVOLUMES 2\nINITIALCONC 0 3\nAIRFLOW1 0 0\nSINK FIRSTORDER 1 4\n"
        "STARTTIME 0\nENDTIME 1\n");
    EXPECT_NEAR(firstOrder.Concentration(1), 3 * std::exp(-2.0), 1e-10);
    // Langmuir with V = 1, area 1, ka 2, kd 1: C + L = 3 and C = 1 + 2 exp(-3t).
    zonaromain langmuir = RunText(
        "ZONES 1\nVOLUMES 1\nINITIALCONC 0 3\nAIRFLOW1 0 0\nSINK LANGMUIR 1 2 1 1\n"
        "STARTTIME 0\nENDTIME 0.5\n");
    EXPECT_NEAR(langmuir.Concentration(1), 1 + 2 * std::exp(-1.5), 1e-3);
    EXPECT_NEAR(langmuir.Concentration(1) + langmuir.Sinks().at(0).loading, 3.0, 1e-9);
}

TEST(MultiZoneModel, NoSourceGivesZeroResults) {
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 10 20\nINITIALCONC 0 0 0\nAIRFLOW1 5 5\nAIRFLOW2 5 5 5 5\n"
        "STARTTIME 0\nENDTIME 3\nEVENTSPERYEAR 10\nBODYWEIGHT 60\nYEARSEXPOSURE 1\n"
        "AVERAGELIFETIME 1000\n" +
        Person(1, 20));
    EXPECT_EQ(model.MassInhaled(), 0.0);
    EXPECT_EQ(model.LifetimeAverageDailyDose(), 0.0);
    EXPECT_EQ(model.LifetimeAverageDailyConcentration(), 0.0);
    EXPECT_EQ(model.PeakConcentration(), 0.0);
    EXPECT_EQ(model.HighestDailyDose(), 0.0);
}

TEST(MultiZoneModel, DosesFromTheAccumulatedExposure) {
    // A constant 2 mg/m3 breathed at 24 m3/day for 3 days by a 60 kg person.
    zonaromain model = RunText(
        "ZONES 1\nVOLUMES 1\nINITIALCONC 0 2\nAIRFLOW1 0 0\nSTARTTIME 0\nENDTIME 3\n"
        "EVENTSPERYEAR 10\nBODYWEIGHT 60\nYEARSEXPOSURE 2\nAVERAGELIFETIME 1000\n" +
        Person(1, 24));
    // Sums of 25920 steps: agreement to rounding.
    EXPECT_NEAR(model.MassInhaled(), 144.0, 1e-9);
    EXPECT_NEAR(model.IntegratedConcentration(), 6.0, 1e-10);
    EXPECT_NEAR(model.LifetimeAverageDailyDose(), 144.0 * 10 / 60 * (2.0 / 1000), 1e-12);
    EXPECT_NEAR(model.LifetimeAverageDailyConcentration(), 6.0 * 10 * (2.0 / 1000), 1e-12);
    EXPECT_NEAR(model.AverageDailyDose(), 144.0 * 10 / (365.25 * 60), 1e-12);
    EXPECT_NEAR(model.AverageDailyConcentration(), 6.0 * 10 / 365.25, 1e-12);
    // A day of breathing is 48 mg, 0.8 mg/kg; the first hour of a run spans one step more.
    EXPECT_NEAR(model.HighestDailyDose(), 0.8 * 8641 / 8640, 1e-12);
}

TEST(MultiZoneModel, HighestDailyDoseFindsTheWorstDay) {
    // Zone 1 holds 1 mg/m3, zone 2 none; the person is in zone 1 from hour 6 to 9 of the
    // second day only (absolute override times), else in zone 2.
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 1 1\nINITIALCONC 0 1 0\nAIRFLOW1 0 0\nAIRFLOW2 0 0 0 0\n"
        "OVERRIDEACTIVITYPATTERN 1.25 1.375 1 48\nSTARTTIME 0\nENDTIME 4\nBODYWEIGHT 2\n" +
        Person(2, 48));
    // 3 hours x 2 m3/h x 1 mg/m3 / 2 kg = 3 mg/kg, plus the override's closing step.
    EXPECT_NEAR(model.HighestDailyDose(), 3.0 * (1080 + 1) / 1080, 1e-9);
    EXPECT_GE(model.HighestDailyDoseTime(), 1.375);
    EXPECT_LE(model.HighestDailyDoseTime(), 2.375);
}

TEST(MultiZoneModel, OverrideEntriesCoverTheirTimesOnlyThenThePrimaryListApplies) {
    // Zone 1 at 2 mg/m3, zone 2 clean; override to zone 1 for the first day only.
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 1 1\nINITIALCONC 0 2 0\nAIRFLOW1 0 0\nAIRFLOW2 0 0 0 0\n"
        "OVERRIDEACTIVITYPATTERN 0 1 1 10\nSTARTTIME 0\nENDTIME 3\n" +
        Person(2, 10));
    // One day at 2 mg/m3 (the override's end is inclusive: one step more).
    EXPECT_NEAR(model.IntegratedConcentration(), 2.0 * (8640 + 1) * h, 1e-9);
}

TEST(MultiZoneModel, PatternListsAreSortedAndSecondaryDaysUseTheirOwnList) {
    zonaromain model = RunText(
        "ZONES 2\nVOLUMES 1 1\nINITIALCONC 0 0 3\nAIRFLOW1 0 0\nAIRFLOW2 0 0 0 0\n"
        "PRIMARYACTIVITYPATTERN 0.5 2 24\nPRIMARYACTIVITYPATTERN 0 1 24\n"
        "SECONDARYACTIVITYPATTERN 0 2 24\nPRIMARYDAYS 1\nSTARTTIME 0\nENDTIME 2\n");
    ASSERT_EQ(model.PrimaryPattern().size(), 2u);
    EXPECT_EQ(model.PrimaryPattern()[0].start, 0.0);
    // Day 1 (primary): half a day in zone 2; day 2 (secondary): all day in zone 2.
    EXPECT_NEAR(model.IntegratedConcentration(), 3.0 * 1.5, 1e-9);
}

TEST(MultiZoneModel, InputLinesBeforeTheZonesAndRefusedValues) {
    struct Case {
        const char* name;
        const char* text;
        int result;
    };
    const Case cases[] = {
        {"volumes and concentrations before zones change nothing",
         "VOLUMES 5 6\nINITIALCONC 1 2 3\nZONES 1\n", 1},
        {"air flow before zones", "AIRFLOW1 1 1\nZONES 1\n", 0},
        {"second air flow set with one zone", "ZONES 1\nAIRFLOW2 1 1 1 1\n", 0},
        {"air flow with a sign", "ZONES 1\nAIRFLOW1 -1 1\n", 0},
        {"too few volumes", "ZONES 2\nVOLUMES 5\n", 0},
        {"no zones", "ZONES 0\n", 0},
        {"day 8", "PRIMARYDAYS 1 8\n", 0},
        {"no days", "PRIMARYDAYS\n", 0},
        {"unknown emission kind", "ZONES 1\nEMISSIONRATE CSAT 5381        ; mg/m3\n", 0},
        {"constant source without duration", "ZONES 1\nEMISSIONRATE CONSTANT 1 0 5\n", 0},
        {"table rate with a sign", "ZONES 1\nEMISSIONRATE DATAENTRY 1\n0 -5\nEND\n", 0},
        {"unknown sink", "ZONES 1\nSINK SECONDORDER 1 2\n", 0},
        {"comments and unknown keywords", "; note\nZONES 1\nUNKNOWN 5\n  \n", 1},
        {"monte carlo block",
         "MONTECARLO 10 1234567\nAIRFLOWS NORMAL 1 0.1\n"
         "EMISSIONRATES UNDEFINED\nFIRSTORDER UNIFORM 0.5 1.5\n"
         "LANGMUIR1 LOGNORMAL 2\nLANGMUIR2 TRIANGULAR 1 2\n",
         1},
        {"monte carlo out of order", "MONTECARLO 10 5\nEMISSIONRATES UNDEFINED\n", 0},
        {"monte carlo short", "MONTECARLO 10 5\nAIRFLOWS UNDEFINED\n", 0},
        {"monte carlo unknown distribution",
         "MONTECARLO 10 5\nAIRFLOWS GAMMA 1 2\nEMISSIONRATES UNDEFINED\nFIRSTORDER UNDEFINED\n"
         "LANGMUIR1 UNDEFINED\nLANGMUIR2 UNDEFINED\n",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zonaromain model;
        EXPECT_EQ(model.ParseText(c.text), c.result);
    }
    zonaromain model;
    ASSERT_EQ(model.ParseText("VOLUMES 5\nZONES 1\n"), 1);
    EXPECT_EQ(model.Volume(1), 0.0);
    zonaromain seeded;
    ASSERT_EQ(seeded.ParseText(cases[13].text), 1);
    EXPECT_EQ(seeded.MonteCarloSeed(), 123456);
}

TEST(MultiZoneModel, RefusedLineKeepsWhatWasReadBefore) {
    zonaromain model;
    EXPECT_EQ(model.ParseText("ZONES 1\nVOLUMES 7\nSTARTTIME 0.5\nPRIMARYDAYS 9\nENDTIME 3\n"), 0);
    EXPECT_EQ(model.Volume(1), 7.0);
    EXPECT_EQ(model.StartTime(), 0.5);
    EXPECT_EQ(model.EndTime(), 0.0);
    model.Run();  // no end time: no step
    EXPECT_EQ(model.MassInhaled(), 0.0);
}

std::string Repeated(const std::string& line, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i)
        text += line;
    return text;
}

// Counts read from the file are held to what the model can hold before anything is made for
// them; the refusal names the line.
TEST(MultiZoneModel, CountsBeyondWhatTheModelHoldsAreRefusedByLine) {
    struct Case {
        const char* name;
        std::string text;
        std::string error;  // empty: accepted
    };
    const std::string zones = "ZONES 2\n";
    const Case cases[] = {
        {"huge zone count", "ZONES 555555\n",
         "Line 1 (ZONES 555555): the model holds at most 100 zones."},
        {"zone count past an int", "ZONES 99999999999\n",
         "Line 1 (ZONES 99999999999): its values cannot be read."},
        {"most zones", "ZONES 100\n", ""},
        {"sources", zones + Repeated("EMISSIONRATE CONSTANT 1 0 5 1\n", 101),
         "Line 102 (EMISSIONRATE CONSTANT 1 0 5 1): the model holds at most 100 emission "
         "sources."},
        {"sinks", zones + Repeated("SINK FIRSTORDER 1 2\n", 101),
         "Line 102 (SINK FIRSTORDER 1 2): the model holds at most 100 sinks."},
        {"pattern entries", Repeated("PRIMARYACTIVITYPATTERN 0 1 1\n", 1001),
         "Line 1001 (PRIMARYACTIVITYPATTERN 0 1 1): the model holds at most 1000 entries of an "
         "activity pattern."},
        {"run too long", "STARTTIME 1\nENDTIME 1e10\n",
         "Line 2 (ENDTIME 1e10): the run from start to end time lasts at most 366 days."},
        {"run too long from an early start", "ENDTIME 400\nSTARTTIME 100\nSTARTTIME 0\n",
         "Line 3 (STARTTIME 0): the run from start to end time lasts at most 366 days."},
        {"year-long run", "STARTTIME 1\nENDTIME 367\n", ""},
        {"end time before the start time", "ENDTIME 1060\nSTARTTIME 1000\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zonaromain model;
        EXPECT_EQ(model.ParseText(c.text), c.error.empty() ? 1 : 0);
        EXPECT_EQ(model.ParseError(), c.error);
    }
}

TEST(MultiZoneModel, FlowPairsFollowTheirIndex) {
    zonaromain model;
    ASSERT_EQ(model.ParseText("ZONES 5\n"), 1);
    const int pairs[][2] = {{0, 1}, {1, 0}, {0, 2}, {2, 0}, {1, 2}, {2, 1}, {0, 3},
                            {3, 0}, {1, 3}, {3, 1}, {2, 3}, {3, 2}, {0, 4}, {4, 0},
                            {1, 4}, {4, 1}, {2, 4}, {4, 2}, {3, 4}, {4, 3}};
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(model.FlowFrom(i), pairs[i][0]) << i;
        EXPECT_EQ(model.FlowTo(i), pairs[i][1]) << i;
    }
    EXPECT_EQ(model.FlowFrom(29), 0);  // beyond the table: outdoors to itself
    EXPECT_EQ(model.FlowTo(29), 0);
}

TEST(MultiZoneModel, MissingFileParsesAsEmpty) {
    zonaromain model;
    EXPECT_EQ(model.Parse("/nonexistent/folder/xfer.trn"), 1);
    model.Run();
    EXPECT_EQ(model.MassInhaled(), 0.0);
}

}  // namespace

namespace {

// A few steps of a small two-zone case with every source kind, against values worked step by
// step by stage_steps.py (the same formulas in the same order, in Python's doubles): the
// stage-by-stage reference is equal to the last bit, and the mapped steps agree with it. With
// sinks the general loop runs; without, the one for two zones.
TEST(MultiZoneModel, FewStepsMatchAnIndependentStageByStageIntegration) {
    const std::string common =
        "ZONES 2\nVOLUMES 36 456\nINITIALCONC 0 0 0\nAIRFLOW1 388.8 388.8\n"
        "AIRFLOW2 4924.8 4924.8 2568.24 2568.24\n"
        "EMISSIONRATE INCREMENTAL 1 0.375 3750 0.485938 0.0002\n"
        "EMISSIONRATE CONSTANT 2 0.3752 40 0.0003\n"
        "EMISSIONRATE EXPONENTIAL 1 0.375 100 12 0.001\n"
        "EMISSIONRATE DATAENTRY 2\n0.3753 20\n0.3755 5\nEND\nSTARTTIME 0.375\n";
    const std::string sinks = "SINK FIRSTORDER 2 3.5\nSINK LANGMUIR 1 2 1 0.5\nCSAT 0.0002\n";
    struct Case {
        const char* name;
        std::string extra;
        double conc[3];
        double condensed[3];
        double loading;
    };
    // 0.3751: one shortened step; 0.3752: a full and a shortened one; 0.384: 77 full steps
    // (more than a block of steps) and a shortened one.
    const Case cases[] = {
        {"one step",
         "ENDTIME 0.3751\n",
         {2.1791677961625035e-65, 0.0015384598875968784, 3.1492182589112696e-07},
         {0.0, 0.0, 0.0},
         0.0},
        {"two steps",
         "ENDTIME 0.3752\n",
         {1.526964481586429e-64, 0.005584448458747143, 3.433669671841715e-06},
         {0.0, 0.0, 0.0},
         0.0},
        {"78 steps",
         "ENDTIME 0.384\n",
         {7.659430801057629e-61, 0.32187369334701715, 0.008743061363259318},
         {0.0, 0.0, 0.0},
         0.0},
        {"sinks and saturation, one step",
         sinks + "ENDTIME 0.3751\n",
         {2.1791661583248e-65, 0.0002, 3.1492152329435775e-07},
         {0.0, 0.04818450013761681, 0.0},
         5.594034495627984e-08},
        {"sinks and saturation, two steps",
         sinks + "ENDTIME 0.3752\n",
         {9.344179284327063e-65, 0.0002, 2.578480683383184e-06},
         {0.0, 0.1942891257460179, 0.0},
         2.3932520945381336e-07},
        {"sinks and saturation, 78 steps",
         sinks + "ENDTIME 0.384\n",
         {1.680398144683675e-62, 0.0002, 0.0002},
         {0.0, 16.19759655652137, 0.027399518826369283},
         2.7691594828032502e-05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunText(common + c.extra);
        zonaromain model;
        ASSERT_EQ(model.ParseText(common + c.extra), 1);
        model.RunStageByStage();
        for (int node = 0; node < 3; ++node) {
            EXPECT_EQ(model.Concentration(node), c.conc[node]) << node;
            EXPECT_EQ(model.CondensedMass(node), c.condensed[node]) << node;
        }
        if (!model.Sinks().empty()) {
            EXPECT_EQ(model.Sinks().at(1).loading, c.loading);
        }
    }
}

}  // namespace
