// TDisposalForm: the down-the-drain form, its inputs, the run and its results page.
#pragma once

#include <QGroupBox>
#include <QTabWidget>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "dilution/disposal_calc.h"
#include "dilution/pdm_category_run.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/components.h"
#include "platform/forms/form.h"

// The industry category of publicly owned treatment works (SIC 4952) in the dilution model.
inline constexpr int DisposalPdmCategory = 25;

// The values last read from the input edits.
struct DisposalEnteredInputs {
    double ProdVol = 0;
    std::array<double, 3> Coc{};
    double YearsUse = 0;
};

class TDisposalForm : public forms::Form {
    Q_OBJECT
  public:
    TDisposalForm();
    ~TDisposalForm() override;

    QTabWidget* DispPages;
    QWidget* DispInputsPage;
    QWidget* DisposalResPage;
    forms::TComboBox* ChemIdDispInp;  // never shown
    forms::TEdit* ChemIdDispInp1;
    forms::TEdit* ProdVolDispInp;
    forms::TEdit* YrsUseDispInp;
    forms::TLabel *Label162, *Label163;
    QGroupBox* PdmSelection;
    forms::TRadioButton* PdmRunItem;    // item 0 "Run PDM (SIC Code Analysis)"
    forms::TRadioButton* PdmNoRunItem;  // item 1 "Do NOT run PDM (SIC Code Analysis)"
    forms::TLabel *CocLabel, *CocUnitLabel, *Label2, *Label3, *Label4, *Label5, *Label6;
    forms::TEdit *Coc0DispInp, *Coc1DispInp, *Coc2DispInp;
    forms::TRadioButton *HighEnd, *AveEnd;
    forms::TButton *RunDisp, *BitBtn1, *DispContinue, *DispHelp;

    QTabWidget* ResultTabs;
    QWidget *PdmDispPage, *DwDispPage, *FishDispPage, *TabSheet1;
    forms::TRadioButton *HiEnd, *AveCase;
    forms::TLabel* Shape1;  // the mark of a repeated run
    forms::TButton *Button2, *DispResHelp;
    forms::TLabel* Label1;  // never shown: carries the font of the printed page

    // The results page's read-only fields by component name ("ProdVolDisp", "DwLadd50Disp").
    forms::TEdit* Field(const std::string& name) const;
    std::string FieldText(const std::string& name) const;

    DisposalEnteredInputs EnteredInputs;
    DisposalResults Results;
    PdmSicRunTarget PdmRun;
    bool RunSucceeded = false;
    std::string ReportPath;
    // The chemical ids of the scenario table in index order, and every key.
    std::vector<std::string> ChemicalIds;

    int PdmSelectionIndex() const { return PdmNoRunItem->Checked() ? 1 : 0; }
    void SetPdmSelection(int index);

    void FormShow() override { activated_ = false; }
    // Once per showing of the form.
    void FormActivate() override;
    void FormClose() override;
    void BitBtn2Click();
    void RunDispClick();
    // The older run over the binary tables, behind a button that is never shown.
    void DispContinueClick();
    void PdmSelectionClick();
    void HideResultsTab();
    void DispHelpClick();
    void DispResHelpClick();
    void Button2Click();
    void ChemIdDispInpExit();
    // The cursor goes to the chemical id.
    void DispInputsPageShow();

    void ShowPdmControls();
    void ReadDisposalInputs();
    // False (after a message) when the chemical cannot be looked up.
    bool LookUpDisposalChemical();
    void ShowDisposalResults();
    // The chemical of the run: the one named in ChemIdDispInp1 (empty when it is not listed).
    std::string RunChemical() const;

  private:
    void BuildLayout();
    QWidget* BuildInputsPage();
    QWidget* BuildResultsPage();
    QWidget* BuildPdmTab();
    QWidget* BuildConcentrationTab();
    QWidget* BuildDoseTab(const std::string& medium, const std::string& suffix,
                          const std::string& intakeTitle, const std::string& ladcTitle);
    forms::TEdit* AddField(QWidget* parent, const std::string& name);
    void NumericEdit(forms::TEdit* edit, double* target);
    void CompactCocs(double& c0, double& c1, double& c2);
    void ShowCocRows(const std::array<double, 3>& cocs);
    bool CheckRunInputs();
    void RunCategoryDilution();
    void RunTableDays();
    void ReadFlushResults(size_t i);
    void FinishRun();
    void WriteReport();
    void ShowCurrentChemical();
    void ListChemicals();
    void AdoptMainPagePopulation();
    void ShowAgeGroupFields();

    std::map<std::string, forms::TEdit*> fields_;
    bool noChemicals_ = false;
    bool activated_ = false;
    std::string shownChemical_;  // the chemical whose values and age group the inputs show
};

// The form of the visit under way (nullptr outside it).
extern TDisposalForm* DisposalForm;

// Creates the down-the-drain form, shows it modally and deletes it.
void OpenDisposalForm();
