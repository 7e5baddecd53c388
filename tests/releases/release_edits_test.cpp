// The release edits as a person types: day limits, days that are not whole, the sludge release,
// computed concentrations that no longer hold, and a treatment-model result.
#include <gtest/gtest.h>

#include "dilution/pdm_results.h"
#include "platform/sys/files.h"
#include "releases/release_renumber.h"
#include "releases/treatment_handoff.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "tests/releases/release_form_fixture.h"
#include "tests/support/radio_groups.h"

namespace {

class ReleaseEditsTest : public ReleaseFormTest {
  protected:
    void SetUp() override {
        ReleaseFormTest::SetUp();
        Open();
        ui.ClearShown();
    }
    void TearDown() override {
        AsTreatRunDone = 0;
        AsTreatReleaseKey.clear();
        ReleaseFormTest::TearDown();
    }
};

TEST_F(ReleaseEditsTest, DayLimitsOfEveryDaysEdit) {
    struct Case {
        forms::TEdit* TScrLevelForm::*edit;
        const char* message;
    } cases[] = {
        {&TScrLevelForm::SurfDays, "Surface water days per year must be less than or equal to 365"},
        {&TScrLevelForm::FugDays, "Fugitive days per year must be less than or equal to 365"},
        {&TScrLevelForm::SludgeDays,
         "Days of release to sludge per year must be less than or equal to 365"},
        {&TScrLevelForm::NonSludgeDays,
         "Days of release to non-sludge per year must be less than or equal to 365"},
        {&TScrLevelForm::IncinDays,
         "Stack release days per year must be less than or equal to 365"},
    };
    form->SurfWaterCheck->SetChecked(true);
    form->LandfillCheck->SetChecked(true);
    form->FugitiveCheck->SetChecked(true);
    for (const Case& c : cases) {
        forms::TEdit* edit = form->*c.edit;
        ui.ClearShown();
        Type(edit, "365");
        EXPECT_TRUE(ui.Boxes().empty()) << c.message;
        Type(edit, "366");
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.message;
        EXPECT_EQ(ui.Boxes()[0].text, c.message);
        EXPECT_EQ(ui.Boxes()[0].caption, "Error");
        EXPECT_EQ(edit->Text(), "365") << c.message;
    }
    EXPECT_EQ(form->SludgeDays->Text(), "365");
}

TEST_F(ReleaseEditsTest, SurfaceDaysFollowIntoTheSludgeDays) {
    form->SurfWaterCheck->SetChecked(true);
    Type(form->FacilityRel, "10");
    Type(form->SurfDays, "400");
    EXPECT_EQ(form->SurfDays->Text(), "365");
    EXPECT_EQ(form->SludgeDays->Text(), "365") << "the landfill module is chosen";
}

TEST_F(ReleaseEditsTest, DaysThatAreNotWholeAreRefused) {
    form->FugitiveCheck->SetChecked(true);
    Type(form->FugDays, "200");
    Type(form->FugDays, "3.5");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Fugitive days per year: \"3.5\" is not a whole number of days. Please correct it.");
    EXPECT_EQ(form->FugDays->Text(), "200");
    EXPECT_DOUBLE_EQ(CurrentPmn.FUGDAYHI, 200);
    ui.ClearShown();
    Type(form->FugDays, "");
    EXPECT_EQ(form->FugDays->Text(), "200") << "an emptied edit shows the stored days again";
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ReleaseEditsTest, AReleaseThatIsNoNumberKeepsTheOldValue) {
    form->SurfWaterCheck->SetChecked(true);
    Type(form->FacilityRel, "8");
    ui.ClearShown();
    Type(form->FacilityRel, "12a,5");
    EXPECT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].text,
              "Release to surface water: \"12,5\" is not a number. Please correct it.");
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 8);
    EXPECT_EQ(form->FacilityRel->Text(), "8.00");
    ui.ClearShown();
    Type(form->FacilityRel, "-3");
    EXPECT_EQ(ui.Boxes()[0].text, "Value must be greater than 0.0");
    EXPECT_DOUBLE_EQ(CurrentPmn.H2O_HI, 8);
}

