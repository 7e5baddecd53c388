// Storing one release from the pages: every kind with its marks, site or category, flows and
// concentrations of concern, the checks, and texts that are no number or were only shown.
#include <gtest/gtest.h>
#include <QTest>

#include "dilution/industry_categories.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"

namespace {

const std::string kRelease1 = std::string(kChem) + ",1";

TEST_F(ReleaseFormTest, OpensOnReleaseOneOfTheChemical) {
    Open();
    EXPECT_EQ(form->ChemList->RowCount(), 2);
    EXPECT_EQ(form->ChemList->Cells(0, 0), "Chem ID/Rel #");
    EXPECT_EQ(form->ChemList->Cells(0, 1), kRelease1);
    EXPECT_EQ(CurrentReleaseRow, 1);
    EXPECT_EQ(form->ScreenPages->currentWidget(), form->ReleaseInfoPage);
    EXPECT_FALSE(form->TabShown(form->ScreenPages, form->GenPopSheet));
    EXPECT_EQ(form->SICGrid->RowCount(), 37);
    EXPECT_EQ(form->SICGrid->Cells(0, 25), "POTW's (All facilities)");
    EXPECT_TRUE(ui.Boxes().empty()) << BoxTexts()[0];
}

// A water release at a facility: sludge from the chemical's adsorption, the facility's name,
// place and reach flows, and the concentrations of concern with their zeros moved last.
TEST_F(ReleaseFormTest, WaterReleaseAtAFacility) {
    Open();
    EnterWaterRelease("10", "250", "NY0020371");
    EXPECT_TRUE(form->LandfillCheck->Checked()) << "a sludge release of 2 ticks Landfill";
    EXPECT_EQ(form->SludgeRel->Text(), "2.00");
    EXPECT_EQ(form->FacName->Text(), "HARBOR VALLEY WPCP");
    Type(form->Coc0, "0");
    Type(form->Coc1, "3");
    Type(form->Coc2, "7");
    form->RemarksInp->SetText(std::string(300, 'r'));
    form->IndustryType->SetText("Formulation of coatings");
    EXPECT_EQ(form->StoreReleaseInputs(true), 1) << BoxTexts()[0];

    ASSERT_TRUE(LoadRow(kRelease1));
    const pmn_record& r = CurrentPmn;
    EXPECT_EQ(r.RELEASES, "XX00");
    EXPECT_EQ(r.RELEASE, "Formulation of coatings");
    EXPECT_DOUBLE_EQ(r.H2O_HI, 10);
    EXPECT_DOUBLE_EQ(r.H2ODAYLO, 250);
    EXPECT_DOUBLE_EQ(r.SORPTION, 2);
    EXPECT_DOUBLE_EQ(r.DAYSSLUDGE, 250);
    EXPECT_EQ(r.NPDES, "NY0020371");
    EXPECT_EQ(r.FAC_NAME, "HARBOR VALLEY WPCP");
    EXPECT_EQ(r.FAC_LOC, "Birchton NY 12017");
    EXPECT_EQ(r.DTYPE, 'D');
    EXPECT_EQ(r.SIC_CODE, -1);
    EXPECT_DOUBLE_EQ(r.MEANFLOW, 3111.243);  // the reach's flows in the shipped reach table
    EXPECT_DOUBLE_EQ(r.FLOW7Q10, 220.849);
    EXPECT_EQ(r.COC0, 3);
    EXPECT_EQ(r.COC1, 7);
    EXPECT_EQ(r.COC2, 0);
    EXPECT_EQ(r.REMARKS.size(), 249u);
    EXPECT_DOUBLE_EQ(r.SITE_LO, 1);
}

// The category stored is the one chosen by the double click, whatever row of the grid is
// selected afterwards.
TEST_F(ReleaseFormTest, WaterReleaseForAnIndustryCategory) {
    Open();
    form->SurfWaterCheck->SetChecked(true);
    Click(form->SicRadio);
    EXPECT_EQ(form->ReleaseInfoPages->currentWidget(), form->SelectSicCodePage);
    DoubleClickRow(form->SICGrid, 25);
    EXPECT_EQ(form->SicDescGri->Text(), "POTW's (All facilities)");
    EXPECT_EQ(form->ReleaseInfoPages->currentWidget(), form->GenReleaseInfo);
    form->SICGrid->setCurrentCell(3, 0);
    Type(form->FacilityRel, "4");
    Type(form->SurfDays, "300");
    Type(form->Coc0, "1");
    EXPECT_EQ(form->StoreReleaseInputs(true), 1) << BoxTexts()[0];

    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_EQ(CurrentPmn.SIC_CODE, 25);
    EXPECT_EQ(CurrentPmn.NPDES, "");
    EXPECT_EQ(CurrentPmn.RELEASES[0], 'X');
    // Category 25's statistics of the shipped flow-statistics table.
    EXPECT_DOUBLE_EQ(CurrentPmn.LOW_50, 27.8125);
    EXPECT_DOUBLE_EQ(CurrentPmn.HMF_10, 3.3875);
    EXPECT_EQ(SicCodeList, "4952");

    form->ShowReleaseInputs();
    EXPECT_TRUE(form->SicRadio->Checked());
    EXPECT_EQ(form->SicDescGri->Text(), "POTW's (All facilities)");
}

TEST_F(ReleaseFormTest, LandfillAndAirReleases) {
    Open();
    form->LandfillCheck->SetChecked(true);
    Type(form->LandfillRel, "5");
    Type(form->NonSludgeDays, "100");
    form->FugitiveCheck->SetChecked(true);
    Type(form->Incinerate, "2");
    Type(form->IncinDays, "120");
    Type(form->FugitiveRel, "1,250.5");
    Type(form->FugDays, "60");
    EXPECT_EQ(form->StoreReleaseInputs(true), 0);
    EXPECT_EQ(
        BoxTexts(),
        (std::vector<std::string>{"You must calculate air concentration before continuing."}));

    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_EQ(CurrentPmn.RELEASES, "0XXX");
    EXPECT_DOUBLE_EQ(CurrentPmn.LANDREL, 5);
    EXPECT_DOUBLE_EQ(CurrentPmn.DAYSNSLUDG, 100);
    EXPECT_DOUBLE_EQ(CurrentPmn.INCINREL, 2);
    EXPECT_DOUBLE_EQ(CurrentPmn.INCINDAYS, 120);
    EXPECT_DOUBLE_EQ(CurrentPmn.FUGREL, 1250.5);
    EXPECT_DOUBLE_EQ(CurrentPmn.FUGDAYLO, 60);
    EXPECT_DOUBLE_EQ(CurrentPmn.FUGDAYHI, 60);

    form->ShowReleaseInputs();
    EXPECT_TRUE(form->LandfillCheck->Checked());
    EXPECT_TRUE(form->FugitiveCheck->Checked());
    EXPECT_EQ(form->FugitiveRel->Text(), "1,250.50");
    EXPECT_EQ(form->IncinDays->Text(), "120");
}

TEST_F(ReleaseFormTest, FailedChecksStillStoreTheRelease) {
    Open();
    form->SurfWaterCheck->SetChecked(true);
    form->FacilityRadio->SetChecked(true);
    ui.ClearShown();
    EXPECT_EQ(form->StoreReleaseInputs(true), 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "The number of days of water release must be greater than 0",
                              "Releases to water must be greater than 0",
                              "You must input a COC if you want to include a PDM run",
                              "You need to select a facility"}));
    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_EQ(CurrentPmn.RELEASES, "X000");
}

