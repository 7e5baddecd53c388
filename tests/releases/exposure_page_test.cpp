// The exposed age group and the exposure factors page: each group's factors from the shipped
// exposure-factor table, stored into every release of the chemical.
#include <gtest/gtest.h>

#include "releases/release_renumber.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"

namespace {

struct GroupFactors {
    int popNum;
    double bw, fish, drink, inhale;  // the shipped table's rows of the group
    const char* label;
};

const GroupFactors kGroups[] = {
    {0, 80.0, 22.0, 2.958, 0.6604, "Adult"},
    {1, 71.6, 19.69, 2.368, 0.6792, "Youth (age 16-20)"},
    {6, 56.8, 15.62, 1.821, 0.6333, "Youth (age 11-15)"},
    {2, 31.8, 8.745, 1.316, 0.5, "Child (age 6-10)"},
    {3, 18.6, 5.115, 0.959, 0.4208, "Small Child (age 3-5)"},
    {4, 12.6, 3.465, 0.877, 0.2979, "Infant (age 1-2)"},
    {5, 7.8333, 2.154, 1.056, 0.192, "Infant (age <1)"},
};

class ExposurePageTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        for (int n = 1; n <= 3; ++n)
            WriteRelease(n, "0000", 0, 0);
        Open();
        ui.ClearShown();
    }
};

TEST_F(ExposurePageTest, EachAgeGroupsFactorsGoIntoEveryRelease) {
    for (const GroupFactors& group : kGroups) {
        form->AgeRadio(group.popNum)->SetChecked(true);
        Click(form->GenRelInfoContinue);
        ASSERT_EQ(form->ScreenPages->currentWidget(), form->ExpFactorsPage) << group.label;
        EXPECT_EQ(form->ChemIDExp->Text(), kChem);
        ASSERT_TRUE(form->CollectExposureFactors());
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(LoadRow(ReleaseKey(kChem, n)));
            EXPECT_DOUBLE_EQ(CurrentPmn.BW, group.bw) << group.label << " release " << n;
            EXPECT_DOUBLE_EQ(CurrentPmn.FISH, group.fish) << group.label;
            EXPECT_DOUBLE_EQ(CurrentPmn.DRINK, group.drink) << group.label;
            EXPECT_DOUBLE_EQ(CurrentPmn.INHALE, group.inhale) << group.label;
            EXPECT_EQ(CurrentPmn.POP_NUM, group.popNum) << group.label;
            EXPECT_EQ(HealthFlags, group.popNum == 0 ? "111" : "001") << group.label;
        }
        form->ScreenPages->setCurrentWidget(form->ReleaseInfoPage);
    }
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ExposurePageTest, OnlyAdultsHaveCancerAndChronicChoices) {
    form->Child->SetChecked(true);
    EXPECT_FALSE(forms::Visible(form->Cancer));
    EXPECT_FALSE(form->Cancer->Checked());
    EXPECT_FALSE(form->Chronic->Checked());
    EXPECT_EQ(CurrentPmn.POP_NUM, 2);
    EXPECT_EQ(CurrentPmn.PopulationLabel, "Child (age 6-10)");
    EXPECT_FALSE(forms::Visible(form->EdCExp));
    EXPECT_FALSE(forms::Visible(form->FishCExp));
    form->Adult->SetChecked(true);
    EXPECT_TRUE(forms::Visible(form->Cancer));
    EXPECT_TRUE(form->Cancer->Checked());
    EXPECT_TRUE(form->Chronic->Checked());
    EXPECT_TRUE(forms::Visible(form->EdCExp));
}

TEST_F(ExposurePageTest, ZeroIntakesShowAsNaAndAreCollectedAsZero) {
    CurrentPmn.FISH = 0;
    CurrentPmn.FISHCHRON = 0;
    CurrentPmn.BW = 0;
    CurrentPmn.INHALE = 0.123456789;
    form->ShowExposureFactors();
    EXPECT_EQ(form->FishAExp->Text(), "NA");
    EXPECT_EQ(form->FishCExp->Text(), "NA");
    EXPECT_EQ(form->BwExp->Text(), "0.00");
    EXPECT_EQ(form->InhaleExp->Text(), "0.12");
    Type(form->BwExp, "70");
    ASSERT_TRUE(form->CollectExposureFactors());
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(LoadRow(ReleaseKey(kChem, n)));
        EXPECT_EQ(CurrentPmn.FISH, 0);
        EXPECT_EQ(CurrentPmn.BW, 70);
        EXPECT_DOUBLE_EQ(CurrentPmn.INHALE, 0.123456789) << "the shown text was not changed";
    }
}

TEST_F(ExposurePageTest, AFactorThatIsNoNumberWritesNothing) {
    form->ShowExposureFactors();
    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 2)));
    const double before = CurrentPmn.BW;
    form->BwExp->SetText("12,5");
    EXPECT_FALSE(form->CollectExposureFactors());
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text, "Body weight: \"12,5\" is not a number. Please correct it.");
    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 2)));
    EXPECT_EQ(CurrentPmn.BW, before);
}

TEST_F(ExposurePageTest, LeavingThePageCollectsUnlessTheContinueDidSo) {
    Click(form->GenRelInfoContinue);
    ASSERT_EQ(form->ScreenPages->currentWidget(), form->ExpFactorsPage);
    Type(form->BwExp, "66");
    form->ScreenPages->setCurrentWidget(form->ReleaseInfoPage);
    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 3)));
    EXPECT_EQ(CurrentPmn.BW, 66);

    form->ScreenPages->setCurrentWidget(form->ExpFactorsPage);
    SkipFactorCollectOnExit = 1;
    Type(form->BwExp, "77");
    form->ScreenPages->setCurrentWidget(form->ReleaseInfoPage);
    EXPECT_EQ(SkipFactorCollectOnExit, 0);
    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 3)));
    EXPECT_EQ(CurrentPmn.BW, 66);
}

TEST_F(ExposurePageTest, NoSitesStaysOnTheReleasePage) {
    form->NumSites->setValue(1);
    CurrentPmn.SITE_LO = 0;
    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 1)));
    form->ShowReleaseInputs();
    EXPECT_EQ(form->NumSites->value(), 1) << "a release of 0 sites shows one site";
    EXPECT_EQ(CurrentPmn.SITE_HI, 1);
}

}  // namespace
