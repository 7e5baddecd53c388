// TScrResForm: the results form, its pages, the run over every release of the chemical and the
// selection of a release on a page.
#pragma once

#include <QComboBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QTabWidget>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "dilution/pdm_category_run.h"
#include "documents/wpd_report_state.h"
#include "exposure/run_totals.h"
#include "platform/forms/components.h"
#include "platform/forms/form.h"

// What the run takes from the screening-level input form: the release keys of the chemical in
// the order listed, the keys the assessor excluded from the dilution model, and the special
// evaluations asked.
struct ResultsRunInputs {
    std::vector<std::string> ReleaseKeys;
    std::vector<std::string> BadPdmKeys;
    bool ExposureBased = false;
    bool Persistent = false;
};
// The inputs as the screening-level input form holds them now (empty without the form).
ResultsRunInputs InputsFromReleaseForm();

// The dilution results of one industry-code release of the run, kept for its list row.
struct PdmSicStoredRow {
    std::array<double, 3> coc{};
    std::array<double, 3> days{};
    std::array<double, 3> percent{};
};

class TScrResForm : public forms::Form, public RunTotals {
  public:
    TScrResForm();
    ~TScrResForm() override;

    // Inputs of the run; taken from the input form when the form is created.
    ResultsRunInputs Inputs;

    // Pages.
    QTabWidget* ScrResults;
    QWidget* Progress;
    QWidget* EnvRelResPage;
    QTabWidget* EnvRelTabs;
    QWidget* RelValPage;
    QWidget* SpecEvalPage;
    QWidget* SurfWaterResPage;
    QTabWidget* RiverTabs;
    QWidget* SurfWater;
    QWidget* DrinkingWaterInfo;
    QWidget* FishIngestionInfo;
    QWidget* EndangeredSpecies;
    QWidget* SicPage;
    QTabWidget* SicTabs;
    QWidget* GenSicTab;
    QWidget* DwTab;
    QWidget* FishTab;
    QWidget* LakesPage;
    QTabWidget* LakeTabs;
    QWidget* GenLakeResultsPage;
    QWidget* FishLakesPage;
    QWidget* EndSpeciesLake;
    QWidget* LakeDilutionPage;
    QWidget* FugitivePage;
    QWidget* LandfillPage;
    QWidget* PdmSitePage;
    QWidget* PdmSicPage;

    // Progress page.
    QProgressBar* OmbrixProgress;
    forms::TStringGrid* FilesList;
    forms::TEdit* Edit1;

    // Release lists, one per page.
    forms::TStringGrid* ChemListEnvRel;
    forms::TStringGrid* ChemListSite;
    forms::TStringGrid* ChemListSic;
    forms::TStringGrid* ChemListLakes;
    forms::TStringGrid* ChemListFugitive;
    forms::TStringGrid* ChemListLandfill;
    forms::TStringGrid* ChemListPdmSite;
    forms::TStringGrid* ChemListPdmSic;

    forms::TStringGrid* SpecGrid;
    forms::TLabel* CritExceededLabel;
    forms::TStringGrid* EndSpecSite;
    forms::TLabel* NoSpeciesLabel;
    forms::TStringGrid* EndSpecLake;
    forms::TMemo* RiverMemo1;
    forms::TMemo* SicMemo1;
    forms::TMemo* LakeMemo1;
    forms::TMemo* FugMemo1;
    forms::TMemo* LandfillMemo1;
    forms::TMemo* RemarksEnvRel;

    forms::TRadioButton *YesSite, *NoSite, *UnkSite;
    forms::TRadioButton *YesLake, *NoLake, *UnkLake;
    forms::TRadioButton *YesPdmSite, *NoPdmSite, *UnkPdmSite;
    forms::TRadioButton *HiEndPdmSic, *AvePdmSic;

    // Dilution pages.
    forms::TStringGrid* PdmSiteResultsList;
    forms::TStringGrid* PdmSicResultsList;
    QComboBox* GagePdmSite;
    QComboBox* NpdesListPdmSite;
    QComboBox* SicDescPdmSic;
    QComboBox* ChemListSoloPdmSite;
    QComboBox* ChemListSoloPdmSic;
    QComboBox* RelNumPDMSite;
    QComboBox* RelNumPDMSic;
    // Per-release dilution lists of the industry-code page, entry r - 1 for list row r.
    std::array<QComboBox*, 3> Coc;
    std::array<QComboBox*, 3> Days;
    std::array<QComboBox*, 3> Percent;
    forms::TLabel *GageLabel, *PeriodLabel, *ObsLabel, *EffLabel, *EffUnitLabel;
    std::array<forms::TLabel*, 3> PdmSiteRunLabels;
    std::array<forms::TLabel*, 3> PdmSicRunLabels;
    forms::TButton *SubmitPdmSite, *SubmitNewSite, *SubmitReallyNewSite, *SavePdmSite,
        *SubmitAndSaveSite, *ClearPdmSiteResults, *FindNpdesPdmSite, *ClearPdmSiteScreen;
    forms::TButton *SubmitPdmSic, *SubmitNewSic, *SubmitReallyNewSic, *SavePdmSic,
        *SubmitAndSaveSic, *ClearPdmSicResults, *ClearPdmSicScreen, *NextReleaseActivity,
        *NextReleaseActivityPdmSic;
    // The other controls the run hides on the dilution pages (panels and labels).
    std::vector<QWidget*> PdmHiddenByRun;

