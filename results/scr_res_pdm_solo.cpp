// The dilution pages of the results form used alone: their set-up, the form's activation for
// them, the release list of the site page, and the limit of the result grids.
#include "results/scr_res_pdm_solo.h"

#include <QSignalBlocker>

#include "dilution/pdm_results.h"
#include "platform/forms/ui_service.h"
#include "results/scr_res_form.h"
#include "scenario/case_choices.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

namespace {

// The chemical ids up to the first run of the current chemical; the current chemical is the last
// entry even when the table holds no release of it yet.
std::vector<std::string> ChemicalIdsUpToCurrent(const std::string& current) {
    std::vector<std::string> ids = ChemicalIdsInOrder(AllReleaseKeys());
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == current) {
            ids.resize(i + 1);
            return ids;
        }
    }
    ids.push_back(current);
    return ids;
}

// The keys of the chemical's releases that have no industry category, in table order.
std::vector<std::string> SiteReleaseKeys(const std::string& chemicalId) {
    std::vector<std::string> keys;
    tables::Table& table = Tables().PmnTable;
    const std::string prefix = chemicalId + ",";
    for (table.FindNearest(prefix); !table.Eof(); table.Next()) {
        const std::string key = PmnFieldAsString("PMN_ID");
        if (key.compare(0, prefix.size(), prefix) != 0)
            break;
        if (PmnFieldAsInteger("SIC_CODE") <= 0)
            keys.push_back(key);
    }
    return keys;
}

}  // namespace

std::vector<std::string> ChemicalIdsInOrder(const std::vector<std::string>& keys) {
    std::vector<std::string> ids;
    for (const std::string& key : keys) {
        const std::string id = ChemicalIdOf(key);
        if (ids.empty() || ids.back() != id)
            ids.push_back(id);
    }
    return ids;
}

void SetUpPdmPages(TScrResForm& form) {
    const std::vector<std::string> ids = ChemicalIdsUpToCurrent(SelectedChemId);
    {
        // Only the list is filled: choosing a chemical is the user's action.
        const QSignalBlocker quiet(form.ChemListSoloPdmSic);
        form.ChemListSoloPdmSic->clear();
        for (const std::string& id : ids)
            form.ChemListSoloPdmSic->addItem(QString::fromStdString(id));
        ChemIdIndex = static_cast<int>(ids.size()) - 1;
        form.ChemListSoloPdmSic->setCurrentIndex(ChemIdIndex);
    }
    form.CalcAsTreatPdmSite->hide();
    PdmPagesActive = 1;
}

void OpenDilutionPagesAlone() {
    const FlagClearedOnExit pagesDone(PdmPagesActive);
    TScrResForm form;
    SetUpPdmPages(form);
    form.ShowModal();
}

bool ResultGridFull(const forms::TStringGrid& grid, int nextRow) {
    if (nextRow < grid.RowCount())
        return false;
    forms::Ui().MessageBox("The results table is full. Clear the results before the next run.",
                           "Note", forms::Buttons::Ok, forms::Icon::Information);
    return true;
}

void TScrResForm::ShowDilutionPagesAlone() {
    for (QWidget* page : {Progress, EnvRelResPage, SurfWaterResPage, SicPage, LakesPage,
                          FugitivePage, LandfillPage})
        ShowPage(page, false);
    ShowPage(PdmSitePage, true);
    ShowPage(PdmSicPage, true);
    // The release grids belong to the full run; these pages name their release in a list.
    for (QWidget* w : std::initializer_list<QWidget*>{
             ChemListPdmSite, ChemListPdmSic, ChemListSoloPdmSite, ChemListSoloPdmSic,
             SubmitPdmSite, SavePdmSite, SubmitAndSaveSite, SubmitNewSite, SubmitReallyNewSite,
             ClearPdmSiteScreen, CalcAsTreatPdmSite, CalcWwtPdmSic, SubmitPdmSic, SavePdmSic,
             SubmitAndSaveSic, NextReleaseActivity})
        w->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{
             RelNumPDMSite, NpdesListPdmSite, FindNpdesPdmSite, PdmSiteResultsList,
             ClearPdmSiteResults, RelNumPDMSic, PdmSicResultsList, SubmitNewSic, SubmitReallyNewSic,
             ClearPdmSicResults, ClearPdmSicScreen, NextReleaseActivityPdmSic})
        w->show();
    // Each submit runs with the category and analysis chosen.
    OfferPdmSicChoices(true);
    // The chemical is named by the release keys.
    ShowField("CasNumPdmSite", false);
    ShowField("CasNumPdmSic", false);
    // The grids of this visit are empty.
    PdmSiteResultRows = PdmSicResultRows = 1;
    SetResultGridUnits();
    ScrResults->setCurrentWidget(PdmSitePage);
    // The industry-code page's chemical list is hidden: its releases are listed here. The site
    // page's release, filled last, is the one the record holds.
    ChemListSoloPdmSicChange();
    FillSiteReleaseNumbers();
}

void TScrResForm::FillSiteReleaseNumbers() {
    std::string chemicalId = ChemListSoloPdmSic->currentText().toStdString();
    if (chemicalId.empty())
        chemicalId = SelectedChemId;
    {
        const QSignalBlocker quiet(RelNumPDMSite);
        RelNumPDMSite->clear();
        for (const std::string& key : SiteReleaseKeys(chemicalId))
            RelNumPDMSite->addItem(QString::fromStdString(key));
        RelNumPDMSite->setCurrentIndex(RelNumPDMSite->count() > 0 ? 0 : -1);
    }
    RelNumPDMSiteChange();
}

void TScrResForm::RelNumPDMSiteChange() {
    SavePdmSite->hide();
    SubmitAndSaveSite->hide();
    const std::string key = RelNumPDMSite->currentText().toStdString();
    if (key.empty())
        return;
    LoadScenarioRecord(key);
    const pmn_record& r = CurrentPmn;
    SetField("IndTypePdmSite", r.RELEASE);
    SetValue("RelDaysPdmSite", r.H2ODAYLO);
    SetValue("CocPdmSite", r.COC0);
    SetValue("PreTreatPdmSite", r.H2O_HI);
    ShowPostTreatmentRelease(1);
    if (r.NPDES.empty()) {
        // No facility yet: it is found on the page before a run.
        for (const char* name : {"FacNamePdmSite", "FacLocPdmSite", "NpdesPdmSite",
                                 "ReachNumPdmSite", "ReachNamePdmSite", "DischargeTypePdmSite"})
            SetField(name, "");
        SetValue("WwtPdmSite", r.WWT_LOW);
        SubmitNewSite->hide();
        SubmitReallyNewSite->hide();
        ClearPdmSiteResultsClick();
        return;
    }
    UseRecordNpdes = true;
    try {
        NpdesListPdmSiteChange();
    } catch (...) {
        UseRecordNpdes = false;
        throw;
    }
    UseRecordNpdes = false;
}

void TScrResForm::SetResultGridUnits() {
    const char* const siteUnits[] = {"  (ug/L)",  "          (%)", "        (Days)",
                                     "   (Days)", "(kg/site/day)", "  (%)"};
    for (int col = 0; col < 6; ++col)
        PdmSiteResultsList->SetCells(col, 0, siteUnits[col]);
    const char* const sicUnits[] = {" (ug/L)",       "       (%)", "     (Days)", "   (Days)",
                                    "(kg/site/day)", "(%)",        "Analysis"};
    for (int col = 0; col < 7; ++col)
        PdmSicResultsList->SetCells(col, 0, sicUnits[col]);
}
