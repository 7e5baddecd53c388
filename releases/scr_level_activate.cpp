// TScrLevelForm: activation, the chemical list, "Continue" and the move to the exposure factors.
#include <QSignalBlocker>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "releases/scr_level_form.h"
#include "scenario/case_choices.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

void TScrLevelForm::FormActivate() {
    if (activated_)
        return;
    activated_ = true;
    ShowTab(ReleaseInfoPages, SelectSicCodePage, false);
    ShowTab(ReleaseInfoPages, SelectFacilityPage, false);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ByState, ByRegion, AreaLabel, SearchArea})
        widget->hide();
    CloseMemoOnShow = 0;
    StoringForStackRun = 0;
    SaveExposureFactors();
    ReleaseListFilling = 1;
    if (ChemList->RowCount() > 1)
        ChemList->setCurrentCell(1, 0);
    ReleaseListFilling = 0;
    PdmScenarioText = CurrentPmn.WHICHANAL == 1 ? "High" : "Ave ";
    (CurrentPmn.WHICHANAL == 1 ? HiEndPdm : AvePdm)->setChecked(true);
    PdmExclusions.clear();
    SICGrid->SetRowCount(IndustryCategoryCount + 1);
    SICGrid->SetCells(0, 0, IndustryCategoryHeader);
    for (int category = 1; category <= IndustryCategoryCount; ++category)
        SICGrid->SetCells(0, category, IndustryCategoryDescription(category));
    ScreenPages->setCurrentWidget(GenPopSheet);
    {
        QSignalBlocker quiet(ChemId);
        ChemId->clear();
        ChemId->addItem(QString::fromStdString(SelectedChemId));
    }
    ChemId1->SetText(SelectedChemId);
    RefreshReleaseInputs();
    RestoreExposureFactors();
    FactorPageLocked = 0;
    {
        QSignalBlocker quiet(SearchField);
        SearchField->setCurrentIndex(0);
    }
    SearchFieldChange();
    SetModuleVisibility();
    GenPopSheetEnter();
    ShowTab(ScreenPages, GenPopSheet, false);
    OpenFirstReleaseTab();
}

void TScrLevelForm::SetModuleVisibility() {
    bool water = SurfaceWaterSelected == 1;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             SurfWaterCheck, NoWater, DoPdm, FacilityRadio, SicRadio, FacilityRel, SurfDays,
             NpdesGri, FacName, SicDescGri, Coc0, Coc1, Coc2, Critters, SwMemoButton, CocLabel,
             Label24, CocUnitLabel})
        widget->setVisible(water);
    bool landfill = LandfillSelected == 1;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{LandfillCheck, LandfillRel, SludgeRel, NonSludgeDays,
                                         SludgeDays, NoLand, LandfillMemoButton})
        widget->setVisible(landfill);
    bool air = AmbientAirSelected == 1;
    for (QWidget* widget : std::initializer_list<QWidget*>{
             FugitiveCheck, Incinerate, IncinDays, FugitiveRel, FugDays, CalcAirConc, AirConcRel,
             AirConcAcuteRel, AirConcRelFug, AirConcAcuteRelFug, NoAir, FugCommentButton})
        widget->setVisible(air);
    PdmAnalysis->setVisible(forms::Visible(SicRadio) && SicRadio->Checked());
}

void TScrLevelForm::OpenFirstReleaseTab() {
    ReleasePages->show();
    if (SurfWaterCheck->Checked() && forms::Visible(SurfWaterCheck)) {
        ReleasePages->setCurrentWidget(SWTab);
    } else if (LandfillCheck->Checked() && CurrentPmn.MODGUYS.size() > 1 &&
               CurrentPmn.MODGUYS[1] == '1') {
        ReleasePages->setCurrentWidget(LandfillTab);
    } else if (FugitiveCheck->Checked()) {
        ReleasePages->setCurrentWidget(AirTab);
    } else {
        ReleasePages->hide();
    }
}

