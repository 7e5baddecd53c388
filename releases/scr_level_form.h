// TScrLevelForm: the screening-level input form, where each release of the chosen chemical is
// described, stored as a row of the scenario table and handed to the results run.
#pragma once

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QTabWidget>
#include <set>
#include <string>
#include <vector>

#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "releases/predictor_exchange.h"
#include "releases/shown_values.h"

// Counts and flags of the release pages, shared with the other forms of the program.
extern int ReleaseRowCount;               // releases of the current chemical, counted by "Continue"
extern int CurrentReleaseRow;             // row of ChemList whose release the pages show
extern unsigned char ReleaseListFilling;  // activation moves ChemList: its handlers do nothing
extern unsigned char SkipReleaseStore;    // a selection in ChemList does not store first
extern int FactorPageLocked;              // the exposure-factor display does nothing while 1
extern unsigned char SkipFactorCollectOnExit;  // the continue action has collected the factors
// The description of the industry category chosen last on the SIC page.
extern std::string SicDescription;

// True when the release of the key is excluded from the dilution model (its "Include PDM run"
// was unticked). Exclusions are kept by release key; false while no input form exists.
bool IsReleaseExcludedFromPdm(const std::string& releaseKey);
// The release keys listed in the input form's release list, release 1 first (empty while no
// input form exists). The results run walks these.
std::vector<std::string> ListedReleaseKeys();

class TScrLevelForm : public forms::Form {
    Q_OBJECT
  public:
    TScrLevelForm();
    ~TScrLevelForm() override;

    // Pages.
    QTabWidget* ScreenPages;
    QWidget* GenPopSheet;
    QWidget* ReleaseInfoPage;
    QWidget* ExpFactorsPage;
    QTabWidget* ReleaseInfoPages;
    QWidget* GenReleaseInfo;
    QWidget* SelectFacilityPage;
    QWidget* SelectSicCodePage;
    QTabWidget* ReleasePages;
    QWidget* SWTab;
    QWidget* LandfillTab;
    QWidget* AirTab;

    // General population page.
    QComboBox* ChemId;  // never shown
    forms::TEdit* ChemId1;
    forms::TCheckBox* Cancer;
    forms::TCheckBox* Chronic;
    forms::TCheckBox* Acute;
    forms::TRadioButton* Adult;
    forms::TRadioButton* Youth;
    forms::TRadioButton* YouthNew;
    forms::TRadioButton* Child;
    forms::TRadioButton* Toddler;
    forms::TRadioButton* Infant1_2;
    forms::TRadioButton* Infant1;
    forms::TCheckBox* ExposureBased;
    forms::TCheckBox* Persistent;
    forms::TButton* BitBtn2;
    forms::TButton* GenPopHelp;

    // General release info.
    QSpinBox* NumSites;
    forms::TCheckBox* SurfWaterCheck;
    forms::TCheckBox* LandfillCheck;
    forms::TCheckBox* FugitiveCheck;
    forms::TCheckBox* IncinerationCheck;  // never shown
    forms::TStringGrid* ChemList;
    forms::TMemo* RemarksInp;
    forms::TMemo* IndustryType;
    forms::TButton* GenRelInfoContinue;
    forms::TButton* NextReleaseActivity;
    forms::TButton* DelRelease;
    forms::TStringGrid* BadPdms;  // never shown
    forms::TButton* BitBtn1;
    forms::TButton* BitBtn3;  // never shown

    // Surface water tab.
    forms::TEdit* FacilityRel;
    forms::TEdit* SurfDays;
    forms::TCheckBox* NoWater;
    forms::TCheckBox* DoPdm;
    forms::TRadioButton* FacilityRadio;
    forms::TRadioButton* SicRadio;
    forms::TEdit* NpdesGri;
    forms::TEdit* FacName;
    forms::TEdit* SicDescGri;
    QGroupBox* PdmAnalysis;
    forms::TRadioButton* AvePdm;
    forms::TRadioButton* HiEndPdm;
    forms::TCheckBox* Critters;
    forms::TLabel* ActInactGenRel;
    forms::TButton* ModifyFlows;  // never shown
    forms::TLabel* CocLabel;
    forms::TLabel* Label24;
    forms::TLabel* CocUnitLabel;
    forms::TEdit* Coc0;
    forms::TEdit* Coc1;
    forms::TEdit* Coc2;
    forms::TButton* SwMemoButton;

