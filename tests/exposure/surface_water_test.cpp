// River site, lake and industry-code doses against values worked by hand.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "calc_fixture.h"
#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/number_text.h"

namespace {

using Block = std::array<double, 5>;  // LADD, LADC, ADD, ADC, ADR

// With PostTreat 1 kg/day: harmonic mean flow 100 MLD gives 10 ug/L, 30Q5 flow 50 MLD gives 20.
// T = 0.8, f = 250/365, ED 30 and 9 years, AT 70 and 9 years, BW 70.
// DW LADD = 10 x 0.8 x 1.4 x f / 70 x 30/70 x 0.001, DW ADR = 20 x 0.8 x 2 / 70 x 0.001, ...
constexpr Block kRiverDw = {4.696673189823874e-05, 0.0023483365949119373, 0.00010958904109589039,
                            0.005479452054794521, 0.00045714285714285713};
constexpr Block kRiverFish = {1.2580374615599664e-05, 0.14677103718199608, 2.935420743639921e-05,
                              0.3424657534246575, 0.00021428571428571427};

Block RiverDw() {
    const pmn_record& r = CurrentPmn;
    return {r.DwLaddSite, r.DwLadcSite, r.DwAddSite, r.DwAdcSite, r.DwAdrSite};
}
Block RiverFish() {
    const pmn_record& r = CurrentPmn;
    return {r.FishLaddSite, r.FishLadcSite, r.FishAddSite, r.FishAdcSite, r.FishAdrSite};
}

void ExpectBlock(const Block& actual, const Block& expected) {
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "dose " << i;
}

class SurfaceWaterTest : public CalcTest {
  protected:
    void SetUp() override {
        CalcTest::SetUp();
        CurrentPmn.HARFLOW = 100;
        CurrentPmn.FLOW30Q5 = 50;
    }
};

TEST_F(SurfaceWaterTest, ConcentrationAtFlow) {
    CurrentPmn.PostTreat = 0.1;  // 1 kg/day with 90 % removal
    EXPECT_DOUBLE_EQ(ConcentrationAtFlow(10), 10);
    EXPECT_EQ(ConcentrationAtFlow(0), NotApplicable);
    EXPECT_EQ(ConcentrationAtFlow(-5), NotApplicable);
    EXPECT_EQ(ConcentrationAtFlow(std::numeric_limits<double>::quiet_NaN()), NotApplicable);
}

TEST_F(SurfaceWaterTest, RiverSiteDosesOfEveryKind) {
    CalcRiverSiteExposure(form_);
    EXPECT_EQ(ScenarioCode, 1);
    EXPECT_DOUBLE_EQ(CurrentPmn.PostTreat, 1.0);
    ExpectBlock(RiverDw(), kRiverDw);
    ExpectBlock(RiverFish(), kRiverFish);
    EXPECT_TRUE(form_.UnusableInputs.empty());
}

TEST_F(SurfaceWaterTest, HealthFlagsAndAddAdcChoiceMarkDosesNotAssessed) {
    struct Case {
        const char* flags;
        bool addAsked;
        std::array<bool, 5> assessed;  // LADD, LADC, ADD, ADC, ADR
    };
    const Case cases[] = {
        {"111", true, {true, true, true, true, true}},
        {"101", true, {true, true, false, false, true}},
        {"011", true, {false, false, true, true, true}},
        {"110", true, {true, true, true, true, false}},
        {"000", true, {false, false, false, false, false}},
        {"111", false, {true, true, false, false, true}},  // the main page's stored "No"
    };
    for (const Case& c : cases) {
        HealthFlags = c.flags;
        AskAddAdc(c.addAsked);
        CalcRiverSiteExposure(form_);
        const Block dw = RiverDw();
        const Block fish = RiverFish();
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(dw[i], c.assessed[i] ? kRiverDw[i] : NotApplicable)
                << c.flags << " " << c.addAsked << " dose " << i;
            EXPECT_EQ(fish[i], c.assessed[i] ? kRiverFish[i] : NotApplicable)
                << c.flags << " " << c.addAsked << " dose " << i;
        }
    }
}

