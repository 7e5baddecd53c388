// TAsTreatInputs: the treatment model's inputs on four pages, its three calculations and the run;
// TAstreatBox: the notes on using the model, shown before each run.
#pragma once

#include <QTabWidget>
#include <string>

#include "chemistry/combo_box.h"
#include "chemistry/field_values.h"
#include "platform/forms/components.h"
#include "platform/forms/form.h"

class TAstreatBox : public forms::Form {
    Q_OBJECT
  public:
    TAstreatBox();
    forms::TLabel* Heading;
    forms::TLabel* PanelHeading;
    std::vector<forms::TLabel*> Steps;  // the nine lines
    forms::TButton* OKButton;
    forms::TButton* BitBtn2;  // "Print these Instructions"
    void BitBtn2Click();
};

// The nine steps of the notes box.
extern const char* const kAsTreatSteps[9];

class TAsTreatInputs : public forms::Form {
    Q_OBJECT
  public:
    TAsTreatInputs();

    QTabWidget* AsTreatPages;
    QWidget *WasteWaterLoading, *Biodeg, *Volatilization, *Sorption;
    forms::TEdit *Loading, *NumDays, *NumSites, *InfluentConc;
    forms::TStringGrid* HalfLifeGrid;
    forms::TCheckBox *ChoiceA, *ChoiceB;
    forms::TEdit *HenryUnits, *HenryUnitless, *Solubility, *Vp, *Mw, *Density;
    FateComboBox* VpUnits;
    forms::TEdit *Kow, *CarbonPe, *CarbonPr, *CarbonSe, *CarbonSr, *KdPe, *KdPr, *KdSe, *KdSr;
    forms::TButton *CalculateLoad, *Calculate, *CalculateKd, *BitBtn2, *BitBtn3, *BitBtn4;
    forms::TButton *RunAsTreat, *BitBtn1, *FateHelp;

    // Set up once per visit: a window restored or activated again keeps what was entered. A visit
    // without a run that succeeded gives the current record back its log Kow and vapour pressure,
    // which the calculations and the vapour-pressure field work on.
    void FormClose() override;
    // Fills the dialog once per showing from the held values and the current record.
    void FormActivate() override;
    void CalculateLoadClick();
    void CalculateClick();
    void CalculateKdClick();
    void ChoiceAClick();
    void ChoiceBClick();
    void HalfLifeGridDblClick();
    void VpUnitsChange() { ShowAsTreatVaporPressure(); }
    void FateHelpClick();
    void RunAsTreatClick();

    // Reads every input back from its field; false (with a message naming the field) when a text
    // is no number, and then no value has changed.
    bool CollectAsTreatInputs();
    void ShowAsTreatVaporPressure();
    void StoreAsTreatVaporPressure();

    // True once a run during this visit delivered its values.
    bool RunSucceeded() const { return runSucceeded_; }

    ShownTexts Shown;

  private:
    void BuildLayout();
    void ConnectFields();
    void ShowField(forms::TEdit& edit, double value);
    void ShowGeneral(forms::TEdit& edit, double value, int digits);
    void OnFieldExit(forms::TEdit* edit);

    bool activated_ = false;
    bool runSucceeded_ = false;
    double recordKow_ = 0;  // the record's values when the visit began
    double recordVp_ = 0;
};

// Keeps only digits, "E", "e", ".", "+" and "-" (commas and blanks go too); "N/A" stays.
void FilterAsTreatField(forms::TextControl& field);