    // Landfill tab.
    forms::TEdit* LandfillRel;
    forms::TEdit* NonSludgeDays;
    forms::TEdit* SludgeRel;
    forms::TEdit* SludgeDays;
    forms::TCheckBox* NoLand;
    forms::TButton* LandfillMemoButton;

    // Ambient air tab.
    forms::TEdit* Incinerate;
    forms::TEdit* IncinDays;
    forms::TEdit* FugitiveRel;
    forms::TEdit* FugDays;
    forms::TButton* CalcAirConc;
    forms::TEdit* AirConcRel;
    forms::TEdit* AirConcAcuteRel;
    forms::TEdit* AirConcRelFug;
    forms::TEdit* AirConcAcuteRelFug;
    forms::TCheckBox* NoAir;
    forms::TButton* FugCommentButton;
    QComboBox* StackUnits;       // never shown
    QComboBox* FugitiveUnits;    // never shown
    forms::TCheckBox* Downwash;  // never shown
    forms::TLabel* MetClass;     // never shown
    forms::TLabel* StabClass;    // never shown

    // Select a facility.
    QComboBox* SearchField;
    forms::TEdit* SearchFor;
    forms::TButton* PerformSearch;
    forms::TRadioButton* ByState;
    forms::TRadioButton* ByRegion;
    QComboBox* SearchArea;
    forms::TLabel* AreaLabel;
    forms::TStringGrid* FacilityGrid;
    QComboBox* GageList;
    forms::TLabel* Label221;
    forms::TButton* BitBtn4;
    forms::TButton* FacilityHelp;

    // Select an SIC code.
    forms::TStringGrid* SICGrid;
    forms::TButton* SicHelp;

    // Exposure factors.
    forms::TEdit* ChemIDExp;
    forms::TEdit* BwExp;
    forms::TEdit* EdCExp;
    forms::TEdit* EdNCExp;  // never shown
    forms::TEdit* AtCExp;
    forms::TEdit* AtNCExp;  // never shown
    forms::TEdit* DwCExp;
    forms::TEdit* DwAExp;
    forms::TEdit* FishCExp;
    forms::TEdit* FishAExp;
    forms::TEdit* InhaleExp;
    forms::TButton* ExpFactorContinue;
    forms::TButton* ExpFactorHelp;

    // Developer table tools, never shown.
    forms::TButton* Button1;
    forms::TButton* Button2;
    forms::TButton* Button3;

    // The industry category chosen for the shown release (1..36; 0 none).
    int ChosenCategory = 0;
    unsigned char CloseMemoOnShow = 0;
    unsigned char StoringForStackRun = 0;
    int GageFound = 0;

    void FormShow() override { activated_ = false; }
    void FormActivate() override;

    // Frame of the form.
    void GenPopSheetEnter();
    void BitBtn2Click();
    void GenReleaseInfoShow();
    void GenRelInfoContinueClick();
    void RefreshReleaseInputs();
    void ChemIdChange();
    void ChemIdExit();

    // Release inputs.
    void ReleaseEditChanged(forms::TEdit& edit);
    void DaysEditChanged(forms::TEdit& edit);
    void FacilityRelExit();
    void SurfDaysExit();
    void FugDaysExit();
    void LandfillRelExit();
    void SludgeRelExit();
    void IncinerateExit();
    void FugitiveRelExit();
    void AirConcAcuteRelEnter();
    void AirConcAcuteRelExit();
    void NpdesGriExit();
    void SurfWaterCheckClick();
    void LandfillCheckClick();
    void FugitiveCheckClick();
    void FacilityRadioClick();
    void SicRadioClick();

    // Storing a release: 1 when every check passed. A text that is no number stops the store
    // with a message naming the field and stores nothing (result 0).
    int StoreReleaseInputs(bool showMessages);
    // True when the last store was refused for a text that is no number (nothing stored).
    bool LastStoreRefused = false;

    // Release list.
    void ShowReleaseInputs();
    void ShowReleaseActivity();
    int FindReleaseRow() const;
    void ChemListSelectCell(int col, int row);
    void ChemListEnter();
    void NextReleaseActivityClick();
    void DelReleaseClick();

    // Facility, category and station choice.
    void SearchFieldChange();
    void ByStateClick();
    void FillRegionStateLists();
    void PerformSearchClick();
    void FacilityGridDblClick();
    void SICGridDblClick();
    void GageListChange();
    void BitBtn4Click();