TEST_F(SurfaceWaterTest, FullDrinkingWaterTreatmentLeavesFishDoses) {
    CurrentPmn.DWT = 100;
    CalcRiverSiteExposure(form_);
    ExpectBlock(RiverDw(), {0, 0, 0, 0, 0});
    ExpectBlock(RiverFish(), kRiverFish);
}

TEST_F(SurfaceWaterTest, ZeroAndNegativeFlowsGiveNotApplicable) {
    CurrentPmn.FLOW30Q5 = 0;
    CalcRiverSiteExposure(form_);
    EXPECT_EQ(CurrentPmn.DwAdrSite, NotApplicable);
    EXPECT_DOUBLE_EQ(CurrentPmn.DwLaddSite, kRiverDw[0]);
    EXPECT_DOUBLE_EQ(CurrentPmn.FishAdrSite, kRiverFish[4]);

    CurrentPmn.HARFLOW = -3;
    CurrentPmn.FLOW30Q5 = 50;
    CalcRiverSiteExposure(form_);
    ExpectBlock(RiverFish(),
                {NotApplicable, NotApplicable, NotApplicable, NotApplicable, NotApplicable});
    EXPECT_EQ(CurrentPmn.DwLaddSite, NotApplicable);
    EXPECT_DOUBLE_EQ(CurrentPmn.DwAdrSite, kRiverDw[4]);
    EXPECT_TRUE(form_.UnusableInputs.empty());  // a missing flow is not an input error
}

TEST_F(SurfaceWaterTest, ZeroBodyWeightOrAveragingTimeIsNotApplicableAndNamed) {
    CurrentPmn.BW = 0;
    CalcRiverSiteExposure(form_);
    EXPECT_EQ(CurrentPmn.DwLaddSite, NotApplicable);
    EXPECT_EQ(CurrentPmn.DwAdrSite, NotApplicable);
    EXPECT_DOUBLE_EQ(CurrentPmn.DwLadcSite, kRiverDw[1]);  // no body weight in a concentration
    ASSERT_EQ(form_.UnusableInputs.size(), 1u);
    EXPECT_EQ(form_.UnusableInputs[0], BodyWeightInput);

    CurrentPmn.BW = 70;
    CurrentPmn.NCANCERAT = 0;
    CalcRiverSiteExposure(form_);
    CalcRiverSiteExposure(form_);
    EXPECT_EQ(CurrentPmn.FishAddSite, NotApplicable);
    EXPECT_EQ(CurrentPmn.FishAdcSite, NotApplicable);
    EXPECT_DOUBLE_EQ(CurrentPmn.FishLaddSite, kRiverFish[0]);
    EXPECT_EQ(form_.UnusableInputs.size(), 2u);  // each input named once
    const std::string message = UnusableInputsMessage(form_.UnusableInputs);
    EXPECT_NE(message.find(BodyWeightInput), std::string::npos);
    EXPECT_NE(message.find(NonCancerAveragingInput), std::string::npos);
}

TEST_F(SurfaceWaterTest, RunTotalsGrowOnlyWhileOpen) {
    CalcRiverSiteExposure(form_);
    EXPECT_EQ(form_.RunWaterReleaseTotal, 0);
    EXPECT_EQ(form_.RunMaxDwAdr, 0);
    form_.OpenRunTotals();
    CalcRiverSiteExposure(form_);
    CalcRiverSiteExposure(form_);
    // W = 0.5 x 2 kg/day x 3 sites x 250 days = 750 kg/yr per release.
    EXPECT_DOUBLE_EQ(form_.RunWaterReleaseTotal, 1500);
    EXPECT_DOUBLE_EQ(form_.RunAllMediaReleaseTotal, 1500);
    EXPECT_DOUBLE_EQ(form_.RunMaxDwAdr, kRiverDw[4]);
    EXPECT_DOUBLE_EQ(form_.RunMaxFishAdr, kRiverFish[4]);
    // The maxima are taken before doses are marked not assessed.
    HealthFlags = "110";
    form_.OpenRunTotals();
    CalcRiverSiteExposure(form_);
    EXPECT_DOUBLE_EQ(form_.RunMaxDwAdr, kRiverDw[4]);
}

