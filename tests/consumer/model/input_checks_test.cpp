// The input checks: every message, the order of the routines and the shared error flag.
#include "consumer/model/input_checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/forms/ui_service.h"

namespace {

using namespace consumer;

// An adult inhalation and potential-dermal case that passes every check.
ExposureInputs GoodCase() {
    ExposureInputs in;
    in.ScenarioName = "General Purpose Cleaner";
    in.ScenarioKeyword = "appliedsurfacecleaner";
    in.DoseType = "Potential";
    in.ScenarioClass = 2;
    in.AgeGroup = 1;
    in.EVENTSPERYEAR = 104;
    in.YEARSOFUSE = 10;
    in.MassUsedCentral = 30;
    in.MassUsedHighEnd = 120;
    in.DurationCentral = 0.25;
    in.DurationHighEnd = 1;
    in.AIREXRATE = 0.45;
    in.INHALRATEAFTERUSE = 0.61;
    in.INHALRATEDURINGUSE = 0.74;
    in.HOUSEVOL = 492;
    in.ZONE1VOL = 36;
    in.BODYWEIGHT = 80;
    in.YEARSLIFETIME = 78;
    in.AveragingTimeAdd = 10;
    in.AveragingTimeAcute = 1;
    in.AmountOnSkin = 0.001;
    in.FrequencyBody = 104;
    in.FrequencyHands = 104;
    in.SurfaceAreaBody = 10;
    in.SurfaceAreaHands = 5;
    in.FRACTAEROSOL = 0.01;
    in.DermalEventDuration = 0.5;
    in.Dilution = 0.5;
    in.FormulationDensity = 1;
    in.PermeabilityCoefficient = 0.05;
    in.MOLECWEIGHT = 100;
    in.VAPORPRESS = 1;
    in.WeightFractionMedian = 0.1;
    in.WeightFraction90 = 0.2;
    return in;
}

struct CheckCase {
    const char* message;  // empty: the case passes
    std::function<void(ExposureInputs&)> change;
};

void Expect(const CheckCase& c) {
    SCOPED_TRACE(c.message);
    forms::ScriptedUi ui;
    ExposureInputs in = GoodCase();
    c.change(in);
    bool flag = true;
    bool ok = CheckInputsBeforeRun(in, flag);
    auto boxes = ui.Boxes();
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(ok);
        EXPECT_FALSE(flag);
        EXPECT_TRUE(boxes.empty());
        return;
    }
    EXPECT_FALSE(ok);
    EXPECT_TRUE(flag);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.message);
    EXPECT_EQ(boxes[0].caption, "Error");
}

TEST(InputChecks, GoodCasePasses) {
    Expect({"", [](ExposureInputs&) {}});
}

