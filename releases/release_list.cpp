// TScrLevelForm: the release list, the display of one release, and adding and deleting releases.
#include <QAbstractButton>
#include <QSignalBlocker>
#include <QTimer>

#include "dilution/industry_categories.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "releases/release_renumber.h"
#include "releases/release_rules.h"
#include "releases/scr_level_form.h"
#include "releases/treatment_handoff.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

// Sets a check box or radio button as stored, without running its click action: showing a
// release changes nothing of it.
void SetQuietly(QAbstractButton* button, bool checked) {
    QSignalBlocker quiet(button);
    if (auto* radio = qobject_cast<forms::TRadioButton*>(button))
        radio->SetChecked(checked);
    else
        button->setChecked(checked);
}

}  // namespace

void TScrLevelForm::ShowReleaseActivity() {
    IndustryType->SetText(CurrentPmn.RELEASE);
}

int TScrLevelForm::FindReleaseRow() const {
    const std::string key = CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum;
    int found = -1;
    for (int row = 0; row < ChemList->RowCount(); ++row) {
        if (ChemList->Cells(0, row) == key)
            found = row;
    }
    return found;
}

// A finished treatment-model run belongs to the release it was computed for: its loading, water
// days and sites are shown with that release (never in the fugitive days) until the store of that
// release takes them and ends the wait.
void TScrLevelForm::ApplyWaitingTreatmentRun() {
    pmn_record& r = CurrentPmn;
    if (!TreatmentRunWaitsFor(r.CaseNum + "," + r.ScenNum))
        return;
    landfillPending_ = true;
    r.H2O_HI = AsTreatLoading;
    r.H2O_LO = r.H2O_HI;
    r.H2ODAYHI = AsTreatDays;
    r.H2ODAYLO = AsTreatDays;
    r.SITE_LO = AsTreatNumSites;
    r.SITE_HI = AsTreatNumSites;
}

void TScrLevelForm::ShowAirConcentrations() {
    Shown.Number(*AirConcRel, CurrentPmn.IREL_DOWN);
    Shown.Number(*AirConcAcuteRel, CurrentPmn.ACUTE_CONC);
    Shown.Number(*AirConcRelFug, CurrentPmn.IREL_DOWNF);
    Shown.Number(*AirConcAcuteRelFug, CurrentPmn.ACUTECONCF);
}