// A text the filter lets through but that is no number stops the store with a message naming
// the field; nothing of the page is stored.
TEST_F(ReleaseFormTest, TextThatIsNoNumberStoresNothing) {
    Open();
    EnterWaterRelease("10", "250", "NY0020371");
    ASSERT_EQ(form->StoreReleaseInputs(true), 1);
    form->FacilityRel->SetText("12,5");
    form->SurfDays->SetText("3.5");
    form->Incinerate->SetText("1e");
    ui.ClearShown();
    EXPECT_EQ(form->StoreReleaseInputs(true), 0);
    EXPECT_TRUE(form->LastStoreRefused);
    EXPECT_EQ(BoxTexts(),
              (std::vector<std::string>{
                  "Release to surface water: \"12,5\" is not a number. Please correct it.",
                  "Days per year of surface water release: \"3.5\" is not a whole number of "
                  "days. Please correct it.",
                  "Stack release: \"1e\" is not a number. Please correct it."}));
    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 10);
    EXPECT_DOUBLE_EQ(CurrentPmn.H2ODAYLO, 250);
}

// Values shown rounded or as "N/A" keep their stored value unless the person changes the text.
TEST_F(ReleaseFormTest, ShownValuesReadBackExactly) {
    Open();
    EnterWaterRelease("10", "250", "NY0020371");
    ASSERT_EQ(form->StoreReleaseInputs(true), 1);
    ASSERT_TRUE(LoadRow(kRelease1));
    CurrentPmn.H2O_HI = 12345.678;
    CurrentPmn.COC0 = 0.0123456;
    CurrentPmn.COC1 = -9;
    CurrentPmn.LANDREL = 1.005;
    SaveScenarioRecord();
    form->ShowReleaseInputs();
    EXPECT_EQ(form->FacilityRel->Text(), "1.23E+04");
    EXPECT_EQ(form->Coc0->Text(), "1.23E-02");
    EXPECT_EQ(form->LandfillRel->Text(), "1.00");
    EXPECT_EQ(form->StoreReleaseInputs(true), 1) << BoxTexts()[0];
    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 12345.678);
    EXPECT_DOUBLE_EQ(CurrentPmn.COC0, 0.0123456);
    EXPECT_DOUBLE_EQ(CurrentPmn.COC1, -9);
    EXPECT_DOUBLE_EQ(CurrentPmn.LANDREL, 1.005);

    Type(form->FacilityRel, "12,345");
    EXPECT_EQ(form->StoreReleaseInputs(true), 1);
    ASSERT_TRUE(LoadRow(kRelease1));
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 12345) << "a changed text is read as typed";
}

}  // namespace
