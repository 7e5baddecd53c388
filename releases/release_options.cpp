// TScrLevelForm: concentrations of concern, the dilution-model choices, comments, the number of
// sites, the landfill and stack days, and help.
#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "releases/flow_mods.h"
#include "releases/memo.h"
#include "releases/release_rules.h"
#include "releases/scr_level_form.h"
#include "scenario/case_choices.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

void TScrLevelForm::CocExit(forms::TEdit& edit, double& member, const std::string& label) {
    ReadReleaseEdit(Shown, edit, member, label);
}

void TScrLevelForm::DoPdmClick() {
    const int row = FindReleaseRow();
    const std::string key =
        row > 0 ? ChemList->Cells(0, row) : CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum;
    const bool included = ShowConcernLevelControls();
    if (included)
        PdmExclusions.erase(key);
    else
        PdmExclusions.insert(key);
    RefreshBadPdmsGrid();
}

bool TScrLevelForm::ShowConcernLevelControls() {
    const bool included = DoPdm->Checked() && SurfaceWaterSelected == 1;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{CocLabel, Label24, Coc0, Coc1, Coc2, CocUnitLabel})
        widget->setVisible(included);
    PdmAnalysis->setVisible(included && SicRadio->Checked());
    return included;
}

void TScrLevelForm::PdmAnalysisClick(int item) {
    CurrentPmn.WHICHANAL = item == 1 ? 1 : 0;
    PdmScenarioText = item == 1 ? "High" : "Ave ";
}

// The memo form edits the comment field of the shown release's row.
void TScrLevelForm::ShowMemoForm(int kind) {
    tables::Table& table = Tables().PmnTable;
    const std::string key = CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum;
    if (!table.IsEmpty())
        table.FindNearest(key);
    if (table.IsEmpty() || PmnFieldAsString("PMN_ID") != key)
        SaveScenarioRecord();
    if (MemoForm) {
        MemoForm->MemoKind = kind;
        MemoForm->ShowModal();
        return;
    }
    TMemoForm memo;
    memo.MemoKind = kind;
    memo.ShowModal();
}

void TScrLevelForm::SwMemoButtonClick() {
    ShowMemoForm(1);
}

void TScrLevelForm::ModifyFlowsClick() {
    TFlowMods flows;
    flows.ShowModal();
}

void TScrLevelForm::LandfillMemoButtonClick() {
    ShowMemoForm(2);
}

void TScrLevelForm::FugCommentButtonClick() {
    ShowMemoForm(4);
}

void TScrLevelForm::NumSitesChange() {
    pmn_record& r = CurrentPmn;
    if (r.LOSS2SLUDG > 0) {
        r.SORPTION = SludgeFromTreatmentLoss(r);
        Shown.Number(*SludgeRel, r.SORPTION);
    }
    if (NumSites->value() != r.SITE_HI) {
        // The concentrations were computed for the old number of sites.
        r.IREL_DOWN = 0;
        r.ACUTE_CONC = 0;
        r.IREL_DOWNF = 0;
        r.ACUTECONCF = 0;
    }
    ShowAirConcentrations();
}

bool TScrLevelForm::LandfillDaysRule(forms::TEdit& edit, double& member,
                                     const std::string& message) {
    DaysRule(edit, member, message);
    if (!SurfWaterCheck->Checked())
        return false;
    CurrentPmn.SORPTION = SludgeFromAdsorption(CurrentPmn);
    Shown.Number(*SludgeRel, CurrentPmn.SORPTION);
    if (CurrentPmn.SORPTION > 0)
        LandfillCheck->SetChecked(true);
    return true;
}

void TScrLevelForm::SludgeDaysExit() {
    LandfillDaysRule(*SludgeDays, CurrentPmn.DAYSSLUDGE,
                     "Days of release to sludge per year must be less than or equal to 365");
}

void TScrLevelForm::NonSludgeDaysExit() {
    LandfillDaysRule(*NonSludgeDays, CurrentPmn.DAYSNSLUDG,
                     "Days of release to non-sludge per year must be less than or equal to 365");
}

void TScrLevelForm::IncinDaysExit() {
    DaysRule(*IncinDays, CurrentPmn.INCINDAYS,
             "Stack release days per year must be less than or equal to 365");
    IncinerateExit();
}

void TScrLevelForm::GenPopHelpClick() {
    forms::Ui().ShowHelp("General_Population_Exposure_Inputs");
}

void TScrLevelForm::ReleaseInfoHelpClick() {
    forms::Ui().ShowHelp("Release_Information_Page");
}

void TScrLevelForm::ExpFactorHelpClick() {
    forms::Ui().ShowHelp("Exposure_Factors");
}

void TScrLevelForm::FacilityHelpClick() {
    forms::Ui().ShowHelp("Select_a_Facility_Page");
}

void TScrLevelForm::SicHelpClick() {
    forms::Ui().ShowHelp("Select_a_SIC_Code_Page");
}
