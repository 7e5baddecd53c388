// The activation of the results form and its run over every release of the chemical.
#include <QApplication>
#include <QSignalBlocker>
#include <algorithm>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "exposure/exposure_calcs.h"
#include "form_helpers/species_grid.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/files.h"
#include "platform/sys/paths.h"
#include "platform/sys/text.h"
#include "releases/scr_level_form.h"
#include "results/dilution_row_file.h"
#include "results/report_parts.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/text_helpers.h"

TScrResForm* ScrResForm = nullptr;

namespace {

enum Counter { RiverRows, PdmRiverRows, SicRows, PdmSicRows, LakeRows, LandfillRows, AirRows };

std::vector<std::string> NonEmptyCells(const forms::TStringGrid& grid) {
    std::vector<std::string> cells;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!grid.Cells(0, row).empty())
            cells.push_back(grid.Cells(0, row));
    }
    return cells;
}

bool Released(const pmn_record& r, size_t medium) {
    return r.RELEASES.size() > medium && r.RELEASES[medium] == 'X';
}

}  // namespace

ResultsRunInputs InputsFromReleaseForm() {
    ResultsRunInputs inputs;
    if (!ScrLevelForm)
        return inputs;
    inputs.ReleaseKeys = NonEmptyCells(*ScrLevelForm->ChemList);
    inputs.BadPdmKeys = NonEmptyCells(*ScrLevelForm->BadPdms);
    inputs.ExposureBased = ScrLevelForm->ExposureBased->Checked();
    inputs.Persistent = ScrLevelForm->Persistent->Checked();
    return inputs;
}

void OpenScrResForm() {
    TScrResForm form;
    form.ShowModal();
}

void TScrResForm::FormActivate() {
    // The run belongs to the visit: coming back from a dialog does not run it again.
    if (ranOnce_)
        return;
    ranOnce_ = true;
    GagePdmSite->setEnabled(true);
    PdmSavingResults = QuietMode = PdmReleaseChanging = false;
    EnvRelTabs->setCurrentWidget(RelValPage);
    EnvRelTabs->setTabVisible(EnvRelTabs->indexOf(SpecEvalPage), false);
    SicDescPdmSic->clear();
    for (int category = 1; category <= IndustryCategoryCount; ++category)
        SicDescPdmSic->addItem(QString::fromStdString(IndustryCategoryDescription(category)));
    if (PdmPagesActive) {
        ShowDilutionPagesAlone();
        return;
    }
    for (QWidget* page : {EnvRelResPage, SurfWaterResPage, SicPage, LakesPage, FugitivePage,
                          LandfillPage, PdmSitePage, PdmSicPage})
        ShowPage(page, false);
    ShowPage(Progress, true);
    ScrResults->setCurrentWidget(Progress);
    Edit1->setFocus();
    OmbrixProgress->setFocus();
    ResultsRunBusy = 1;
    RunAllScenarios();
    ResultsRunBusy = 0;
    SetResultGridUnits();
    ShowPage(Progress, false);
    // The parts go once the final report holds them; without a report they are all the user
    // has, and the message said they are kept.
    if (FinalReport.empty())
        return;
    for (const WpdPart& part : Report.FilesList)
        sys::DeleteFile(sys::NativePath(part.path));
}

void TScrResForm::ShowPage(QWidget* page, bool shown) {
    ScrResults->setTabVisible(ScrResults->indexOf(page), shown);
}

void TScrResForm::StepProgress() {
    OmbrixProgress->setValue(OmbrixProgress->value() + 1);
    // The part files written so far, one a row.
    const int parts = static_cast<int>(Report.FilesList.size());
    if (FilesList->RowCount() < parts)
        FilesList->SetRowCount(parts);
    for (int row = 0; row < parts; ++row) {
        const std::string path = sys::NativePath(Report.FilesList[static_cast<size_t>(row)].path);
        if (FilesList->Cells(0, row) != path)
            FilesList->SetCells(0, row, path);
    }
}