void TScrLevelForm::ShowReleaseInputs() {
    {
        QSignalBlocker quietStack(StackUnits);
        QSignalBlocker quietFugitive(FugitiveUnits);
        StackUnits->setCurrentIndex(0);
        FugitiveUnits->setCurrentIndex(0);
    }
    if (AmbientAirSelected == 1) {
        IncinDays->show();
        FugDays->show();
    }
    LoadScenarioRecord(ChemList->Cells(0, CurrentReleaseRow));
    pmn_record& r = CurrentPmn;
    SetQuietly(Critters, r.CRITTERS);
    SetQuietly(NoWater, r.NOWATER);
    SetQuietly(NoLand, r.NOLAND);
    SetQuietly(NoAir, r.NOAIR);
    ApplyWaitingTreatmentRun();
    Shown.Number(*Coc0, r.COC0);
    Shown.Number(*Coc1, r.COC1);
    Shown.Number(*Coc2, r.COC2);
    ShowAirConcentrations();
    Shown.Number(*FacilityRel, r.H2O_HI);
    Shown.Number(*LandfillRel, r.LANDREL);
    SetQuietly(r.WHICHANAL == 1 ? HiEndPdm : AvePdm, true);
    if (r.LOSS2SLUDG > 0)
        r.SORPTION = SludgeFromTreatmentLoss(r);
    Shown.Number(*SludgeRel, r.SORPTION);
    Shown.Number(*Incinerate, r.INCINREL);
    Shown.Number(*FugitiveRel, r.FUGREL);
    RemarksInp->SetText(r.REMARKS);
    Shown.Count(*SurfDays, r.H2ODAYHI);
    Shown.Count(*SludgeDays, r.DAYSSLUDGE);
    Shown.Count(*NonSludgeDays, r.DAYSNSLUDG);
    Shown.Count(*FugDays, r.FUGDAYHI);
    Shown.Count(*IncinDays, r.INCINDAYS);
    if (r.SITE_HI <= 0) {
        r.SITE_HI = 1;
        r.SITE_LO = 1;
    }
    {
        QSignalBlocker quiet(NumSites);
        NumSites->setValue(static_cast<int>(r.SITE_HI));
    }
    ActInactGenRel->hide();
    ModifyFlows->hide();
    ShowSurfaceWaterChoice();
    SetQuietly(LandfillCheck, landfillPending_ || (r.RELEASES.size() > 1 && r.RELEASES[1] == 'X'));
    SetQuietly(IncinerationCheck, r.RELEASES.size() > 2 && r.RELEASES[2] == 'X');
    SetQuietly(FugitiveCheck, r.RELEASES.size() > 3 && r.RELEASES[3] == 'X');
    landfillPending_ = false;
    MetClass->SetText(r.METCLASS);
    SetQuietly(Downwash, r.DOWNWASH == 1);
    StabClass->SetText(std::to_string(r.STABCLASS));
    ChosenCategory = r.SIC_CODE > 0 ? r.SIC_CODE : 0;
    SicDescGri->SetText(r.SIC_CODE <= 0 ? "" : IndustryCategoryDescription(r.SIC_CODE));
    NpdesGri->SetText(r.NPDES);
    FacName->SetText(r.FAC_NAME);
    const std::string key = r.CaseNum + "," + r.ScenNum;
    SetQuietly(DoPdm, !IsReleaseExcludedFromPdm(key) && r.DO_PDM != 0);
    ShowConcernLevelControls();
    IndustryType->SetText(r.RELEASE);
    ShowPageTabsByChecks();
    UpdateReleasePagesVisible();
}

void TScrLevelForm::ShowSurfaceWaterChoice() {
    pmn_record& r = CurrentPmn;
    const bool water = !r.RELEASES.empty() && r.RELEASES[0] == 'X';
    SetQuietly(SurfWaterCheck, water);
    const bool category = water && r.SIC_CODE > 0;
    const bool facility = water && !category && !r.NPDES.empty();
    SetQuietly(FacilityRadio, facility);
    SetQuietly(SicRadio, category);
    ShowTab(ReleaseInfoPages, SelectFacilityPage, facility);
    ShowTab(ReleaseInfoPages, SelectSicCodePage, category);
    PdmAnalysis->setVisible(category);
    ActInactGenRel->setVisible(facility);
    ModifyFlows->hide();
    Critters->setVisible(!category);
    if (category) {
        SetQuietly(Critters, false);
        SICGrid->setCurrentCell(r.SIC_CODE, 0);
        return;
    }
    if (facility) {
        ActInactGenRel->SetText(r.IACC);
        return;
    }
    r.SIC_CODE = 0;
    SicDescGri->SetText("");
    NpdesGri->SetText("");
    FacName->SetText("");
    // A treatment-model run waiting for this release keeps its loading and days in view.
    if (!TreatmentRunWaitsFor(r.CaseNum + "," + r.ScenNum)) {
        Shown.Text(*FacilityRel, "0", 0);
        Shown.Text(*SurfDays, "0", 0);
    }
    if (water) {
        Shown.Text(*SludgeDays, "0", 0);
        Shown.Text(*NonSludgeDays, "0", 0);
    }
}

// The highlight of the list always marks the release the pages show.
void TScrLevelForm::SelectListRow(int row) {
    ReleaseListFilling = 1;
    ChemList->setCurrentCell(row, 0);
    ReleaseListFilling = 0;
}

