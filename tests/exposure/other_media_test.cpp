// Release totals, incineration, landfill and inhalation doses against values worked by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc_fixture.h"
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/case_choices.h"
#include "scenario/number_text.h"

namespace {

class OtherMediaTest : public CalcTest {
  protected:
    void SetUp() override {
        CalcTest::SetUp();
        pmn_record& r = CurrentPmn;
        r.LANDREL = 2;
        r.SORPTION = 1;
        r.DAYSNSLUDG = 200;
        r.DAYSSLUDGE = 100;
        r.MIGFACT = 0.01;
        r.FUGREL = 4;
        r.FUGDAYHI = 100;
        r.INCIN_HI = 25;
        r.INCINREL = 10;
        r.INCINDAYS = 50;
        r.INCIN_LO = 90;
        r.IREL_DOWNF = 0.002;
        r.ACUTECONCF = 0.01;
        r.IREL_DOWN = 0.001;
        r.ACUTE_CONC = 1;
        r.INHALE = 1;
    }
};

TEST_F(OtherMediaTest, ReleaseTotalsPerMedium) {
    CurrentPmn.ReleaseAllSites = 30;
    CalcEnvironmentalReleases(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(ScenarioCode, 0);
    EXPECT_DOUBLE_EQ(r.TotWaterRel, 1000);    // 2 x 2 sites x 250 days
    EXPECT_DOUBLE_EQ(r.TotLandfillRel, 500);  // 2 x 200 + 1 x 100, not times the sites
    EXPECT_DOUBLE_EQ(r.TotStackRel, 1500);    // 10 x 3 sites x 50 days
    EXPECT_DOUBLE_EQ(r.TotFugitiveRel, 800);  // 4 x 2 sites x 100 days
    EXPECT_DOUBLE_EQ(r.PerSiteShare, 10);

    SurfaceWaterSelected = LandfillSelected = 0;
    CalcEnvironmentalReleases(form_);
    EXPECT_EQ(r.TotWaterRel, -1.0);
    EXPECT_EQ(r.TotLandfillRel, -1.0);
    EXPECT_DOUBLE_EQ(r.TotStackRel, 1500);
    AmbientAirSelected = 0;
    CalcEnvironmentalReleases(form_);
    EXPECT_EQ(r.TotStackRel, -1.0);
    EXPECT_EQ(r.TotFugitiveRel, -1.0);
    EXPECT_TRUE(form_.UnusableInputs.empty());

    CurrentPmn.SITE_LO = 0;
    CalcEnvironmentalReleases(form_);
    EXPECT_EQ(r.PerSiteShare, NotApplicable);
    EXPECT_EQ(form_.UnusableInputs, std::vector<std::string>{SitesInput});
}

TEST_F(OtherMediaTest, IncinerationUsesTheReleasePerSite) {
    CurrentPmn.INCIN_LO = 50;
    CurrentPmn.SITE_LO = 2;
    CurrentPmn.INCINREL = 10;
    CalcIncinerationExposure(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(ScenarioCode, 5);
    EXPECT_DOUBLE_EQ(r.PostTreatIncin, 5);
    // Q = 5 kg/day per site whatever the number of sites; F = 3e-9.
    EXPECT_DOUBLE_EQ(r.ResAdcStk, 1.5e-8);
    EXPECT_DOUBLE_EQ(r.ResLadcStk, 6.428571428571428e-09);   // 5 x F x 30 / 70
    EXPECT_DOUBLE_EQ(r.ResLaddStk, 2.2040816326530608e-09);  // 5 x F x 24 x 30 / 70 / 70
    EXPECT_DOUBLE_EQ(r.ResAddStk, 5.142857142857142e-09);    // 5 x F x 24 x 9 / 70 / 9
    form_.OpenRunTotals();
    CalcIncinerationExposure(form_);
    EXPECT_EQ(form_.RunAllMediaReleaseTotal, 0);
    EXPECT_EQ(form_.RunMaxInhAdr, 0);

    CurrentPmn.POP_NUM = 2;
    CalcIncinerationExposure(form_);
    EXPECT_EQ(r.ResLaddStk, NotApplicable);
    EXPECT_EQ(r.ResLadcStk, NotApplicable);
    EXPECT_DOUBLE_EQ(r.ResAdcStk, 1.5e-8);

    AskAddAdc(false);
    CalcIncinerationExposure(form_);
    EXPECT_EQ(r.ResAdcStk, NotApplicable);
    EXPECT_EQ(r.ResAddStk, NotApplicable);
}

TEST_F(OtherMediaTest, LandfillDosesAndTheAllMediaTotalInKgPerYear) {
    form_.OpenRunTotals();
    CalcLandfillExposure(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(ScenarioCode, 6);
    // A = 3 kg/day x 3 sites = 9, B = 1 x 100 + 2 x 200 = 500 kg/yr per site, T = 0.8.
    EXPECT_DOUBLE_EQ(r.ResLaddLand, 0.03428571428571429);    // 0.8 x 500 x 0.01 x 1.4 / 70 x 30/70
    EXPECT_DOUBLE_EQ(r.ResLadcLand, 1.7142857142857142);     // 0.8 x 500 x 0.01 x 30/70
    EXPECT_DOUBLE_EQ(r.ResAddLand, 0.00048000000000000007);  // 0.8 x 3 x 0.01 x 1.4 / 70
    EXPECT_DOUBLE_EQ(r.ResAdcLand, 0.03);                    // 9 x 0.01 / 3
    EXPECT_DOUBLE_EQ(form_.RunAllMediaReleaseTotal, 1200);   // 0.8 x 500 kg/yr x 3 sites
    EXPECT_DOUBLE_EQ(form_.RunMaxGwLadd, 0.03428571428571429);

    CurrentPmn.MIGFACT = 0;
    form_.OpenRunTotals();
    CalcLandfillExposure(form_);
    EXPECT_EQ(r.ResLaddLand, 0);
    EXPECT_EQ(r.ResLadcLand, 0);
    EXPECT_EQ(r.ResAddLand, 0);
    EXPECT_EQ(r.ResAdcLand, 0);
    EXPECT_EQ(form_.RunAllMediaReleaseTotal, 0);
}

TEST_F(OtherMediaTest, LandfillWithFullTreatmentOrNoSites) {
    CurrentPmn.DWT = 100;
    CalcLandfillExposure(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.ResLaddLand, 0);
    EXPECT_EQ(r.ResLadcLand, 0);
    EXPECT_EQ(r.ResAddLand, 0);
    EXPECT_DOUBLE_EQ(r.ResAdcLand, 0.03);

    CurrentPmn.DWT = 20;
    CurrentPmn.SITE_LO = 0;
    HealthFlags = "011";
    CalcLandfillExposure(form_);
    EXPECT_EQ(r.ResAddLand, NotApplicable);
    EXPECT_EQ(r.ResAdcLand, NotApplicable);
    EXPECT_EQ(r.ResLaddLand, NotApplicable);  // not asked
    EXPECT_EQ(form_.UnusableInputs, std::vector<std::string>{SitesInput});
}

TEST_F(OtherMediaTest, InhalationDosesOfBothSources) {
    CurrentPmn.BW = 24;
    form_.OpenRunTotals();
    CalcInhalationExposure(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(ScenarioCode, 4);
    EXPECT_DOUBLE_EQ(r.TotFugitiveRel, 800);
    EXPECT_DOUBLE_EQ(r.TotReleaseFug, 600);
    EXPECT_DOUBLE_EQ(r.TotStackRel, 1500);
    EXPECT_DOUBLE_EQ(r.PostTreatIncin, 1);
    EXPECT_DOUBLE_EQ(form_.RunAllMediaReleaseTotal, 750);  // 600 + 1500 x 0.1
    // Fugitive: annual 0.002 mg/m3, 24-hour 0.01, INHALE 1, BW 24.
    EXPECT_DOUBLE_EQ(r.ResAdcFug, 0.002);
    EXPECT_DOUBLE_EQ(r.ResLadcFug, 0.0008571428571428572);
    EXPECT_DOUBLE_EQ(r.ResAdrcFug, 0.01);
    EXPECT_DOUBLE_EQ(r.ResAdrFug, 0.01);
    EXPECT_DOUBLE_EQ(r.ResAddFug, 0.002);
    EXPECT_DOUBLE_EQ(r.ResLaddFug, 0.0008571428571428572);
    // Stack: 1 mg/m3 for 24 hours with 1 m3/hour and 24 kg gives 1 mg/kg/day.
    EXPECT_DOUBLE_EQ(r.ResAdrStk, 1);
    EXPECT_DOUBLE_EQ(r.ResAdcStk, 0.001);
    EXPECT_DOUBLE_EQ(r.ResLaddStk, 0.0004285714285714286);
    EXPECT_DOUBLE_EQ(form_.RunMaxInhAdr, 1);
}

TEST_F(OtherMediaTest, InhalationPopulationAndHealthFlags) {
    CurrentPmn.BW = 24;
    CurrentPmn.POP_NUM = 3;
    CalcInhalationExposure(form_);
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.ResLaddStk, NotApplicable);
    EXPECT_EQ(r.ResLadcStk, NotApplicable);
    EXPECT_DOUBLE_EQ(r.ResLaddFug, 0.0008571428571428572);

    CurrentPmn.POP_NUM = 0;
    HealthFlags = "001";
    CalcInhalationExposure(form_);
    EXPECT_EQ(r.ResLaddFug, NotApplicable);
    EXPECT_EQ(r.ResLadcFug, NotApplicable);
    EXPECT_EQ(r.ResAddFug, NotApplicable);
    EXPECT_EQ(r.ResAdcFug, NotApplicable);
    EXPECT_DOUBLE_EQ(r.ResLaddStk, 0.0004285714285714286);
    EXPECT_DOUBLE_EQ(r.ResAddStk, 0.001);
    EXPECT_DOUBLE_EQ(r.ResAdrFug, 0.01);

    // Predictor concentrations of 0 give doses of 0; the totals are still computed.
    HealthFlags = "111";
    CurrentPmn.IREL_DOWNF = CurrentPmn.ACUTECONCF = 0;
    CalcInhalationExposure(form_);
    EXPECT_EQ(r.ResAdrFug, 0);
    EXPECT_EQ(r.ResLaddFug, 0);
    EXPECT_DOUBLE_EQ(r.TotReleaseFug, 600);

    CurrentPmn.BW = 0;
    CalcInhalationExposure(form_);
    EXPECT_EQ(r.ResAdrStk, NotApplicable);
    EXPECT_DOUBLE_EQ(r.ResAdcStk, 0.001);
}

TEST_F(OtherMediaTest, AnyNegativeAirConcentrationIsNotAssessed) {
    CurrentPmn.BW = 24;
    // A failed dispersion run leaves other negative values than -9 in the record.
    for (double bad : {-9.0, -1.0, -0.5e-9}) {
        CurrentPmn.IREL_DOWNF = bad;
        CurrentPmn.ACUTECONCF = bad;
        form_.OpenRunTotals();
        CalcInhalationExposure(form_);
        const pmn_record& r = CurrentPmn;
        for (double dose :
             {r.ResLaddFug, r.ResLadcFug, r.ResAddFug, r.ResAdcFug, r.ResAdrcFug, r.ResAdrFug})
            EXPECT_EQ(dose, NotApplicable) << bad;
        // The stack is assessed as before: 1 mg/m3 for 24 hours, 1 m3/hour, 24 kg.
        EXPECT_DOUBLE_EQ(r.ResAdrStk, 1) << bad;
        EXPECT_DOUBLE_EQ(form_.RunMaxInhAdr, 1) << bad;
    }
}

TEST_F(OtherMediaTest, ADoseThatIsNotANumberLeavesTheRunMaximum) {
    CurrentPmn.BW = 24;
    CurrentPmn.ACUTE_CONC = std::numeric_limits<double>::quiet_NaN();
    form_.OpenRunTotals();
    CalcInhalationExposure(form_);
    EXPECT_TRUE(std::isnan(CurrentPmn.ResAdrStk));
    // The fugitive ADR, 0.01 mg/kg/day, came first and stays the highest.
    EXPECT_DOUBLE_EQ(form_.RunMaxInhAdr, 0.01);

    RunTotals totals;
    totals.OpenRunTotals();
    double maximum = 2;
    for (double value : {std::numeric_limits<double>::quiet_NaN(), 1.0, 2.0, 3.0})
        totals.RaiseMaximum(maximum, value);
    EXPECT_EQ(maximum, 3);
}

}  // namespace