void TScrResForm::AddToList(forms::TStringGrid* list, int& counter, const std::string& key) {
    ++counter;
    const QSignalBlocker quiet(list);
    list->SetCells(0, counter, key);
}

bool TScrResForm::IsBadPdmRelease() const {
    const std::string key = CurrentPmn.CaseNum + "," + CurrentPmn.ScenNum;
    return std::find(Inputs.BadPdmKeys.begin(), Inputs.BadPdmKeys.end(), key) !=
           Inputs.BadPdmKeys.end();
}

void TScrResForm::ResetRun() {
    Report.FilesList.clear();
    Report.StepProgress = [this] { StepProgress(); };
    counters_.fill(0);
    for (QWidget* w : PdmHiddenByRun)
        w->hide();
    // The chemical id fields go with their labels.
    ShowField("CasNumPdmSite", false);
    ShowField("CasNumPdmSic", false);
    for (forms::TStringGrid* grid : {PdmSiteResultsList, PdmSicResultsList})
        grid->hide();
    for (forms::TButton* button :
         {SubmitPdmSite, SubmitNewSite, SubmitReallyNewSite, SavePdmSite, SubmitAndSaveSite,
          ClearPdmSiteResults, FindNpdesPdmSite, ClearPdmSiteScreen, SubmitPdmSic, SubmitNewSic,
          SubmitReallyNewSic, SavePdmSic, SubmitAndSaveSic, ClearPdmSicResults, ClearPdmSicScreen,
          NextReleaseActivity, NextReleaseActivityPdmSic})
        button->hide();
    ChemListPdmSite->show();
    ChemListPdmSic->show();
    // The industry-code page shows the run's results with the category and analysis they were
    // computed with; another choice here would only relabel them, so none is offered.
    OfferPdmSicChoices(false);
    for (forms::TStringGrid* list :
         {ChemListEnvRel, ChemListSite, ChemListPdmSite, ChemListSic, ChemListPdmSic, ChemListLakes,
          ChemListLandfill, ChemListFugitive}) {
        const QSignalBlocker quiet(list);
        list->SetRowCount(1);
        list->SetCells(0, 0, "Chem ID/Rel #");
    }
    OmbrixProgress->setRange(0, static_cast<int>(Inputs.ReleaseKeys.size()) + 2);
    OmbrixProgress->setValue(0);
    for (size_t k = 0; k < 3; ++k) {
        Coc[k]->clear();
        Days[k]->clear();
        Percent[k]->clear();
    }
    PdmSicStored.clear();
    FinalReport.clear();
    notRiverShown_ = false;
    OpenRunTotals();
}

void TScrResForm::CountProgress() {
    int count = 0;
    for (const std::string& key : Inputs.ReleaseKeys) {
        LoadScenarioRecord(key);
        const pmn_record& r = CurrentPmn;
        count += static_cast<int>(std::count(r.RELEASES.begin(), r.RELEASES.end(), 'X'));
        if (Released(r, 0) && r.SIC_CODE == 0 && ReachRec.LOW_FLOW > 0 && ReachRec.HarmonicFlow > 0)
            ++count;
    }
    const int rows = static_cast<int>(Inputs.ReleaseKeys.size()) + 1;
    OmbrixProgress->setRange(0, 2 * (count + rows));
    OmbrixProgress->setValue(0);
}

void TScrResForm::RunAllScenarios() {
    ResetRun();
    if (Inputs.ReleaseKeys.empty()) {
        RunTotalsOpen = false;
        ShowPage(EnvRelResPage, true);
        forms::Ui().MessageBox("There are no releases of this chemical to calculate.", "Note",
                               forms::Buttons::Ok, forms::Icon::Information);
        return;
    }
    CountProgress();
    for (size_t i = 0; i < Inputs.ReleaseKeys.size(); ++i)
        RunRelease(static_cast<int>(i) + 1, Inputs.ReleaseKeys[i]);
    if (Inputs.ExposureBased || Inputs.Persistent) {
        FillSpecialEvaluationGrid();
        WriteSpecialEvaluationPart(*this);
    }
    RunTotalsOpen = false;
    ShowFirstRows();
    AssembleFinalReport();
    FinishRun();
}

