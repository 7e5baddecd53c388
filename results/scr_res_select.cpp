// Selecting a release on a result page, and the help, close and page-shown handlers.
#include <QSignalBlocker>
#include <QTabWidget>

#include "dilution/pdm_results.h"
#include "dilution/pdm_site_run.h"
#include "exposure/exposure_calcs.h"
#include "platform/forms/ui_service.h"
#include "results/scr_res_form.h"
#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

// The key of a release row of a list; empty for the header row or a row past the list.
std::string KeyOfRow(const forms::TStringGrid& list, int row) {
    return row >= 1 && row < list.RowCount() ? list.Cells(0, row) : std::string();
}

}  // namespace

void TScrResForm::ReportUnusableInputsOfSelection() {
    ReportUnusableInputs();
    UnusableInputs.clear();
}

void TScrResForm::SelectRelease(const forms::TStringGrid& list, int row,
                                void (*calculate)(RunTotals&), void (TScrResForm::*show)()) {
    const std::string key = KeyOfRow(list, row);
    if (key.empty())
        return;
    LoadScenarioRecord(key);
    UnusableInputs.clear();
    calculate(*this);
    (this->*show)();
    ReportUnusableInputsOfSelection();
}

void TScrResForm::ChemListEnvRelSelectCell(int, int row) {
    SelectRelease(*ChemListEnvRel, row, CalcEnvironmentalReleases,
                  &TScrResForm::ShowEnvReleaseResults);
}

void TScrResForm::ChemListSiteSelectCell(int, int row) {
    SelectRelease(*ChemListSite, row, CalcRiverSiteExposure, &TScrResForm::ShowRiverSiteResults);
}

void TScrResForm::ChemListSicSelectCell(int, int row) {
    SelectRelease(*ChemListSic, row, CalcSicCodeExposure, &TScrResForm::ShowSicCodeResults);
}

void TScrResForm::ChemListLakesSelectCell(int, int row) {
    SelectRelease(*ChemListLakes, row, CalcLakeExposure, &TScrResForm::ShowLakeResults);
}

void TScrResForm::ChemListFugitiveSelectCell(int, int row) {
    SelectRelease(*ChemListFugitive, row, CalcInhalationExposure,
                  &TScrResForm::ShowInhalationResults);
}

void TScrResForm::ChemListLandfillSelectCell(int, int row) {
    SelectRelease(*ChemListLandfill, row, CalcLandfillExposure, &TScrResForm::ShowLandfillResults);
}

void TScrResForm::ChemListPdmSiteSelectCell(int, int row) {
    const std::string key = KeyOfRow(*ChemListPdmSite, row);
    if (key.empty())
        return;
    LoadScenarioRecord(key);
    pmn_record& r = CurrentPmn;
    r.PostTreat = r.H2O_HI - r.H2O_HI * r.WWT_LOW * 0.01;
    notRiverShown_ = false;
    RunPdmSiteForCocs();
}

void TScrResForm::ChemListPdmSicSelectCell(int, int row) {
    const std::string key = KeyOfRow(*ChemListPdmSic, row);
    if (key.empty() || static_cast<size_t>(row) > PdmSicStored.size())
        return;
    LoadScenarioRecord(key);
    pmn_record& r = CurrentPmn;
    r.PostTreat = r.H2O_HI - r.H2O_HI * r.WWT_LOW * 0.01;
    PdmHighEnd = r.WHICHANAL;
    // The numbers kept from the run, not the texts of the lists.
    const PdmSicStoredRow& stored = PdmSicStored[static_cast<size_t>(row - 1)];
    for (size_t k = 0; k < 3; ++k) {
        PdmCoc[k] = stored.coc[k];
        PdmDaysExceeded[k] = stored.days[k];
        PdmPercentExceeded[k] = stored.percent[k];
    }
    // The results list shows the selected release alone.
    for (int listRow = 1; listRow < PdmSicResultsList->RowCount(); ++listRow) {
        for (int col = 0; col < 7; ++col)
            PdmSicResultsList->SetCells(col, listRow, "");
    }
    PdmSicResultRows = 1;
    ShowPdmSicResults();
    // What the pre-treatment input's exit does, from the record's own release: the page shows it
    // rounded, and a shown text read back would change the release.
    r.H2O_LO = r.H2O_HI;
    r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
    ShowPostTreatmentRelease(2);
    r.DAYSSLUDGE = r.H2ODAYHI;
}

void TScrResForm::EnvRelHelpClick() {
    forms::Ui().ShowHelp("Environmental_Release_Results_Page");
}

namespace {

void HelpByTab(const QTabWidget* tabs, const std::vector<std::pair<QWidget*, const char*>>& map) {
    for (const auto& [tab, topic] : map) {
        if (tabs->currentWidget() == tab) {
            forms::Ui().ShowHelp(topic);
            return;
        }
    }
}

}  // namespace

void TScrResForm::RiverHelpClick() {
    HelpByTab(RiverTabs, {{SurfWater, "River_Results___General_Site_Information"},
                          {DrinkingWaterInfo, "River_Results___Drinking_Water_Information"},
                          {FishIngestionInfo, "River_Results___Fish_Ingestion_Information"},
                          {EndangeredSpecies, "River_Results___Endangered_Species"}});
}

void TScrResForm::SicHelpClick() {
    HelpByTab(SicTabs, {{GenSicTab, "SIC_Code_Results___General_Site_Information"},
                        {DwTab, "SIC_Code_Results___Drinking_Water_Information"},
                        {FishTab, "SIC_Code_Results___Fish_Ingestion_Information"}});
}

void TScrResForm::LakeHelpClick() {
    HelpByTab(LakeTabs, {{GenLakeResultsPage, "Lake_Results___General_Lake_Information"},
                         {FishLakesPage, "Lake_Results___Fish_Ingestion_Information"},
                         {EndSpeciesLake, "Lake_Results___Endangered_Species"}});
}

void TScrResForm::LandfillHelpClick() {
    forms::Ui().ShowHelp("Landfill_Results_Page");
}

void TScrResForm::FugitiveHelpClick() {
    forms::Ui().ShowHelp("Inhalation_Results");
}

void TScrResForm::PdmSiteHelpClick() {
    forms::Ui().ShowHelp("PDM_Site_Specific_Results");
}

void TScrResForm::PdmSicHelpClick() {
    forms::Ui().ShowHelp("PDM_SIC_Code_Results");
}

void TScrResForm::BitBtn1Click() {
    Close();
}

namespace {

// Loads the release of the list's selected row, so the record holds what the page shows.
void LoadSelectedRelease(const forms::TStringGrid& list) {
    const std::string key = KeyOfRow(list, list.Row());
    if (!key.empty())
        LoadScenarioRecord(key);
}

}  // namespace

void TScrResForm::SurfWaterResPageShow() {
    LoadSelectedRelease(*ChemListSite);
}

void TScrResForm::SicPageShow() {
    LoadSelectedRelease(*ChemListSic);
}

void TScrResForm::LakesPageShow() {
    LoadSelectedRelease(*ChemListLakes);
}

void TScrResForm::FugitivePageShow() {
    LoadSelectedRelease(*ChemListFugitive);
}

void TScrResForm::LandfillPageShow() {
    LoadSelectedRelease(*ChemListLandfill);
}

void TScrResForm::PdmSitePageEnter() {
    SubmitAndSaveSite->hide();
}

void TScrResForm::PdmSicPageEnter() {
    SubmitAndSaveSic->hide();
}