TEST(InputChecks, InhalationMessages) {
    const CheckCase cases[] = {
        {"The Frequency of Use must be greater than zero",
         [](ExposureInputs& in) { in.EVENTSPERYEAR = 0; }},
        {"The Chronic Exposure Duration must be greater than zero",
         [](ExposureInputs& in) { in.YEARSOFUSE = -1; }},
        {"The Central Tendency Mass of Product Used must be greater than zero",
         [](ExposureInputs& in) { in.MassUsedCentral = 0; }},
        {"The High-End Mass of Product Used must be greater than zero",
         [](ExposureInputs& in) { in.MassUsedHighEnd = 0; }},
        {"The High-End Mass of Product Used must be greater the Central Tendency value",
         [](ExposureInputs& in) { in.MassUsedHighEnd = 29; }},
        {"The Duration of Event - Central Tendency must be greater than zero",
         [](ExposureInputs& in) { in.DurationCentral = 0; }},
        {"The Duration of Event - High-End must be greater than zero",
         [](ExposureInputs& in) { in.DurationHighEnd = 0; }},
        {"The Duration of Event - High-End must be greater than the Central Tendency value",
         [](ExposureInputs& in) { in.DurationHighEnd = 0.2; }},
        {"The Duration of Event - High-End cannot exceed 24 hours",
         [](ExposureInputs& in) { in.DurationHighEnd = 1e10; }},
        {"The Duration of Event - High-End cannot exceed 24 hours",
         [](ExposureInputs& in) { in.DurationHighEnd = 24.01; }},
        {"", [](ExposureInputs& in) { in.DurationHighEnd = 24; }},
        {"The Air Exchange Rate must be greater than zero",
         [](ExposureInputs& in) { in.AIREXRATE = 0; }},
        {"The Inhalation Rate After Use must be greater than zero",
         [](ExposureInputs& in) { in.INHALRATEAFTERUSE = 0; }},
        {"The Inhalation Rate During Use must be greater than zero",
         [](ExposureInputs& in) { in.INHALRATEDURINGUSE = 0; }},
        {"The Volume of the House must be greater than zero",
         [](ExposureInputs& in) { in.HOUSEVOL = 0; }},
        {"The Body Weight must be greater than zero",
         [](ExposureInputs& in) { in.BODYWEIGHT = 0; }},
        {"The Averaging Time (Cancer) must be greater than zero",
         [](ExposureInputs& in) { in.YEARSLIFETIME = 0; }},
        {"The Averaging Time (Acute) must be between 0 and 24 hours",
         [](ExposureInputs& in) {
             in.ScenarioName = "User Defined";
             in.AveragingTimeAcute = 25;
         }},
        {"", [](ExposureInputs& in) { in.AveragingTimeAcute = 25; }},  // named product
        {"The Portion of Aerosol in the Air must be a number\n between 0 and 1",
         [](ExposureInputs& in) {
             in.ScenarioKeyword = "sprayedsurface";
             in.ScenarioClass = 1;
             in.FRACTAEROSOL = 0;
         }},
        {"The Portion of Aerosol in the Air must be a number\n between 0 and 1",
         [](ExposureInputs& in) {
             in.ScenarioKeyword = "sprayedsurface";
             in.ScenarioClass = 1;
             in.FRACTAEROSOL = 1.5;
         }},
        {"",
         [](ExposureInputs& in) {
             in.ScenarioKeyword = "sprayedsurface";
             in.ScenarioClass = 1;
         }},
        // Equal central and high-end values pass.
        {"",
         [](ExposureInputs& in) {
             in.MassUsedHighEnd = in.MassUsedCentral;
             in.DurationHighEnd = in.DurationCentral;
             in.WeightFraction90 = in.WeightFractionMedian;
         }},
    };
    for (const CheckCase& c : cases)
        Expect(c);
}

TEST(InputChecks, ChronicDurationLimitsByAgeGroup) {
    struct Limit {
        int group;
        double years;
        const char* message;
    };
    const Limit limits[] = {
        {2, 7, "The Chronic Exposure Duration for a youth (16-20) cannot exceed 7 years"},
        {7, 7, "The Chronic Exposure Duration for a youth (11-15) cannot exceed 7 years"},
        {3, 7, "The Chronic Exposure Duration for a child cannot exceed 7 years"},
        {4, 3, "The Chronic Exposure Duration for a small child cannot exceed 3 years"},
        {5, 2, "The Chronic Exposure Duration for an infant (1-2 years) cannot exceed 2 years"},
        {6, 1, "The Chronic Exposure Duration for an infant (<1 year) cannot exceed 1 year"},
    };
    // The same limits guard the inhalation, potential and absorbed routines.
    const std::pair<int, const char*> routes[] = {
        {1, "Potential"}, {0, "Potential"}, {0, "Absorbed"}};
    for (auto [scenarioClass, doseType] : routes) {
        for (const Limit& limit : limits) {
            auto set = [&](double years) {
                return [=](ExposureInputs& in) {
                    in.ScenarioClass = scenarioClass;
                    in.DoseType = doseType;
                    in.AgeGroup = limit.group;
                    in.YEARSOFUSE = years;
                };
            };
            Expect({"", set(limit.years)});
            Expect({limit.message, set(limit.years + 0.5)});
        }
    }
    Expect({"", [](ExposureInputs& in) { in.YEARSOFUSE = 70; }});  // adults have no limit
}

TEST(InputChecks, AerosolFractionOtherThanOnePercentWarnsAndRuns) {
    forms::ScriptedUi ui;
    ExposureInputs in = GoodCase();
    in.ScenarioKeyword = "sprayedsurface";
    in.ScenarioClass = 1;
    in.FRACTAEROSOL = 0.02;
    bool flag = false;
    EXPECT_TRUE(CheckInputsBeforeRun(in, flag));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].caption, "Warning");
    EXPECT_EQ(ui.Boxes()[0].text,
              "The default value of 1% for the Portion of Aerosol\n"
              "in the Air is based on existing state of knowledge.\n"
              "Use of a value higher than 1% will result in a more\n"
              "conservative exposure estimate.  Use of a value lower\n"
              "than 1% is not recommended.");
}