    // Buttons.
    // "Print Page" of each page, in page order (the last on the industry-code dilution page).
    forms::TButton *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8;
    forms::TButton *EnvRelHelp, *RiverHelp, *SicHelp, *LakeHelp, *LandfillHelp, *FugitiveHelp,
        *PdmSiteHelp, *PdmSicHelp, *BitBtn1;

    // The read-only text fields of the pages, by component name ("FacNameSite", "DwLaddSite").
    forms::TEdit* Field(const std::string& name) const;
    std::string FieldText(const std::string& name) const;

    // Members of the run.
    WpdReportState Report;
    PdmSicRunTarget PdmSicRun;
    std::string in_file_name;
    bool QuietMode = false;
    bool PdmSavingResults = false;
    bool PdmReleaseChanging = false;
    std::vector<PdmSicStoredRow> PdmSicStored;  // row r - 1 of ChemListPdmSic
    // The final report as stored by the assembly; empty when none was stored.
    std::string FinalReport;

    void FormActivate() override;
    void RunAllScenarios();
    bool IsBadPdmRelease() const;

    // Show operations of the pages.
    void ShowEnvReleaseResults();
    void ShowRiverSiteResults();
    void ShowSicCodeResults();
    void ShowLakeResults();
    void ShowInhalationResults();
    void ShowLandfillResults();
    void ShowIncinerationResults() {}
    void ShowPdmSiteResults();
    void ShowPdmSicInputs();
    void ShowPdmSicResults();
    void ShowPostTreatmentRelease(int page);
    void FillSpecialEvaluationGrid();

    // Release selection.
    void ChemListEnvRelSelectCell(int col, int row);
    void ChemListSiteSelectCell(int col, int row);
    void ChemListSicSelectCell(int col, int row);
    void ChemListLakesSelectCell(int col, int row);
    void ChemListFugitiveSelectCell(int col, int row);
    void ChemListLandfillSelectCell(int col, int row);
    void ChemListPdmSiteSelectCell(int col, int row);
    void ChemListPdmSicSelectCell(int col, int row);

    // Help, close and page handlers.
    void EnvRelHelpClick();
    void RiverHelpClick();
    void SicHelpClick();
    void LakeHelpClick();
    void LandfillHelpClick();
    void FugitiveHelpClick();
    void PdmSiteHelpClick();
    void PdmSicHelpClick();
    void BitBtn1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void SurfWaterResPageShow();
    void SicPageShow();
    void LakesPageShow();
    void FugitivePageShow();
    void LandfillPageShow();
    void PdmSitePageEnter();
    void PdmSicPageEnter();
    void NextReleaseActivityPdmSicClick();
    void RelNumPDMSicChange();
    void ClearPdmSicScreenClick();
    void SicDescPdmSicChange();
    void PreTreatPdmSicExit();
    void CollectPdmSicInputs();
    // The rest of the dilution industry-code page: the chemical, the analysis, the inputs and
    // their checks, the submit commands and the hidden run on the older tables.
    void ChemListSoloPdmSicChange();
    // Whether the category list and the analysis can be chosen: on the stand-alone pages, where
    // a submit runs with them, not in a full run.
    void OfferPdmSicChoices(bool offered);
    void HiEndPdmSicClick();
    void AvePdmSicClick();
    void WwtPdmSicExit();
    void RelDaysPdmSicExit();
    void CocPdmSicExit();
    void ClearPdmSicResultsClick();
    void SubmitNewSicClick();
    void SubmitReallyNewSicClick();
    void SubmitAndSaveSicClick();
    void SubmitPdmSicClick();
    void ConnectPdmSicPage();