// A tab is open while its box is ticked and its module was chosen (its box is shown).
void TScrLevelForm::ShowPageTabsByChecks() {
    ShowTab(ReleasePages, SWTab, SurfWaterCheck->Checked() && forms::Visible(SurfWaterCheck));
    ShowTab(ReleasePages, LandfillTab, LandfillCheck->Checked() && forms::Visible(LandfillCheck));
    ShowTab(ReleasePages, AirTab, FugitiveCheck->Checked() && forms::Visible(FugitiveCheck));
}

void TScrLevelForm::UpdateReleasePagesVisible() {
    ReleasePages->setVisible(TabShown(ReleasePages, SWTab) || TabShown(ReleasePages, LandfillTab) ||
                             TabShown(ReleasePages, AirTab));
}

void TScrLevelForm::RefreshReleaseInputs() {
    LoadScenarioRecord(ChemIdText() + ",1");
    CurrentPmn.SPECEVAL = "00";
    ExposureBased->SetChecked(false);
    Persistent->SetChecked(false);
    Cancer->SetChecked(HealthFlags.size() > 0 && HealthFlags[0] == '1');
    Chronic->SetChecked(HealthFlags.size() > 1 && HealthFlags[1] == '1');
    Acute->SetChecked(HealthFlags.size() > 2 && HealthFlags[2] == '1');
    SuppressFactorLoad = 1;
    CheckPopulationRadio(CurrentPmn.POP_NUM);
    SuppressFactorLoad = 0;
}

void TScrLevelForm::CheckPopulationRadio(int popNum) {
    forms::TRadioButton* chosen = AgeRadio(popNum);
    if (!chosen)
        chosen = Adult;
    chosen->SetChecked(true);
    for (forms::TRadioButton* radio : ageRadios_) {
        if (radio != chosen)
            radio->SetChecked(false);
    }
}

void TScrLevelForm::GenPopSheetEnter() {
    std::vector<std::string> keys = AllReleaseKeys();
    std::vector<std::string> ids;
    for (const std::string& key : keys) {
        std::string id = ChemicalIdOf(key);
        if (ids.empty() || ids.back() != id)
            ids.push_back(id);
    }
    // A chemical that has no row yet is listed too, so the form never shows another chemical.
    if (std::find(ids.begin(), ids.end(), SelectedChemId) == ids.end())
        ids.push_back(SelectedChemId);
    ChemIdIndex = int(std::find(ids.begin(), ids.end(), SelectedChemId) - ids.begin());
    ChemId1->SetText("");
    LoadScenarioRecord(SelectedChemId + ",1");
    {
        QSignalBlocker quiet(ChemId);
        ChemId->clear();
        for (const std::string& id : ids)
            ChemId->addItem(QString::fromStdString(id));
        ChemId->setCurrentIndex(ChemIdIndex);
    }
    RestoreExposureFactors();
    SaveScenarioRecord();
    ChemId1->SetText(SelectedChemId);
    LastChemIdIndex = ChemIdIndex;
    if (MainChoices.fromMainPage) {
        Cancer->SetChecked(MainChoices.cancer);
        Chronic->SetChecked(MainChoices.chronic);
        Acute->SetChecked(MainChoices.acute);
    }
    BitBtn2Click();
    ShowPageTabsByChecks();
}

void TScrLevelForm::SetPopulationFromRadios() {
    CurrentPmn.POP_NUM = CheckedPopNum();
    CurrentPmn.PopulationLabel = PopulationLabelFor(CurrentPmn.POP_NUM);
}