TEST_F(ReleaseEditsTest, ChangedAirReleasesClearTheirConcentrations) {
    form->FugitiveCheck->SetChecked(true);
    Type(form->Incinerate, "1");
    Type(form->FugitiveRel, "1");
    CurrentPmn.IREL_DOWN = CurrentPmn.ACUTE_CONC = 0.5;
    CurrentPmn.IREL_DOWNF = CurrentPmn.ACUTECONCF = 0.25;
    form->AirConcRel->SetText("0.50");
    form->AirConcAcuteRel->SetText("0.50");
    form->AirConcRelFug->SetText("0.25");
    Type(form->Incinerate, "1");
    EXPECT_EQ(form->AirConcRel->Text(), "0.50") << "unchanged: the concentrations hold";
    Type(form->Incinerate, "2");
    EXPECT_EQ(form->AirConcRel->Text(), "0.00");
    EXPECT_EQ(form->AirConcAcuteRel->Text(), "0.00");
    EXPECT_EQ(form->AirConcRelFug->Text(), "0.25");
    Type(form->FugitiveRel, "3");
    EXPECT_EQ(form->AirConcRelFug->Text(), "0.00");
}

TEST_F(ReleaseEditsTest, ANewNumberOfSitesClearsTheConcentrations) {
    CurrentPmn.SITE_HI = 1;
    CurrentPmn.IREL_DOWN = 0.5;
    form->NumSites->setValue(1);
    EXPECT_DOUBLE_EQ(CurrentPmn.IREL_DOWN, 0.5);
    form->NumSites->setValue(2);
    EXPECT_DOUBLE_EQ(CurrentPmn.IREL_DOWN, 0);
    EXPECT_EQ(form->AirConcRel->Text(), "0.00");
}

// The treatment loss gives a sludge release per day, like the other releases of the record.
TEST_F(ReleaseEditsTest, SludgeFromTheTreatmentLossIsPerDay) {
    LoadScenarioRecord(ReleaseKey(kChem, 1));
    CurrentPmn.LOSS2SLUDG = 40;
    CurrentPmn.H2O_HI = 5;
    CurrentPmn.H2ODAYLO = 250;
    CurrentPmn.RELEASES = "XX00";
    CurrentPmn.NPDES = "NY0020371";
    SaveScenarioRecord();
    form->ShowReleaseInputs();
    EXPECT_DOUBLE_EQ(CurrentPmn.SORPTION, 2.0);
    EXPECT_EQ(form->SludgeRel->Text(), "2.00");
}

TEST_F(ReleaseEditsTest, CheckBoxesOpenAndCloseTheirTabs) {
    Click(form->SurfWaterCheck);
    EXPECT_TRUE(form->TabShown(form->ReleasePages, form->SWTab));
    EXPECT_TRUE(form->ReleasePages->isVisible());
    Click(form->SurfWaterCheck);
    EXPECT_FALSE(form->TabShown(form->ReleasePages, form->SWTab));
    EXPECT_FALSE(form->ReleasePages->isVisible()) << "no tab left";
    Click(form->FugitiveCheck);
    EXPECT_TRUE(form->IncinerationCheck->Checked());
    EXPECT_TRUE(form->TabShown(form->ReleasePages, form->AirTab));
}

TEST_F(ReleaseEditsTest, AnalysisChoiceSetsTheLabel) {
    form->SurfWaterCheck->SetChecked(true);
    Click(form->SicRadio);
    form->ReleaseInfoPages->setCurrentWidget(form->GenReleaseInfo);
    ASSERT_TRUE(form->HiEndPdm->isVisible());
    Click(form->HiEndPdm);
    EXPECT_EQ(CurrentPmn.WHICHANAL, 1);
    EXPECT_EQ(PdmScenarioText, "High");
    Click(form->AvePdm);
    EXPECT_EQ(CurrentPmn.WHICHANAL, 0);
    EXPECT_EQ(PdmScenarioText, "Ave ");
}