void TScrResForm::RunRelease(int row, const std::string& key) {
    LoadScenarioRecord(key);
    {
        const QSignalBlocker quiet(ChemListEnvRel);
        ChemListEnvRel->SetCells(0, row, key);
    }
    CalcEnvironmentalReleases(*this);
    WriteReportPart(*this, ReportPart::EnvRelease);
    StepProgress();
    const pmn_record& r = CurrentPmn;
    if (Released(r, 0) && SurfaceWaterSelected && !r.NOWATER)
        RunSurfaceWater(key);
    if (Released(r, 1) && LandfillSelected && !r.NOLAND) {
        AddToList(ChemListLandfill, counters_[LandfillRows], key);
        CalcLandfillExposure(*this);
        WriteReportPart(*this, ReportPart::Landfill);
        StepProgress();
    }
    if (Released(r, 2) && AmbientAirSelected && !r.NOAIR) {
        CalcIncinerationExposure(*this);
        StepProgress();
    }
    if (Released(r, 3) && AmbientAirSelected && !r.NOAIR) {
        AddToList(ChemListFugitive, counters_[AirRows], key);
        CalcInhalationExposure(*this);
        WriteReportPart(*this, ReportPart::Inhalation);
        StepProgress();
    }
}

void TScrResForm::RunSurfaceWater(const std::string& key) {
    const pmn_record& r = CurrentPmn;
    if (r.SIC_CODE > IndustryCategoryCount) {
        // Its flows and code list would be another category's: nothing is shown for it.
        forms::Ui().MessageBox("Release " + key + " has the industry category " +
                                   std::to_string(r.SIC_CODE) +
                                   ", which is not one of the categories 1 to " +
                                   std::to_string(IndustryCategoryCount) +
                                   "; its industry-code results are not calculated.",
                               "Error", forms::Buttons::Ok, forms::Icon::Error);
        StepProgress();
        return;
    }
    if (r.SIC_CODE > 0) {
        AddToList(ChemListSic, counters_[SicRows], key);
        SetSicCodesForCategory();
        CalcSicCodeExposure(*this);
        WriteReportPart(*this, ReportPart::SicCode);
        StepProgress();
        RunSicDilution(key);
        return;
    }
    if ((ReachRec.LOW_FLOW == 0 && ReachRec.HarmonicFlow == 0) || !DirectRec.Found) {
        AddToList(ChemListLakes, counters_[LakeRows], key);
        CalcLakeExposure(*this);
        FillSpeciesGrid(*EndSpecLake);
        WriteReportPart(*this, ReportPart::Lake);
        StepProgress();
        return;
    }
    AddToList(ChemListSite, counters_[RiverRows], key);
    CalcRiverSiteExposure(*this);
    FillSpeciesGrid(*EndSpecSite);
    RiverTabs->setTabVisible(RiverTabs->indexOf(EndangeredSpecies), r.CRITTERS);
    WriteReportPart(*this, ReportPart::RiverSite);
    StepProgress();
    RunSiteDilution(key);
}