void TScrLevelForm::BitBtn2Click() {
    PdmExclusions.clear();
    CurrentReleaseRow = 1;
    CurrentPmn.SPECEVAL = SpecialEvaluationText();
    SetPopulationFromRadios();
    CheckPopulationRadio(CurrentPmn.POP_NUM);
    ShowTab(ScreenPages, GenPopSheet, true);
    ShowTab(ScreenPages, ReleaseInfoPage, true);
    ShowTab(ScreenPages, ExpFactorsPage, false);
    ScreenPages->setCurrentWidget(ReleaseInfoPage);

    const std::string id = ChemIdText();
    int count = 0;
    tables::Table& table = Tables().PmnTable;
    for (table.First(); !table.Eof(); table.Next()) {
        std::string key = PmnFieldAsString("PMN_ID");
        if (ChemicalIdOf(key) != id)
            continue;
        ++count;
        // A release stored without its dilution run stays excluded from it.
        if (PmnFieldAsFloat("DO_PDM") == 0)
            PdmExclusions.insert(key);
    }
    ReleaseRowCount = count > 0 ? count : 1;

    LoadScenarioRecord(id + ",1");
    SetPopulationFromRadios();
    HealthFlags = HealthFlagsFromBoxes();
    SaveAllExposureFactors();
    SaveScenarioRecord();

    LoadScenarioRecord(id + ",1");
    CurrentReleaseRow = 1;
    ShowReleaseActivity();
    SaveScenarioRecord();
    GenReleaseInfoShow();
    ShowReleaseInputs();
    ShowExposureFactors();
    ReleaseInfoPages->setCurrentWidget(GenReleaseInfo);
}

void TScrLevelForm::GenReleaseInfoShow() {
    {
        QSignalBlocker quiet(ChemList);
        ChemList->SetRowCount(ReleaseRowCount > 0 ? ReleaseRowCount + 1 : 2);
        ChemList->SetCells(0, 0, "Chem ID/Rel #");
        for (int n = 1; n <= ReleaseRowCount; ++n)
            ChemList->SetCells(0, n, ChemIdText() + "," + std::to_string(n));
    }
    ReleaseListFilling = 1;
    int row =
        CurrentReleaseRow >= 1 && CurrentReleaseRow < ChemList->RowCount() ? CurrentReleaseRow : 1;
    ChemList->setCurrentCell(row, 0);
    ReleaseListFilling = 0;
    SkipReleaseStore = 0;
    RefreshBadPdmsGrid();
}

void TScrLevelForm::RefreshBadPdmsGrid() {
    BadPdms->SetRowCount(ChemList->RowCount());
    for (int row = 0; row < ChemList->RowCount(); ++row) {
        std::string key = ChemList->Cells(0, row);
        BadPdms->SetCells(0, row, row > 0 && PdmExclusions.count(key) ? key : "");
    }
}

void TScrLevelForm::GenRelInfoContinueClick() {
    int stored = StoreReleaseInputs(true);
    if (CurrentPmn.SITE_LO <= 0) {
        forms::Ui().MessageBox("The number of sites must be greater than 0", "Error",
                               forms::Buttons::Ok, forms::Icon::Error);
        return;
    }
    if (stored != 1)
        return;
    for (int row = 1; row < ChemList->RowCount(); ++row) {
        LoadScenarioRecord(ChemList->Cells(0, row));
        HealthFlags = HealthFlagsFromBoxes();
        SetPopulationFromRadios();
        SaveScenarioRecord();
    }
    LoadScenarioRecord(ChemList->Cells(0, 1));
    ShowTab(ScreenPages, ExpFactorsPage, true);
    ScreenPages->setCurrentWidget(ExpFactorsPage);
}

void TScrLevelForm::ChemIdChange() {
    ChemIdIndex = ChemId->currentIndex();
    if (ChemIdIndex != LastChemIdIndex && ChemIdIndex >= 0)
        LoadScenarioRecord(ChemIdText() + ",1");
    LastChemIdIndex = ChemIdIndex;
    RefreshReleaseInputs();
}

void TScrLevelForm::ChemIdExit() {
    if (ChemId->currentIndex() < 0)
        ResetScenarioRecord();
}