void TScrLevelForm::ChemListSelectCell(int /*col*/, int row) {
    if (ReleaseListFilling || row < 1)
        return;
    // A click on the list stored the release as the list took the focus: once is enough.
    const int stored = enteredStore_ >= 0 ? enteredStore_ : (SkipReleaseStore ? 1 : -1);
    enteredStore_ = -1;
    if (stored == 1 || (stored < 0 && StoreReleaseInputs(true) == 1)) {
        CurrentReleaseRow = row;
    } else {
        SelectListRow(CurrentReleaseRow);
        if (LastStoreRefused) {
            // Nothing was stored: the page keeps every edit until the refused text is corrected.
            ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
            return;
        }
    }
    ShowReleaseActivity();
    ShowReleaseInputs();
    ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
}

void TScrLevelForm::ChemListEnter() {
    if (ReleaseListFilling || SkipReleaseStore)
        return;
    enteredStore_ = StoreReleaseInputs(true);
    // The result holds for the selection made by the same click, and for nothing later.
    QTimer::singleShot(0, this, [this] { enteredStore_ = -1; });
    if (enteredStore_ != 1)
        BitBtn1->setFocus();
}

void TScrLevelForm::NextReleaseActivityClick() {
    const std::string chemId = ChemIdText();
    const int row = CurrentReleaseRow;
    const std::string key = ReleaseKey(chemId, row);
    LoadScenarioRecord(key);
    SplitReleaseKey(key);
    CurrentPmn.SPECEVAL = SpecialEvaluationText();
    CurrentPmn.POP_NUM = CheckedPopNum();
    HealthFlags = HealthFlagsFromBoxes();
    SaveScenarioRecord();
    if (StoreReleaseInputs(true) != 1)
        return;
    if (ChemList->RowCount() <= row + 1) {
        ReleaseRowCount = ChemList->RowCount();
        ChemList->SetRowCount(ChemList->RowCount() + 1);
    }
    const std::string next = ReleaseKey(chemId, row + 1);
    ChemList->SetCells(0, row + 1, next);
    CurrentReleaseRow = row + 1;
    SelectListRow(CurrentReleaseRow);
    LoadScenarioRecord(next);
    RestoreAllExposureFactors();
    ShowReleaseActivity();
    SetPopulationFromRadios();
    SaveScenarioRecord();
    GenReleaseInfoShow();
    ShowReleaseInputs();
    ShowExposureFactors();
    ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
}

void TScrLevelForm::ClearReleaseDisplay() {
    IndustryType->SetText("");
    RemarksInp->SetText("");
    NpdesGri->SetText("");
    FacName->SetText("");
    NoAir->SetChecked(false);
    NoWater->SetChecked(false);
    NoLand->SetChecked(false);
    QSignalBlocker quiet(NumSites);
    NumSites->setValue(1);
}

// The release the pages show is deleted; the releases after it move down by one in the table,
// each by its own key, with their comments and their dilution exclusions.
void TScrLevelForm::DelReleaseClick() {
    const std::string chemId = ChemIdText();
    const int count = ChemList->RowCount() - 1;
    const int deleted = CurrentReleaseRow;
    if (deleted < 1 || deleted > count)
        return;
    ClearReleaseDisplay();
    DeleteReleaseAndRenumber(chemId, deleted, count);
    std::set<std::string> exclusions;
    for (const std::string& key : PdmExclusions) {
        std::string moved = KeyAfterDeletion(key, chemId, deleted);
        if (!moved.empty())
            exclusions.insert(moved);
    }
    PdmExclusions = exclusions;
    AsTreatReleaseKey = KeyAfterDeletion(AsTreatReleaseKey, chemId, deleted);
    if (count == 1) {
        // The chemical keeps one empty release "1" with its exposure factors.
        LoadScenarioRecord(ReleaseKey(chemId, 1));
        RestoreAllExposureFactors();
        SaveScenarioRecord();
    } else {
        SurfWaterCheck->SetChecked(false);
        LandfillCheck->SetChecked(false);
        FugitiveCheck->SetChecked(false);
        ReleaseRowCount = count - 1;
    }
    CurrentReleaseRow = 1;
    GenReleaseInfoShow();
    ShowReleaseInputs();
    ShowReleaseActivity();
}