TEST(InputChecks, ZoneVolumeMessages) {
    const CheckCase cases[] = {
        {"The Volume of Zone 1 must be greater than zero",
         [](ExposureInputs& in) { in.ZONE1VOL = 0; }},
        {"The Volume of Zone 1 must be less than the House Volume",
         [](ExposureInputs& in) { in.ZONE1VOL = in.HOUSEVOL; }},
        {"",
         [](ExposureInputs& in) {  // no inhalation route: volumes are not checked
             in.ScenarioClass = 0;
             in.ZONE1VOL = 0;
         }},
    };
    for (const CheckCase& c : cases)
        Expect(c);
}

TEST(InputChecks, DermalMessages) {
    auto potential = [](std::function<void(ExposureInputs&)> change) {
        return [change](ExposureInputs& in) {
            in.ScenarioClass = 0;
            change(in);
        };
    };
    auto absorbed = [](std::function<void(ExposureInputs&)> change) {
        return [change](ExposureInputs& in) {
            in.ScenarioClass = 0;
            in.DoseType = "Absorbed";
            change(in);
        };
    };
    auto barSoap = [](ExposureInputs& in) { in.ScenarioName = "Bar Soap"; };
    const CheckCase cases[] = {
        {"The Amount Retained / Absorbed on Skin must be greater than zero",
         potential([](ExposureInputs& in) { in.AmountOnSkin = 0; })},
        {"The Frequency of Use must be greater than zero",
         potential([](ExposureInputs& in) { in.FrequencyBody = 0; })},
        {"The Chronic Exposure Duration must be greater than zero",
         potential([](ExposureInputs& in) { in.YEARSOFUSE = 0; })},
        {"The Averaging Time (Cancer) must be greater than zero",
         potential([](ExposureInputs& in) { in.YEARSLIFETIME = 0; })},
        {"The Averaging Time (ADD) must be greater than zero",
         potential([](ExposureInputs& in) { in.AveragingTimeAdd = 0; })},
        {"The Surface Area to Body Weight Ratio for the Body\n must be greater than zero",
         potential([](ExposureInputs& in) { in.SurfaceAreaBody = 0; })},
        {"", potential([](ExposureInputs& in) { in.SurfaceAreaHands = 0; })},
        {"The Surface Area to Body Weight Ratio for the Hands\n must be greater than zero",
         potential([&](ExposureInputs& in) {
             barSoap(in);
             in.SurfaceAreaHands = 0;
         })},
        {"The Frequency of Use for the Hands must be greater than zero",
         potential([&](ExposureInputs& in) {
             barSoap(in);
             in.FrequencyHands = 0;
         })},
        {"The Permeability Coefficient must be greater than zero",
         absorbed([](ExposureInputs& in) { in.PermeabilityCoefficient = 0; })},
        {"The Permeability Coefficient must be greater than zero",
         absorbed([](ExposureInputs& in) { in.PermeabilityCoefficient = -0.01; })},
        {"", potential([](ExposureInputs& in) { in.PermeabilityCoefficient = 0; })},
        {"The Exposure Duration must be greater than zero",
         absorbed([](ExposureInputs& in) { in.DermalEventDuration = 0; })},
        {"The Dilution must be between 0 and 1",
         absorbed([](ExposureInputs& in) { in.Dilution = 0; })},
        {"The Dilution must be between 0 and 1",
         absorbed([](ExposureInputs& in) { in.Dilution = 1.01; })},
        {"", absorbed([](ExposureInputs& in) { in.Dilution = 1; })},
        {"The Density must be greater than zero",
         absorbed([](ExposureInputs& in) { in.FormulationDensity = 0; })},
        {"The Frequency of Use must be greater than zero",
         absorbed([](ExposureInputs& in) { in.EVENTSPERYEAR = 0; })},
        {"The Chronic Exposure Duration must be greater than zero",
         absorbed([](ExposureInputs& in) { in.YEARSOFUSE = 0; })},
        {"The Averaging Time (Cancer) must be greater than zero",
         absorbed([](ExposureInputs& in) { in.YEARSLIFETIME = 0; })},
        {"The Averaging Time (ADD) must be greater than zero",
         absorbed([](ExposureInputs& in) { in.AveragingTimeAdd = -1; })},
        // A child's named product has no average daily dose to divide.
        {"", absorbed([](ExposureInputs& in) {
             in.AgeGroup = 3;
             in.YEARSOFUSE = 5;
             in.AveragingTimeAdd = 0;
         })},
        {"The Surface Area to Body Weight Ratio for the Body\n must be greater than zero",
         absorbed([](ExposureInputs& in) { in.SurfaceAreaBody = 0; })},
        {"The Surface Area to Body Weight Ratio for the Hands\n must be greater than zero",
         absorbed([&](ExposureInputs& in) {
             barSoap(in);
             in.SurfaceAreaHands = 0;
         })},
        {"The Frequency of Use for the Hands must be greater than zero",
         absorbed([&](ExposureInputs& in) {
             barSoap(in);
             in.FrequencyHands = 0;
         })},
        // Inhalation-only cases skip the dermal checks.
        {"",
         [](ExposureInputs& in) {
             in.ScenarioClass = 1;
             in.AmountOnSkin = 0;
         }},
    };
    for (const CheckCase& c : cases)
        Expect(c);
}