    // The dilution site page and the saves of both dilution pages.
    std::string MissingInputsText;   // the site inputs still 0, for the submit's message
    std::string ReportBaseName;      // the report name chosen, less its extension
    bool SaveWithoutAsking = false;  // the save takes the proposed name without a dialog
    bool UseRecordNpdes = false;     // the facility choice takes the record's NPDES
    bool KeepPdmResults = false;     // the result grids are left as they are while set
    void SavePdmSiteClick();
    void SavePdmSicClick();
    // Runs a page's save command with SaveWithoutAsking set around it.
    void SaveWithoutAskingBy(void (TScrResForm::*save)());
    void NpdesListPdmSiteChange();
    void FindNpdesPdmSiteClick();
    void GagePdmSiteChange();
    void WwtPdmSiteExit();
    void RelDaysPdmSiteExit();
    void CocPdmSiteExit();
    void PreTreatPdmSiteExit();
    int CollectPdmSiteInputs();
    void ClearPdmSiteResultsClick();
    void SubmitNewSiteClick();
    void SubmitReallyNewSiteClick();
    void SubmitAndSaveSiteClick();
    void CalcAsTreatPdmSiteClick();
    void SubmitPdmSiteClick();
    void PdmSitePageShow();
    void PdmSitePageExit();
    // Shows or hides a text field of a page with its label.
    void ShowField(const std::string& name, bool shown);

    // The dilution pages used alone (PdmPagesActive set before the form is shown).
    forms::TButton* CalcAsTreatPdmSite;  // "Calc", never shown
    forms::TButton* CalcWwtPdmSic;       // "Calc", never shown
    void CalcWwtPdmSicClick();
    void RelNumPDMSiteChange();
    // Activation of the form for the dilution pages alone: no run over the releases.
    void ShowDilutionPagesAlone();
    // Fills the site page's release list with the chemical's releases that have no industry
    // category, and loads the first.
    void FillSiteReleaseNumbers();
    // The units row (row 0) of both result grids.
    void SetResultGridUnits();

  private:
    void ConnectPdmSitePage();
    void FillGageList();
    void ShowGageGroup(bool shown);
    void ShowPdmSiteResultRow();
    // Empties the report part list before a dilution page's submit when that page's result
    // grid is shown.
    void ForgetPartsBeforeSubmit(const forms::TStringGrid& resultsList);

  public:
  private:
    void BuildLayout();
    void BuildProgressPage();
    void BuildEnvReleasePage();
    void BuildRiverPage();
    void BuildSicPage();
    void BuildLakePage();
    void BuildInhalationPage();
    void BuildLandfillPage();
    void BuildPdmSitePage();
    void BuildPdmSicPage();
    void AddPrintButtons();
    forms::TStringGrid* AddReleaseList(QWidget* page, const std::string& name,
                                       void (TScrResForm::*handler)(int, int));
    QWidget* AddFields(QWidget* parent, const std::vector<std::pair<std::string, std::string>>& f);
    QWidget* AddDoseTable(QWidget* parent, const std::array<std::string, 3>& results,
                          const std::string& suffix, const std::string& intakeTitle,
                          const std::vector<std::array<std::string, 3>>& moreResults = {});
    QHBoxLayout* AddPositionRadios(QWidget* parent, forms::TRadioButton*& yes,
                                   forms::TRadioButton*& no, forms::TRadioButton*& unknown);
    forms::TButton* AddButton(QWidget* parent, const std::string& caption,
                              void (TScrResForm::*handler)());
    void ShowPage(QWidget* page, bool shown);
    void SetField(const std::string& name, const std::string& text);
    void SetValue(const std::string& name, double value);
    void FillDoseTable(const std::array<std::string, 3>& results,
                       const std::array<double, 3>& doses, const std::string& suffix,
                       double chronicIntake, double acuteIntake, bool waterOrFish);

    void ResetRun();
    void CountProgress();
    void RunRelease(int row, const std::string& key);
    void RunSurfaceWater(const std::string& key);
    void RunSicDilution(const std::string& key);
    void RunSiteDilution(const std::string& key);
    void ShowFirstRows();
    void AssembleFinalReport();
    void FinishRun();
    void StepProgress();
    void AddToList(forms::TStringGrid* list, int& counter, const std::string& key);
    void ReportUnusableInputs();
    void ReportUnusableInputsOfSelection();
    void SelectRelease(const forms::TStringGrid& list, int row, void (*calculate)(RunTotals&),
                       void (TScrResForm::*show)());
    bool SelectRow(forms::TStringGrid* list, int row, std::string& key);
    void RunPdmSiteForCocs();
    void RunPdmSicForCocs();
    void ShowNotARiverOnce();

    std::map<std::string, forms::TEdit*> fields_;
    std::array<int, 7> counters_{};  // river, pdm river, sic, pdm sic, lake, landfill, inhalation
    bool ranOnce_ = false;
    bool sicChainBusy_ = false;
    bool notRiverShown_ = false;
    bool rowFileFailureTold_ = false;
};

// The form of the visit under way (nullptr outside it).
extern TScrResForm* ScrResForm;

// Creates the results form, shows it modally and deletes it.
void OpenScrResForm();