    // Exposure factors page.
    void AgeGroupClick(int popNum);
    void ShowExposureFactors();
    void ExpFactorsPageShow();
    void ExpFactorsPageExit();
    // Writes the page into every release of the chemical; false (with a message naming the
    // field) when an entry is no number, and then nothing is written.
    bool CollectExposureFactors();
    void UpdateAgeGroupControls();

    // Hand-off to the results.
    void ExpFactorContinueClick();
    void BitBtn3Click();

    // Options, comments, day limits and help.
    void CocExit(forms::TEdit& edit, double& member, const std::string& label);
    void DoPdmClick();
    void PdmAnalysisClick(int item);
    void SwMemoButtonClick();
    // The facility's flows replaced by the user's own (the button is not shown).
    void ModifyFlowsClick();
    void LandfillMemoButtonClick();
    void FugCommentButtonClick();
    void NumSitesChange();
    void IncinDaysExit();
    void SludgeDaysExit();
    void NonSludgeDaysExit();
    void GenPopHelpClick();
    void ReleaseInfoHelpClick();
    void ExpFactorHelpClick();
    void FacilityHelpClick();
    void SicHelpClick();

    // The downwind predictor.
    void CalcAirConcClick();
    void ApplyPredictorAnswer(const PredictorAnswer& answer);

    // Developer table tools.
    void Button1Click();
    void Button2Click();
    void Button3Click();

    // Exclusions from the dilution model, by release key.
    std::set<std::string> PdmExclusions;
    // The radio of a population group; nullptr for an unknown group.
    forms::TRadioButton* AgeRadio(int popNum) const;
    // The chemical id the release keys are built from (the text of ChemId).
    std::string ChemIdText() const;
    // The number of the checked population radio and its label.
    int CheckedPopNum() const;
    // The page's dose-kind flags: '1' for each of Cancer, Chronic, Acute ticked.
    std::string HealthFlagsFromBoxes() const;
    // The SPECEVAL text of the evaluation boxes.
    std::string SpecialEvaluationText() const;

    // Tab visibility of a page control.
    static void ShowTab(QTabWidget* tabs, QWidget* page, bool shown);
    static bool TabShown(const QTabWidget* tabs, QWidget* page);

    // Values as shown in the edits, so that a rounded or "N/A" text that the person did not
    // change reads back as the value behind it.
    ShownValues Shown;

  private:
    void BuildLayout();
    QWidget* BuildGenPopSheet();
    QWidget* BuildGenReleaseInfo();
    QWidget* BuildSurfaceWaterTab();
    QWidget* BuildLandfillTab();
    QWidget* BuildAirTab();
    QWidget* BuildFacilityPage();
    QWidget* BuildSicPage();
    QWidget* BuildExpFactorsPage();
    void ConnectReleaseEdits();
    void ConnectHandlers();
    void ConnectFactorEdits();
    void SetModuleVisibility();
    void OpenFirstReleaseTab();
    void ShowPageTabsByChecks();
    void UpdateReleasePagesVisible();
    void SetPopulationFromRadios();
    void CheckPopulationRadio(int popNum);
    void ApplySludgeDerivation(bool testModule);
    bool AirReleaseRule(forms::TEdit& edit, double& amount, double days, QComboBox* units);
    void DaysRule(forms::TEdit& edit, double& member, const std::string& message);
    bool LandfillDaysRule(forms::TEdit& edit, double& member, const std::string& message);
    void ShowAirConcentrations();
    void ClearReleaseDisplay();
    void ApplyWaitingTreatmentRun();
    void RefreshBadPdmsGrid();
    void StoreSiteChoice();
    void ListGagingStations();
    void ShowStationChoice();
    void ShowSurfaceWaterChoice();
    void SelectListRow(int row);
    // Shows the concentrations of concern while the dilution model runs for the release; true
    // when it does.
    bool ShowConcernLevelControls();
    void HandToTreatmentModel(const std::string& key);
    void ShowMemoForm(int kind);
    void ClearFacilityMembers();

    bool activated_ = false;
    std::vector<forms::TRadioButton*> ageRadios_;
    QGridLayout* expGrid_ = nullptr;
    QObject* focusWatcher_ = nullptr;
    // The result of the store made as the release list took the focus; -1 when none.
    int enteredStore_ = -1;
    // A treatment-model result shown with its release ticks "Landfill".
    bool landfillPending_ = false;
};

// The start-up instance, shown modally by the main page; nullptr before it is created.
extern TScrLevelForm* ScrLevelForm;
