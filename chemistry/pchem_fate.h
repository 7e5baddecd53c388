// TPchemFate: the properties and fate screen, where the chemical is chosen, its properties and
// fate values entered, the modules ticked, and everything committed into its release rows.
#pragma once

#include <QLabel>
#include <string>
#include <vector>

#include "chemistry/chemical_choice.h"
#include "chemistry/combo_box.h"
#include "chemistry/field_values.h"
#include "platform/forms/components.h"
#include "platform/forms/form.h"
#include "scenario/scenario_record.h"

// The chemical chosen at the last commit; the other screens build release keys from it. (Declared
// with the path globals; this screen writes it.)

// One input group: its controls and the modules that show it.
struct ModuleGroup {
    QWidget* input;
    QWidget* label;
    forms::TLabel* unitsLabel;  // may be null; follows only when its caption is not empty
    QWidget* extra;             // a second control that follows the group alone (unit lists)
    std::string preset;         // nine characters in the order of MODGUYS
    enum Kind { Controls, Pair, ControlAndSecond } kind;
};

// True when some position holds '1' in both nine-character strings.
bool PresetMatches(const std::string& moduleFlags, const std::string& preset);

// The groundwater migration classes: item text and migration factor by index 0..4.
struct MigrationClass {
    const char* text;
    double factor;
};
extern const MigrationClass kMigrationClasses[5];

class TPchemFate : public forms::Form {
    Q_OBJECT
  public:
    TPchemFate();
    ~TPchemFate() override;

    // Chemical choice and name.
    FateComboBox* ChemId;
    forms::TEdit* ChemName;
    forms::TLabel* Label3;
    // Fate and treatment values.
    forms::TEdit* Bcf;
    forms::TLabel* Label25;
    forms::TCheckBox* NoBcf;
    forms::TLabel* NoBcfLabel;
    forms::TEdit* Wwt;
    forms::TLabel *Label30, *Label31;
    forms::TButton* CalcLowWwt;
    forms::TEdit* SludgeAbsorption;
    forms::TLabel *Label23, *Label38;
    forms::TEdit* Dwt;
    forms::TLabel *Label34, *Label35;
    FateComboBox* Migration;
    forms::TLabel* Label41;
    forms::TEdit* FugitiveRemoval;
    forms::TLabel *Label39, *Label42;
    forms::TEdit* StackRemoval;
    forms::TLabel *Label40, *Label43;
    forms::TEdit* WfMed;
    forms::TLabel* Label1;
    forms::TEdit* Wf90;
    forms::TLabel* Label2;
    // Physical-chemical properties.
    forms::TEdit* Mw;
    forms::TLabel *Label26, *Label27;
    forms::TEdit* Vp;
    forms::TLabel* Label8;
    FateComboBox* VpUnits;
    forms::TEdit* WaterSolubility;
    forms::TLabel *Label4, *SolubilityUnitsLabel;
    forms::TEdit* Temperature;
    forms::TLabel *Label5, *Label19;
    forms::TEdit* LogKow;
    forms::TLabel* Label6;
    forms::TEdit* MeltingPoint;
    forms::TLabel *Label7, *Label20;
    forms::TEdit* Aerosol;
    forms::TLabel *Label14, *Label33;
    forms::TEdit* Henry;
    forms::TLabel *Label15, *Label37;
    FateComboBox* HenryUnits;
    // Half-lives of the outside fate models, with their chart buttons.
    forms::TEdit *AirHalfLife, *WaterHalfLife, *SoilHalfLife, *SedimentHalfLife, *SusSedHalfLife,
        *FishHalfLife;
    forms::TLabel *Label9, *Label21, *Label10, *Label22, *Label11, *Label24, *Label12, *Label28,
        *Label17, *Label29, *Label13, *Label32;
    forms::TButton *AirHalfButton, *WaterHalfButton, *SoilHalfButton, *SedimentHalfButton,
        *FishHalfButton;
    // Partition coefficients of the Level III model.
    FateComboBox* Level3Types;
    forms::TLabel* Label18;
    forms::TEdit *WaterAir, *Soil, *Sediment, *SusSed, *Fish, *AerosolPart;
    forms::TLabel *WaterAirLabel, *SoilLabel, *SedimentLabel, *SusSedLabel, *FishLabel,
        *AerosolLabel;
    forms::TLabel *SoilUnitsLabel, *SedimentUnitsLabel, *SusSedUnitsLabel, *FishUnitsLabel;
    // Module boxes, in the order of MODGUYS, and the hidden general-population box.
    forms::TCheckBox *SurfaceWater, *Landfill, *Flush, *Kiv, *Eqc, *Level3, *AsTreat, *Pdm,
        *AmbientAir, *GenPop;
    // Commands.
    forms::TButton* CloseFateScreen;
    forms::TButton* FateHelp;
    forms::TButton* BitBtn1;  // writes the EQC database alone; never shown
    // The import of an exported run; never shown.
    forms::TLabel *Label46, *Label48, *Label49;
    FateComboBox* ToLotusList;
    forms::TButton* BitBtn2;

    int SelectedChemIndex = -1;
    int ShownChemIndex = -2;
    std::string ModuleFlags = "000000000";
    int HalfLifeTarget = 0;

    // Leaving without a commit gives back the case, the chosen chemical and its module flags as
    // they were before the visit, so that no other screen works on a chemical that was only looked
    // at. The next showing is set up anew (a window restored or activated again within a visit
    // keeps what was entered).
    void FormClose() override;
    // Sets the screen up once per showing (returning from a chart or dialog keeps the edits).
    void FormActivate() override;
    void ChemIdChange();
    void ChemIdExit();
    void ShowChemicalProperties();
    void CloseFateScreenClick();
    bool ValidateFateInputs();
    void FateHelpClick();

    // Module selection.
    void GenPopClick();
    void Level3Click();
    void Level3TypesClick() {}
    // The nine module boxes in the order of MODGUYS.
    std::vector<forms::TCheckBox*> ModuleBoxes() const;
    const std::vector<ModuleGroup>& Groups() const { return groups_; }

    // Units and side forms.
    void ReadVaporPressureInUnits();
    void ShowVaporPressureInUnits();
    void ReadHenryInUnits();
    void ShowHenryInUnits();
    void VpUnitsChange() { ShowVaporPressureInUnits(); }
    void HenryUnitsChange() { ShowHenryInUnits(); }
    void NoBcfClick();
    void CalcLowWwtClick();
    void ShowHalfLifeChart(int target);

    // The outside fate models' databases.
    void WriteLevel3Chemical();
    void WriteEqcChemical();
    void BitBtn1Click();
    // The import of an exported run.
    void BitBtn2Click();

    // What the program last showed in the edits.
    ShownTexts Shown;

  private:
    void BuildLayout();
    void BuildGroups();
    void ConnectEdits();
    void OnEditExit(forms::TEdit* edit);
    void ShowInEdit(forms::TEdit& edit, double value, bool signedValue = false);
    bool ReadCommitValues();

    std::vector<ModuleGroup> groups_;
    bool activated_ = false;
    bool committed_ = false;
    pmn_record caseBefore_;
    std::string healthBefore_;
    ChemicalChoice choiceBefore_;
};

extern TPchemFate* PchemFate;