TEST_F(SurfaceWaterTest, LakeFishDosesFromTheDilutionFactors) {
    CurrentPmn.PLANTFLO = 0.5;
    CurrentPmn.AcuteDilFactor = 10;
    CurrentPmn.ChronicDilFactor = 100;
    form_.OpenRunTotals();
    CalcLakeExposure(form_);
    EXPECT_EQ(ScenarioCode, 2);
    EXPECT_DOUBLE_EQ(CurrentPmn.AcuteConc, 200);  // 1 / 0.5 x 1000 / 10
    EXPECT_DOUBLE_EQ(CurrentPmn.ChronicConc, 20);
    const pmn_record& r = CurrentPmn;
    ExpectBlock({r.FishLaddLake, r.FishLadcLake, r.FishAddLake, r.FishAdcLake, r.FishAdrLake},
                {2.516074923119933e-05, 0.29354207436399216, 5.870841487279842e-05,
                 0.684931506849315, 0.004285714285714285});
    EXPECT_DOUBLE_EQ(form_.RunMaxFishAdr, 0.004285714285714285);
    EXPECT_EQ(form_.RunMaxDwAdr, 0);
    EXPECT_DOUBLE_EQ(form_.RunWaterReleaseTotal, 750);
}

TEST_F(SurfaceWaterTest, LakeWithoutPlantFlowOrDilutionFactorIsNotApplicable) {
    CurrentPmn.PLANTFLO = 0.5;
    CurrentPmn.AcuteDilFactor = 0;
    CurrentPmn.ChronicDilFactor = 100;
    CalcLakeExposure(form_);
    EXPECT_EQ(CurrentPmn.AcuteConc, NotApplicable);
    EXPECT_EQ(CurrentPmn.FishAdrLake, NotApplicable);
    EXPECT_DOUBLE_EQ(CurrentPmn.ChronicConc, 20);
    EXPECT_DOUBLE_EQ(CurrentPmn.FishLadcLake, 0.29354207436399216);
    CurrentPmn.PLANTFLO = 0;
    CalcLakeExposure(form_);
    EXPECT_EQ(CurrentPmn.ChronicConc, NotApplicable);
    EXPECT_EQ(CurrentPmn.FishLadcLake, NotApplicable);
    EXPECT_EQ(form_.UnusableInputs, (std::vector<std::string>{AcuteDilutionInput, PlantFlowInput}));
}

TEST_F(SurfaceWaterTest, IndustryCodeDosesAtBothPercentiles) {
    CurrentPmn.SIC_CODE = 2;
    CurrentPmn.HMF_50 = 400;
    CurrentPmn._0Q5_50 = 80;
    CurrentPmn.HMF_10 = 40;
    CurrentPmn._0Q5_10 = 0;  // no 30Q5 flow at the 10th percentile
    form_.OpenRunTotals();
    CalcSicCodeExposure(form_);
    EXPECT_EQ(ScenarioCode, 3);
    EXPECT_EQ(SicCodeList, IndustryCategoryCodes(2));
    const pmn_record& r = CurrentPmn;
    ExpectBlock({r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdd50Sic, r.DwAdc50Sic, r.DwAdr50Sic},
                {1.1741682974559686e-05, 0.0005870841487279843, 2.7397260273972597e-05,
                 0.0013698630136986301, 0.0002857142857142857});
    ExpectBlock({r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdd50Sic, r.FishAdc50Sic, r.FishAdr50Sic},
                {3.145093653899916e-06, 0.03669275929549902, 7.338551859099803e-06,
                 0.08561643835616438, 5.357142857142857e-05});
    ExpectBlock({r.DwLadd10Sic, r.DwLadc10Sic, r.DwAdd10Sic, r.DwAdc10Sic, r.DwAdr10Sic},
                {0.00011741682974559686, 0.005870841487279843, 0.000273972602739726,
                 0.0136986301369863, NotApplicable});
    ExpectBlock({r.FishLadd10Sic, r.FishLadc10Sic, r.FishAdd10Sic, r.FishAdc10Sic, r.FishAdr10Sic},
                {3.1450936538999156e-05, 0.3669275929549902, 7.338551859099803e-05,
                 0.8561643835616438, 0.0005357142857142856});
    EXPECT_DOUBLE_EQ(form_.RunMaxDwAdr, 0.0002857142857142857);
    EXPECT_DOUBLE_EQ(form_.RunMaxFishAdr, 0.0005357142857142856);
}

}  // namespace
