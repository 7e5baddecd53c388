// A treatment-model run of the properties screen followed by the release pages, in the order a
// person works: the run's loading, days and sites reach the release it was computed for, and its
// sludge is shown with no other release.
#include <gtest/gtest.h>

#include <QTest>

#include "chemistry/astreat_inputs.h"
#include "chemistry/pchem_fate.h"
#include "releases/release_renumber.h"
#include "releases/treatment_handoff.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/chemistry/treatment_dialog.h"
#include "tests/releases/release_form_fixture.h"

namespace {

// The stand-in's sludge for the filled dialog: 2.796 % of the 2 kg/site/day entering, per day.
const char* const kRunSludgePerDay = "5.59E-02";

class TreatmentRunTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        AsTreatReleaseKey.clear();  // no release handed to the model yet in this run
        program.InstallTreatModel();
        WriteRelease(2, "X000", 1, 100);  // a complete water release at a facility
    }
    void TearDown() override {
        AsTreatRunDone = 0;
        AsTreatReleaseKey.clear();
        ReleaseFormTest::TearDown();
    }

    // The properties screen visit: the treatment model run from its button, then the commit
    // when `commit` is set, else the window closed.
    void RunTreatmentOnPropertiesScreen(bool commit) {
        ui.OnNextModal([commit](forms::Form& form) {
            auto& screen = dynamic_cast<TPchemFate&>(form);
            screen.AsTreat->SetChecked(true);
            QTest::mouseClick(screen.CalcLowWwt, Qt::LeftButton);
            if (!commit)
                return int(forms::mrCancel);
            QTest::mouseClick(screen.CloseFateScreen, Qt::LeftButton);
            return screen.ModalResult();
        });
        ui.OnNextModal([](forms::Form& form) {
            auto& dialog = dynamic_cast<TAsTreatInputs&>(form);
            FillTreatmentDialog(dialog);
            dialog.Solubility->SetText("100");
            QTest::mouseClick(dialog.RunAsTreat, Qt::LeftButton);
            EXPECT_TRUE(dialog.RunSucceeded());
            return int(forms::mrOk);
        });
        TPchemFate screen;
        const int result = screen.ShowModal();
        EXPECT_EQ(result, commit ? forms::mrOk : forms::mrCancel)
            << testing::PrintToString(BoxTexts());
        ui.ClearShown();
    }
    // Ticks or unticks "Surface water" with the mouse.
    void ToggleSurfaceWater() { Click(form->SurfWaterCheck); }
};

// Chemical first, releases afterwards: the run goes into release 1, shown on the pages until
// that release is stored with it.
TEST_F(TreatmentRunTest, APropertiesScreenRunGoesIntoItsReleaseOnceStored) {
    RunTreatmentOnPropertiesScreen(true);
    ASSERT_EQ(SelectedChemId, kChem);
    ASSERT_EQ(AsTreatRunDone, 1);
    ASSERT_EQ(AsTreatReleaseKey, ReleaseKey(kChem, 1));

    Open();
    ASSERT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->FacilityRel->Text(), "2.00");
    EXPECT_EQ(form->SurfDays->Text(), "250");
    EXPECT_EQ(form->NumSites->value(), 3);
    EXPECT_TRUE(form->LandfillCheck->Checked());
    ToggleSurfaceWater();
    EXPECT_EQ(form->SludgeRel->Text(), kRunSludgePerDay);
    form->FacilityRadio->SetChecked(true);
    Type(form->NpdesGri, "NY0020371");
    Type(form->Coc0, "5");

    SelectRelease(2);  // stores release 1
    EXPECT_EQ(CurrentReleaseRow, 2) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(AsTreatRunDone, 0);
    EXPECT_EQ(form->FacilityRel->Text(), "1.00") << "release 2 keeps its own values";
    EXPECT_FALSE(form->LandfillCheck->Checked());
    ToggleSurfaceWater();
    ToggleSurfaceWater();
    EXPECT_NE(form->SludgeRel->Text(), kRunSludgePerDay);
    EXPECT_FALSE(form->LandfillCheck->Checked());

    ASSERT_TRUE(LoadRow(ReleaseKey(kChem, 1)));
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 2);
    EXPECT_DOUBLE_EQ(CurrentPmn.H2ODAYLO, 250);
    EXPECT_DOUBLE_EQ(CurrentPmn.SITE_LO, 3);
    EXPECT_EQ(CurrentPmn.RELEASES.substr(0, 2), "XX");
}

// A run computed with the values handed by release 2 on an earlier visit belongs to release 2:
// release 1, shown first, never shows its sludge.
TEST_F(TreatmentRunTest, ARunForAnotherReleaseLeavesTheShownOneAlone) {
    LoadScenarioRecord(ReleaseKey(kChem, 2));
    CurrentPmn.FUGDAYLO = 30;
    CurrentPmn.FUGDAYHI = 30;
    SaveScenarioRecord();
    Open();
    SelectRelease(2);
    SelectRelease(1);  // stores release 2, handing its values to the model
    ASSERT_EQ(AsTreatReleaseKey, ReleaseKey(kChem, 2));
    form->hide();

    RunTreatmentOnPropertiesScreen(true);
    ASSERT_EQ(AsTreatRunDone, 1);
    Open();
    ASSERT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->FacilityRel->Text(), "0");
    EXPECT_FALSE(form->LandfillCheck->Checked());
    ToggleSurfaceWater();
    EXPECT_NE(form->SludgeRel->Text(), kRunSludgePerDay);
    EXPECT_FALSE(form->LandfillCheck->Checked());
    ToggleSurfaceWater();

    SelectRelease(2);
    ASSERT_EQ(CurrentReleaseRow, 2) << testing::PrintToString(BoxTexts());
    EXPECT_EQ(form->FacilityRel->Text(), "2.00");
    EXPECT_EQ(form->SurfDays->Text(), "250");
    EXPECT_EQ(form->NumSites->value(), 3);
    EXPECT_EQ(form->FugDays->Text(), "30") << "the fugitive days are the release's own";
    EXPECT_TRUE(form->LandfillCheck->Checked());
    ToggleSurfaceWater();
    ToggleSurfaceWater();
    EXPECT_EQ(form->SludgeRel->Text(), kRunSludgePerDay);
    EXPECT_EQ(AsTreatRunDone, 1) << "waits until release 2 is stored";
}

// A properties screen closed without its commit takes its run nowhere.
TEST_F(TreatmentRunTest, ARunWithoutACommitReachesNoRelease) {
    RunTreatmentOnPropertiesScreen(false);
    EXPECT_EQ(AsTreatRunDone, 0);
    Open();
    EXPECT_EQ(form->FacilityRel->Text(), "0");
    EXPECT_FALSE(form->LandfillCheck->Checked());
}

}  // namespace