namespace {

bool NeedsRetry(double percent, double below) {
    return percent > 100 || (percent > 0 && percent < below);
}

// Tells once per run that the dilution row file could not be written.
void ReportRowFileFailure(bool& told) {
    if (told)
        return;
    told = true;
    forms::Ui().MessageBox(
        "The dilution results could not be written to " +
            sys::NativePath(sys::JoinPath(sys::WorkingFolder(), DilutionRowFileName)) +
            ", so the dilution report parts are left out.",
        "Error", forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

void TScrResForm::RunSicDilution(const std::string& key) {
    pmn_record& r = CurrentPmn;
    const bool excluded = IsBadPdmRelease();
    if (!excluded) {
        AddToList(ChemListPdmSic, counters_[PdmSicRows], key);
        PdmHighEnd = r.WHICHANAL;
        PdmSicStoredRow stored;
        const double cocs[3] = {r.COC0, r.COC1, r.COC2};
        for (int k = 0; k < 3; ++k) {
            const size_t s = static_cast<size_t>(k);
            if (cocs[k] > 0) {
                RunPdmSic(PdmSicRun, k, r.SIC_CODE, 1);
                StorePdmSicDaysExceeded(PdmSicRun, k, 1);
                if (NeedsRetry(PdmPercentExceeded[k], 1e-10)) {
                    RunPdmSic(PdmSicRun, k, r.SIC_CODE, 1);
                    StorePdmSicDaysExceeded(PdmSicRun, k, 1);
                }
                stored.coc[s] = PdmCoc[k];
                stored.days[s] = PdmDaysExceeded[k];
                stored.percent[s] = PdmPercentExceeded[k];
                r.PdmSicDays[s] = PdmDaysExceeded[k];
                r.PdmSicPercent[s] = PdmPercentExceeded[k];
            }
            Coc[s]->addItem(QString::fromStdString(sys::FixedHalfAway(stored.coc[s], 2)));
            Days[s]->addItem(QString::fromStdString(sys::FixedHalfAway(stored.days[s], 0)));
            Percent[s]->addItem(QString::fromStdString(sys::FixedHalfAway(stored.percent[s], 2)));
        }
        PdmSicStored.push_back(stored);
    }
    PdmScenarioText = r.WHICHANAL != 0 ? "High" : "Avg";
    PdmSicResultRows = 1;
    const std::array<double, 3> levels =
        excluded ? std::array<double, 3>{} : std::array<double, 3>{r.COC0, r.COC1, r.COC2};
    const bool written = WriteDilutionRowFile(
        DilutionRowFileName,
        DilutionRowFileText(DilutionRowKind::IndustryCode, levels, PdmScenarioText));
    if (!written)
        ReportRowFileFailure(rowFileFailureTold_);
    if (!excluded && written)
        WriteReportPart(*this, ReportPart::PdmSic);
    StepProgress();
}

void TScrResForm::RunSiteDilution(const std::string& key) {
    const pmn_record& r = CurrentPmn;
    const bool excluded = IsBadPdmRelease();
    if (!excluded) {
        AddToList(ChemListPdmSite, counters_[PdmRiverRows], key);
        for (int k = 0; k < 3; ++k) {
            RunPdmSite(k);
            if (NeedsRetry(PdmPercentExceeded[k], 1e-6))
                RunPdmSite(k);
        }
    }
    const std::array<double, 3> levels =
        excluded ? std::array<double, 3>{} : std::array<double, 3>{r.COC0, r.COC1, r.COC2};
    const bool written = WriteDilutionRowFile(
        DilutionRowFileName, DilutionRowFileText(DilutionRowKind::Site, levels, ""));
    if (!written)
        ReportRowFileFailure(rowFileFailureTold_);
    if (!excluded && written)
        WriteReportPart(*this, ReportPart::PdmSite);
    StepProgress();
}

bool TScrResForm::SelectRow(forms::TStringGrid* list, int row, std::string& key) {
    if (row < 1 || row >= list->RowCount())
        return false;
    key = list->Cells(0, row);
    if (key.empty())
        return false;
    const QSignalBlocker quiet(list);
    list->setCurrentCell(row, 0);
    return true;
}

void TScrResForm::RunPdmSiteForCocs() {
    for (int k = 0; k < 3; ++k) {
        RunPdmSite(k);
        ShowPdmSiteResults();
    }
}

void TScrResForm::RunPdmSicForCocs() {
    const pmn_record& r = CurrentPmn;
    PdmHighEnd = r.WHICHANAL;
    for (int k = 0; k < 3; ++k) {
        RunPdmSic(PdmSicRun, k, r.SIC_CODE, 1);
        StorePdmSicDaysExceeded(PdmSicRun, k, 1);
        if (NeedsRetry(PdmPercentExceeded[k], 1e-6)) {
            RunPdmSic(PdmSicRun, k, r.SIC_CODE, 1);
            StorePdmSicDaysExceeded(PdmSicRun, k, 1);
        }
    }
}

void TScrResForm::ShowFirstRows() {
    std::string key;
    ShowPage(EnvRelResPage, true);
    ScrResults->setCurrentWidget(EnvRelResPage);
    if (SelectRow(ChemListEnvRel, 1, key)) {
        LoadScenarioRecord(key);
        CalcEnvironmentalReleases(*this);
        ShowEnvReleaseResults();
    }
    struct FirstRow {
        int counter;
        QWidget* page;
        forms::TStringGrid* list;
        std::function<void()> show;
    };
    const FirstRow pages[] = {
        {RiverRows, SurfWaterResPage, ChemListSite,
         [this] {
             CalcRiverSiteExposure(*this);
             ShowRiverSiteResults();
         }},
        {PdmRiverRows, PdmSitePage, ChemListPdmSite,
         [this] {
             // The dilution runs use this release's load, not the one left by the run.
             pmn_record& r = CurrentPmn;
             r.PostTreat = r.H2O_HI - r.H2O_HI * r.WWT_LOW * 0.01;
             RunPdmSiteForCocs();
         }},
        {SicRows, SicPage, ChemListSic,
         [this] {
             CalcSicCodeExposure(*this);
             ShowSicCodeResults();
         }},
        {PdmSicRows, PdmSicPage, ChemListPdmSic,
         [this] {
             RunPdmSicForCocs();
             ShowPdmSicResults();
         }},
        {LakeRows, LakesPage, ChemListLakes,
         [this] {
             CalcLakeExposure(*this);
             ShowLakeResults();
         }},
        {LandfillRows, LandfillPage, ChemListLandfill,
         [this] {
             CalcLandfillExposure(*this);
             ShowLandfillResults();
         }},
        {AirRows, FugitivePage, ChemListFugitive,
         [this] {
             CalcInhalationExposure(*this);
             ShowInhalationResults();
         }},
    };
    for (const FirstRow& page : pages) {
        if (counters_[static_cast<size_t>(page.counter)] <= 0)
            continue;
        ShowPage(page.page, true);
        ScrResults->setCurrentWidget(page.page);
        if (SelectRow(page.list, 1, key)) {
            LoadScenarioRecord(key);
            page.show();
        }
    }
}

void TScrResForm::AssembleFinalReport() {
    try {
        const std::optional<std::string> name = AssembleReport(*this);
        FinalReport = name.value_or("");
    } catch (const std::exception& error) {
        FinalReport.clear();
        forms::Ui().MessageBox(
            std::string("The final report could not be assembled: ") + error.what(), "Error",
            forms::Buttons::Ok, forms::Icon::Error);
    }
}

void TScrResForm::ReportUnusableInputs() {
    const std::string message = UnusableInputsMessage(UnusableInputs);
    if (!message.empty())
        forms::Ui().MessageBox(message, "Warning", forms::Buttons::Ok, forms::Icon::Warning);
}

void TScrResForm::FinishRun() {
    ScrResults->setCurrentWidget(EnvRelResPage);
    ReportUnusableInputs();
    if (!QuietMode) {
        if (!FinalReport.empty()) {
            forms::Ui().MessageBox("Final report stored as " + sys::NativePath(FinalReport),
                                   "Calculations Complete", forms::Buttons::Ok,
                                   forms::Icon::Information);
        } else {
            forms::Ui().MessageBox(
                "The calculations are complete, but the final report could not be stored.",
                "Calculations Complete", forms::Buttons::Ok, forms::Icon::Warning);
        }
    }
    ShowPage(Progress, false);
    GagePdmSite->setEnabled(false);
}