TEST_F(ReleaseEditsTest, HelpButtonsOpenTheirTopics) {
    form->GenPopHelpClick();
    Click(form->BitBtn1);
    form->ExpFactorHelpClick();
    form->FacilityHelpClick();
    form->SicHelpClick();
    std::vector<std::string> topics;
    for (const forms::ShownItem& item : ui.Shown()) {
        if (item.kind == "help") {
            topics.push_back(item.caption);
            EXPECT_TRUE(sys::FileExists(item.text)) << "a page for " << item.caption;
        }
    }
    EXPECT_EQ(topics, (std::vector<std::string>{
                          "General_Population_Exposure_Inputs", "Release_Information_Page",
                          "Exposure_Factors", "Select_a_Facility_Page", "Select_a_SIC_Code_Page"}));
}

}  // namespace

namespace {

TEST_F(ReleaseFormTest, StoredHighEndAnalysisIsShownAtActivation) {
    LoadScenarioRecord(std::string(kChem) + ",1");
    CurrentPmn.WHICHANAL = 1;
    SaveScenarioRecord();
    Open();
    EXPECT_TRUE(form->HiEndPdm->Checked());
    EXPECT_EQ(PdmScenarioText, "High");
}

// The age group, facility or industry code, the analysis and the search area are four choices:
// a press in one leaves exactly one radio checked in each.
TEST_F(ReleaseFormTest, EachChoiceIsOneGroupOfRadios) {
    Open();
    form->SurfWaterCheck->SetChecked(true);
    auto choose = [](QRadioButton* radio) {
        if (!radio->isChecked())
            PressButton(radio);
    };
    std::vector<QRadioButton*> fromCode = ExpectExclusiveRadioGroups(
        form, {{{form->Adult, form->Youth, form->YouthNew, form->Child, form->Toddler,
                 form->Infant1_2, form->Infant1}},
               {{form->FacilityRadio, form->SicRadio}},
               // Shown for an industry code with its dilution run.
               {{form->AvePdm, form->HiEndPdm},
                [&] {
                    choose(form->SicRadio);
                    if (!form->DoPdm->Checked())
                        PressButton(form->DoPdm);
                }},
               // Shown on the facility page for a search by name or industry code.
               {{form->ByState, form->ByRegion}, [&] {
                    choose(form->FacilityRadio);
                    form->SearchField->setCurrentIndex(1);
                }}});
    // The general-population page is hidden once the form is active: the age group is chosen
    // on the main page and set here from code.
    EXPECT_EQ(fromCode,
              (std::vector<QRadioButton*>{form->Adult, form->Youth, form->YouthNew, form->Child,
                                          form->Toddler, form->Infant1_2, form->Infant1}));
}

// The analysis choice belongs to an industry-category release with its dilution run.
TEST_F(ReleaseFormTest, AnalysisChoiceShowsOnlyForACategoryWithItsDilutionRun) {
    Open();
    form->SurfWaterCheck->SetChecked(true);
    Click(form->FacilityRadio);
    form->ReleaseInfoPages->setCurrentWidget(form->GenReleaseInfo);
    Click(form->DoPdm);  // off
    Click(form->DoPdm);  // on again
    EXPECT_FALSE(forms::Visible(form->PdmAnalysis));
    Click(form->SicRadio);
    form->ReleaseInfoPages->setCurrentWidget(form->GenReleaseInfo);
    Click(form->DoPdm);
    EXPECT_FALSE(forms::Visible(form->PdmAnalysis));
    EXPECT_FALSE(forms::Visible(form->Coc0));
    Click(form->DoPdm);
    EXPECT_TRUE(forms::Visible(form->PdmAnalysis));
    EXPECT_TRUE(forms::Visible(form->Coc0));
}

}  // namespace

namespace {

// Without the surface-water module, a release stored with surface water shows none of it.
TEST_F(ReleaseFormTest, AModuleNotChosenShowsNoneOfItsControls) {
    WriteRelease(1, "X00X", 1, 100);
    SurfaceWaterSelected = 0;
    Open();
    EXPECT_FALSE(forms::Visible(form->SurfWaterCheck));
    EXPECT_FALSE(form->TabShown(form->ReleasePages, form->SWTab));
    EXPECT_TRUE(form->TabShown(form->ReleasePages, form->AirTab));
    EXPECT_EQ(form->ReleasePages->currentWidget(), form->AirTab);
}

}  // namespace
