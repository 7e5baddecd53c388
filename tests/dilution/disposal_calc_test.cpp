// The down-the-drain computation: releases, stream concentrations, doses and the page texts.
#include "dilution/disposal_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "disposal/disposal_page.h"
#include "scenario/number_text.h"

namespace {

// A case of 1,000,000 kg/yr at 90 % removal with the adult exposure factors below.
pmn_record WorkedCase() {
    pmn_record r;
    r.PRODVOL = 1000000;
    r.WWT_LOW = 90;
    r.BW = 70;
    r.DRINK = 2;
    r.DRINKCHRON = 1.4;
    r.FISH = 30;
    r.FISHCHRON = 6;
    r.BCF = 50;
    r.YEARS_USE = 30;
    r.CANCERAT = 78;
    r.POP_NUM = 0;
    r.H2ODAYHI = 120;  // the release's own days play no part
    return r;
}

class DisposalCalcTest : public ::testing::Test {
  protected:
    void SetUp() override { HealthFlags = "111"; }
    void TearDown() override { HealthFlags = "111"; }
    pmn_record r_ = WorkedCase();
    DisposalResults res_;
};

TEST_F(DisposalCalcTest, WorkedReleasesAndTheEightStreamConcentrations) {
    ComputeDisposalExposures(r_, res_);
    // Hand-worked to five significant digits.
    EXPECT_NEAR(res_.PreTreatRelease, 9.4213e-3, 0.00005e-3);
    EXPECT_NEAR(res_.PostTreatRelease, 9.4213e-4, 0.00005e-4);
    const double worked[8] = {0.018007, 0.30543, 0.061225, 1.3490,
                              0.10026,  2.4282,  0.12093,  2.4282};
    for (size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(res_.StreamConcentrations[i] / worked[i], 1.0, 5e-5) << i;
    // To the last digits, from an independent extended-precision evaluation (numpy).
    EXPECT_DOUBLE_EQ(res_.PreTreatRelease, 0.009421341222136384);
    EXPECT_DOUBLE_EQ(res_.StreamConcentrations[ConcHm_50], 0.018006531163179365);
    EXPECT_DOUBLE_EQ(res_.StreamConcentrations[Conc30q5_10], 1.3489892929748541);
    EXPECT_DOUBLE_EQ(res_.StreamConcentrations[Conc7q10_10], 2.4281807273547376);
    EXPECT_EQ(r_.H2ODAYHI, 120);
}

TEST_F(DisposalCalcTest, DoseFormulasUseHarmonicMeanAndThe30Q5ForAcute) {
    ComputeDisposalExposures(r_, res_);
    // Values from numpy with the same inputs and the whole year as release days.
    EXPECT_DOUBLE_EQ(r_.DwAdr50Disp, 1.74928371684658e-06);
    EXPECT_DOUBLE_EQ(r_.DwLadd50Disp, 1.385117781783028e-07);
    EXPECT_DOUBLE_EQ(r_.DwLadc50Disp, 6.9255889089151406e-06);
    EXPECT_DOUBLE_EQ(r_.FishAdr50Disp, 1.3119627876349352e-06);
    EXPECT_DOUBLE_EQ(r_.FishLadd50Disp, 2.9681095323922035e-08);
    EXPECT_DOUBLE_EQ(r_.FishLadc50Disp, 0.00034627944544575695);
    EXPECT_DOUBLE_EQ(r_.DwAdr10Disp, 3.854255122785297e-05);
    EXPECT_DOUBLE_EQ(r_.FishLadd10Disp, 5.034585791736963e-07);
    // Without a main page ADD/ADC values are not asked for.
    EXPECT_EQ(r_.DwAdd50Disp, NotApplicable);
    EXPECT_EQ(r_.FishAdc10Disp, NotApplicable);
    EXPECT_TRUE(res_.Notes.empty());
}

TEST_F(DisposalCalcTest, NotAssessedDoses) {
    struct Case {
        const char* name;
        void (*prepare)(pmn_record&);
        const char* flags;
        bool fishNa, laddNa, ladcNa, adrNa;
    };
    const Case cases[] = {
        {"no bioconcentration factor", [](pmn_record& r) { r.BCF = 0; }, "111", true, false, false,
         false},
        {"a child: acute only", [](pmn_record& r) { r.POP_NUM = 3; }, "001", false, true, true,
         false},
        {"no body weight", [](pmn_record& r) { r.BW = 0; }, "111", false, true, false, true},
        {"negative averaging time", [](pmn_record& r) { r.CANCERAT = -9; }, "111", false, true,
         true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pmn_record r = WorkedCase();
        c.prepare(r);
        HealthFlags = c.flags;
        DisposalResults res;
        ComputeDisposalExposures(r, res);
        EXPECT_EQ(r.FishLadd50Disp == NotApplicable, c.fishNa || c.laddNa);
        EXPECT_EQ(r.FishAdr10Disp == NotApplicable, c.fishNa || c.adrNa);
        EXPECT_EQ(r.DwLadd10Disp == NotApplicable, c.laddNa);
        EXPECT_EQ(r.DwLadc50Disp == NotApplicable, c.ladcNa);
        EXPECT_EQ(r.DwAdr50Disp == NotApplicable, c.adrNa);
        for (double d : {r.DwLadd50Disp, r.DwAdr10Disp, r.FishLadc10Disp, r.FishAdr50Disp})
            EXPECT_TRUE(std::isfinite(d));
    }
}

TEST_F(DisposalCalcTest, UnusableDivisorsAreNoted) {
    r_.BW = 0;
    r_.CANCERAT = 0;
    ComputeDisposalExposures(r_, res_);
    ASSERT_EQ(res_.Notes.size(), 2u);
    EXPECT_NE(res_.Notes[0].find("body weight"), std::string::npos);
    EXPECT_NE(res_.Notes[1].find("averaging time"), std::string::npos);
}

TEST_F(DisposalCalcTest, FullRemovalGivesZeroConcentrationsAndDoses) {
    r_.WWT_LOW = 100;
    ComputeDisposalExposures(r_, res_);
    EXPECT_GT(res_.PreTreatRelease, 0);
    EXPECT_EQ(res_.PostTreatRelease, 0);
    for (double c : res_.StreamConcentrations)
        EXPECT_EQ(c, 0);
    EXPECT_EQ(r_.DwLadd50Disp, 0);
    EXPECT_EQ(r_.FishAdr10Disp, 0);
    EXPECT_EQ(r_.DwAdd50Disp, NotApplicable);
}

TEST(DisposalPageTexts, FormsOfTheShownValues) {
    EXPECT_EQ(ExceedanceText(-1), "N/A");
    EXPECT_EQ(ExceedanceText(0), "0.00");
    EXPECT_EQ(ExceedanceText(0.004), "0.00");
    EXPECT_EQ(ExceedanceText(12345), "12345.00");
    pmn_record r = WorkedCase();
    r.POP_NUM = 3;
    r.COC0 = 0.05;
    r.DwLadd50Disp = NotApplicable;
    DisposalResults res;
    res.DaysExceeded = {3.65, 0, NotApplicable};
    std::map<std::string, std::string> texts;
    for (const auto& [name, text] : DisposalPageTexts(r, res))
        texts[name] = text;
    EXPECT_EQ(texts["ExpPopDisp"], "Small Child (age 3-5)");
    EXPECT_EQ(texts["IrLaddDisp"], "NA");
    EXPECT_EQ(texts["IrLaddFDisp"], "NA");
    EXPECT_EQ(texts["IrAdrDisp"], "2.00");
    EXPECT_EQ(texts["AtAdrFDisp"], "1 day");
    EXPECT_EQ(texts["ProdVolDisp"], "1.00E+06");
    EXPECT_EQ(texts["BwLaddDisp"], "70.00");
    EXPECT_EQ(texts["RelDaysDisp"], "365.00");
    EXPECT_EQ(texts["Coc0Disp"], "5.00E-02");
    EXPECT_EQ(texts["CocDays0Disp"], "3.65");
    EXPECT_EQ(texts["CocDays2Disp"], "N/A");
    EXPECT_EQ(texts["DwLadd50Disp"], "N/A");
    EXPECT_EQ(texts["Memo10"], "134.85");
    EXPECT_EQ(texts["Memo18"], "1.80");
    EXPECT_EQ(texts["Memo22"], "1.00");
}

}  // namespace