TEST(InputChecks, ChemicalMessages) {
    const CheckCase cases[] = {
        {"The Molecular Weight must be greater than zero",
         [](ExposureInputs& in) { in.MOLECWEIGHT = 0; }},
        {"",
         [](ExposureInputs& in) {  // skin contact, potential dose: no weight needed
             in.ScenarioKeyword = "contactskin";
             in.ScenarioClass = 0;
             in.MOLECWEIGHT = 0;
             in.WeightFractionMedian = 5;  // the remaining tests are skipped too
         }},
        {"",
         [](ExposureInputs& in) {
             in.ScenarioKeyword = "contactskin";
             in.ScenarioClass = 0;
             in.DoseType = "Absorbed";
             in.MOLECWEIGHT = 0;
         }},
        {"The Molecular Weight must be greater than zero",
         [](ExposureInputs& in) {
             in.ScenarioKeyword = "contactskin";
             in.ScenarioClass = 0;
             in.DoseType = "Absorbed";
             in.KowValue = 100;
             in.MOLECWEIGHT = 0;
         }},
        {"The Vapor Pressure must be greater than zero",
         [](ExposureInputs& in) { in.VAPORPRESS = 0; }},
        {"",
         [](ExposureInputs& in) {  // dermal only
             in.ScenarioClass = 0;
             in.VAPORPRESS = 0;
         }},
        {"The Central Tendency Weight Fraction must be between 0 and 1",
         [](ExposureInputs& in) { in.WeightFractionMedian = 0; }},
        {"The Central Tendency Weight Fraction must be between 0 and 1",
         [](ExposureInputs& in) {
             in.WeightFractionMedian = 1.1;
             in.WeightFraction90 = 1;
         }},
        {"The High-End Weight Fraction must be between 0 and 1",
         [](ExposureInputs& in) { in.WeightFraction90 = 0; }},
        {"The High-End Weight Fraction must be between 0 and 1",
         [](ExposureInputs& in) { in.WeightFraction90 = 1.5; }},
        {"The High-End Weight Fraction must be greater than the Central Tendency",
         [](ExposureInputs& in) { in.WeightFraction90 = 0.05; }},
    };
    for (const CheckCase& c : cases)
        Expect(c);
}

TEST(InputChecks, OnlyTheFirstFailureOfARunIsShown) {
    forms::ScriptedUi ui;
    ExposureInputs in = GoodCase();
    in.EVENTSPERYEAR = 0;  // inhalation
    in.ZONE1VOL = 0;       // zone volumes
    in.AmountOnSkin = 0;   // dermal
    in.MOLECWEIGHT = 0;    // chemical
    bool flag = false;
    EXPECT_FALSE(CheckInputsBeforeRun(in, flag));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "The Frequency of Use must be greater than zero");
    // A routine called with the flag already set does nothing.
    ui.ClearShown();
    CheckChemicalInputs(in, flag);
    EXPECT_TRUE(ui.Boxes().empty());
}

}  // namespace
