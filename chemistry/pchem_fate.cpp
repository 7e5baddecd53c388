// TPchemFate: the properties and fate screen: layout, activation and the choice of a chemical.
#include "chemistry/pchem_fate.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "chemistry/astreat_values.h"
#include "chemistry/fate_units.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_reset.h"
#include "scenario/scenario_table.h"
#include "scenario/table_set.h"

TPchemFate* PchemFate = nullptr;

const MigrationClass kMigrationClasses[5] = {
    {"Negligible", 0},   {"Negligible to slow", 3.21e-06},
    {"Slow", 2.67e-05},  {"Moderate", 5.95e-05},
    {"Rapid", 7.55e-05},
};

namespace {

forms::TEdit* NumberEdit(QWidget* parent) {
    auto* edit = new forms::TEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setText("0");
    edit->setMaximumWidth(140);
    return edit;
}

// One row of the property grid: caption, edit, units (or a unit list) and an optional button.
void AddRow(QGridLayout* grid, int row, QWidget* label, QWidget* input, QWidget* units,
            QWidget* button = nullptr) {
    grid->addWidget(label, row, 0);
    grid->addWidget(input, row, 1);
    if (units) {
        grid->addWidget(units, row, 2);
    }
    if (button) {
        grid->addWidget(button, row, 3);
    }
}

}  // namespace

TPchemFate::TPchemFate() {
    PchemFate = this;
    BuildLayout();
    BuildGroups();
    ConnectEdits();
}

TPchemFate::~TPchemFate() {
    if (PchemFate == this) {
        PchemFate = nullptr;
    }
}

void TPchemFate::BuildLayout() {
    SetCaption("PChem/Fate");
    setWindowState(Qt::WindowMaximized);
    auto* outer = new QVBoxLayout(this);
    auto* heading = new forms::TLabel("PChem/Fate Inputs Screen", this);
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameShape(QFrame::Panel);
    outer->addWidget(heading);

    auto* columns = new QHBoxLayout();
    outer->addLayout(columns, 1);
    // Fixed columns, so that ticking a module does not move the boxes under the pointer.
    auto* leftPanel = new QWidget(this);
    leftPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* left = new QGridLayout(leftPanel);
    left->setColumnStretch(4, 1);
    columns->addWidget(leftPanel, 1);
    auto* rightPanel = new QWidget(this);
    rightPanel->setFixedWidth(440);
    auto* right = new QVBoxLayout(rightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(rightPanel);

    int row = 0;
    auto label = [this](const char* text) { return new forms::TLabel(text, this); };
    Label3 = label("Chemical Name:");
    ChemName = new forms::TEdit(this);
    ChemName->setMaxLength(20);
    AddRow(left, row++, Label3, ChemName, nullptr);
    Label25 = label("Bioconcentration Factor:");
    Bcf = NumberEdit(this);
    NoBcf = new forms::TCheckBox("No BCF available?", this);
    NoBcfLabel = label("No BCF");
    NoBcfLabel->hide();
    AddRow(left, row++, Label25, Bcf, NoBcf, NoBcfLabel);
    Label30 = label("Wastewater Treatment Removal:");
    Wwt = NumberEdit(this);
    Label31 = label("%");
    CalcLowWwt = new forms::TButton("Calculate using AsTreat Model", this);
    AddRow(left, row++, Label30, Wwt, Label31, CalcLowWwt);
    Label23 = label("Adsorption to Wastewater Treatment Sludge:");
    SludgeAbsorption = NumberEdit(this);
    Label38 = label("%");
    AddRow(left, row++, Label23, SludgeAbsorption, Label38);
    Label34 = label("Drinking Water Treatment Removal:");
    Dwt = NumberEdit(this);
    Label35 = label("%");
    AddRow(left, row++, Label34, Dwt, Label35);
    Label41 = label("Groundwater Migration Descriptor:");
    Migration = new FateComboBox(false, this);
    for (const MigrationClass& c : kMigrationClasses) {
        Migration->AddItem(c.text);
    }
    AddRow(left, row++, Label41, Migration, nullptr);
    Label39 = label("Fugitive Air Emissions Removal:");
    FugitiveRemoval = NumberEdit(this);
    Label42 = label("%");
    AddRow(left, row++, Label39, FugitiveRemoval, Label42);
    Label40 = label("Stack Air Emissions Removal:");
    StackRemoval = NumberEdit(this);
    Label43 = label("%");
    AddRow(left, row++, Label40, StackRemoval, Label43);
    Label1 = label("Consumer Product Weight Fraction (central tendency):");
    WfMed = NumberEdit(this);
    AddRow(left, row++, Label1, WfMed, nullptr);
    Label2 = label("Consumer Product Weight Fraction (high end):");
    Wf90 = NumberEdit(this);
    AddRow(left, row++, Label2, Wf90, nullptr);
    Label26 = label("Molecular Weight:");
    Mw = NumberEdit(this);
    Label27 = label("g/mole");
    AddRow(left, row++, Label26, Mw, Label27);
    Label8 = label("Vapor Pressure:");
    Vp = NumberEdit(this);
    VpUnits = new FateComboBox(false, this);
    VpUnits->SetItems({"torr (mm Hg)", "atm", "mb", "Pa"});
    AddRow(left, row++, Label8, Vp, VpUnits);
    Label4 = label("Water Solubility");
    WaterSolubility = NumberEdit(this);
    SolubilityUnitsLabel = label("g/m3");
    AddRow(left, row++, Label4, WaterSolubility, SolubilityUnitsLabel);
    Label5 = label("Data Temperature");
    Temperature = NumberEdit(this);
    Label19 = label("deg C");
    AddRow(left, row++, Label5, Temperature, Label19);
    Label6 = label("Log Kow");
    LogKow = NumberEdit(this);
    AddRow(left, row++, Label6, LogKow, nullptr);
    Label7 = label("Melting Point");
    MeltingPoint = NumberEdit(this);
    Label20 = label("deg C");
    AddRow(left, row++, Label7, MeltingPoint, Label20);
    Label15 = label("Henry's Law");
    Henry = NumberEdit(this);
    Label37 = label("");
    HenryUnits = new FateComboBox(false, this);
    HenryUnits->SetItems({"atm-m3/mol", "(unitless)"});
    AddRow(left, row++, Label15, Henry, HenryUnits);

    auto halfLife = [&](forms::TLabel*& caption, const char* text, forms::TEdit*& edit,
                        forms::TLabel*& units, forms::TButton** button, const char* buttonText) {
        caption = label(text);
        edit = NumberEdit(this);
        units = label("hrs");
        forms::TButton* made = nullptr;
        if (button) {
            made = *button = new forms::TButton(buttonText, this);
        }
        AddRow(left, row++, caption, edit, units, made);
    };
    halfLife(Label9, "Air half life", AirHalfLife, Label21, &AirHalfButton,
             "Determine Air Half Life");
    halfLife(Label10, "Water half life", WaterHalfLife, Label22, &WaterHalfButton,
             "Determine Water Half Life");
    halfLife(Label11, "Soil half life", SoilHalfLife, Label24, &SoilHalfButton,
             "Determine Soil Half Life");
    halfLife(Label12, "Sediment half life", SedimentHalfLife, Label28, &SedimentHalfButton,
             "Determine Sediment Half Life");
    halfLife(Label17, "Suspended Sediment half life", SusSedHalfLife, Label29, nullptr, "");
    halfLife(Label13, "Fish half life", FishHalfLife, Label32, &FishHalfButton,
             "Determine Fish Half Life");
    halfLife(Label14, "Aerosol half life", Aerosol, Label33, nullptr, "");
    left->setRowStretch(row, 1);

    // Right column: the chemical id, the modules, the partition coefficients, the commands.
    auto* idRow = new QHBoxLayout();
    idRow->addWidget(label("Chemical ID:"));
    ChemId = new FateComboBox(true, this, 20);
    ChemId->setMinimumWidth(180);
    idRow->addWidget(ChemId, 1);
    right->addLayout(idRow);

    auto* modules = new QGroupBox("Modules", this);
    auto* moduleLayout = new QVBoxLayout(modules);
    auto box = [&](const char* caption) {
        auto* b = new forms::TCheckBox(caption, modules);
        moduleLayout->addWidget(b);
        return b;
    };
    SurfaceWater = box("Surface Water");
    Landfill = box("Landfill");
    Flush = box("Down-the-Drain");
    Kiv = box("Consumer Exposure Pathway");
    Eqc = box("EQC Model");
    Level3 = box("Level III Model");
    AsTreat = box("AsTreat Model");
    Pdm = box("Probabilistic Dilution Model (PDM)");
    AmbientAir = box("Ambient Air");
    GenPop = box("General Population");
    for (forms::TCheckBox* hidden : {Eqc, Level3, AsTreat, Pdm, GenPop}) {
        hidden->hide();
    }
    Level3Types = new FateComboBox(false, modules);
    Level3Types->SetItems({"Type 1", "Type 2", "Type 3"});
    Level3Types->SetItemIndex(0);
    Level3Types->hide();
    moduleLayout->addWidget(Level3Types);
    right->addWidget(modules);

    auto* partitions = new QGridLayout();
    Label18 = label("Partition Coefficients");
    partitions->addWidget(Label18, 0, 0, 1, 3);
    auto partition = [&](int r, forms::TLabel*& caption, forms::TEdit*& edit,
                         forms::TLabel** units) {
        caption = label("");
        edit = NumberEdit(this);
        partitions->addWidget(caption, r, 0);
        partitions->addWidget(edit, r, 1);
        if (units) {
            *units = label("L/kg");
            partitions->addWidget(*units, r, 2);
        }
    };
    partition(1, WaterAirLabel, WaterAir, nullptr);
    partition(2, SoilLabel, Soil, &SoilUnitsLabel);
    partition(3, SedimentLabel, Sediment, &SedimentUnitsLabel);
    partition(4, SusSedLabel, SusSed, &SusSedUnitsLabel);
    partition(5, FishLabel, Fish, &FishUnitsLabel);
    partition(6, AerosolLabel, AerosolPart, nullptr);
    right->addLayout(partitions);

    Label46 = label("Lotus Notes Runs");
    Label48 = label("To import a run, select a run");
    Label49 = label("and click \"Import into Ombrix (2014)\"");
    ToLotusList = new FateComboBox(true, this, 20);
    BitBtn2 = new forms::TButton("Import into Ombrix (2014)", this);
    BitBtn1 = new forms::TButton("BitBtn1", this);
    for (QWidget* hidden : std::initializer_list<QWidget*>{Label46, Label48, Label49, ToLotusList,
                                                           BitBtn2, BitBtn1}) {
        right->addWidget(hidden);
        hidden->hide();
    }
    right->addStretch(1);

    auto* commands = new QHBoxLayout();
    CloseFateScreen = new forms::TButton("Select This Chemical ID", this);
    CloseFateScreen->setDefault(true);
    FateHelp = new forms::TButton("Help", this);
    commands->addStretch(1);
    commands->addWidget(CloseFateScreen);
    commands->addWidget(FateHelp);
    outer->addLayout(commands);

    CloseFateScreen->OnClick = [this] { CloseFateScreenClick(); };
    FateHelp->OnClick = [this] { FateHelpClick(); };
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    BitBtn2->OnClick = [this] { BitBtn2Click(); };
    CalcLowWwt->OnClick = [this] { CalcLowWwtClick(); };
    NoBcf->OnClick = [this] { NoBcfClick(); };
    AirHalfButton->OnClick = [this] { ShowHalfLifeChart(1); };
    WaterHalfButton->OnClick = [this] { ShowHalfLifeChart(2); };
    SoilHalfButton->OnClick = [this] { ShowHalfLifeChart(3); };
    SedimentHalfButton->OnClick = [this] { ShowHalfLifeChart(4); };
    FishHalfButton->OnClick = [this] { ShowHalfLifeChart(5); };
    for (forms::TCheckBox* b :
         {GenPop, SurfaceWater, Landfill, AmbientAir, Flush, Kiv, Eqc, AsTreat, Pdm}) {
        b->OnClick = [this] { GenPopClick(); };
    }
    Level3->OnClick = [this] { Level3Click(); };
    Level3Types->OnChange = [this] { Level3TypesClick(); };
    VpUnits->OnChange = [this] { VpUnitsChange(); };
    HenryUnits->OnChange = [this] { HenryUnitsChange(); };
    ChemId->OnChange = [this] { ChemIdChange(); };
    ChemId->OnExit = [this] { ChemIdExit(); };
    ToLotusList->OnChange = [this] { ChemIdChange(); };
    ToLotusList->OnExit = [this] { ChemIdExit(); };
}

std::vector<forms::TCheckBox*> TPchemFate::ModuleBoxes() const {
    return {SurfaceWater, Landfill, Flush, Kiv, Eqc, Level3, AsTreat, Pdm, AmbientAir};
}

void TPchemFate::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    committed_ = false;
    caseBefore_ = CurrentPmn;
    healthBefore_ = HealthFlags;
    choiceBefore_ = ChemicalChoice::Published();
    ShownChemIndex = -2;
    for (forms::TCheckBox* b : {SurfaceWater, Landfill, AmbientAir, Flush, Kiv, Pdm}) {
        b->SetChecked(true);
    }
    AsTreatRunDone = 0;
    ChemId->ClearItems();
    ToLotusList->ClearItems();
    VpUnits->SetItemIndex(VpTorr);
    HenryUnits->SetItemIndex(HenryAtmM3);

    // The list of chemical ids in index order; "tmpcas" is chosen when present, else the last.
    SelectedChemIndex = -1;
    tables::Table& pmn = Tables().PmnTable;
    if (pmn.IsOpen() && !pmn.IsEmpty()) {
        bool tmpcasMet = false;
        std::string previous;
        bool first = true;
        for (pmn.First(); !pmn.Eof(); pmn.Next()) {
            SplitReleaseKey(PmnFieldAsString("PMN_ID"));
            const std::string id = CurrentPmn.CaseNum;
            if (first || id != previous) {
                ChemId->AddItem(id);
                if (!tmpcasMet) {
                    ++SelectedChemIndex;
                }
                tmpcasMet = tmpcasMet || id == "tmpcas";
            }
            previous = id;
            first = false;
        }
    }
    ChemId->SetItemIndex(SelectedChemIndex);
    ChemIdChange();
    ShownChemIndex = SelectedChemIndex;

    std::vector<forms::TCheckBox*> boxes = ModuleBoxes();
    for (size_t k = 0; k < boxes.size(); ++k) {
        boxes[k]->SetChecked(CurrentPmn.MODGUYS.size() > k && CurrentPmn.MODGUYS[k] == '1');
    }
    GenPopClick();
    if (CurrentPmn.BCF > 0) {
        NoBcfLabel->hide();
        NoBcf->SetChecked(false);
    } else {
        NoBcf->SetChecked(true);
    }
}

void TPchemFate::FormClose() {
    if (activated_ && !committed_) {
        // A commit refused by the closing checks has already published its chemical: the choice
        // goes back with the case, so that the chosen chemical, its modules and the current record
        // are one chemical's.
        CurrentPmn = caseBefore_;
        HealthFlags = healthBefore_;
        choiceBefore_.Publish();
    }
    if (activated_) {
        // A treatment-model run reaches a release only through the commit of its chemical.
        DropTreatmentRunUnlessFor(committed_ ? SelectedChemId : "");
    }
    activated_ = false;
}

void TPchemFate::ChemIdChange() {
    SelectedChemIndex = ChemId->ItemIndex();
    RemoveCommas(*ChemId);
    if (ShownChemIndex != SelectedChemIndex && SelectedChemIndex >= 0) {
        LoadScenarioRecord(ChemId->Text() + ",1");
    }
    ShownChemIndex = SelectedChemIndex;
    ShowChemicalProperties();
}

// A typed id that names a chemical of the list loads that chemical; any other typed id starts a
// new chemical with release 1.
void TPchemFate::ChemIdExit() {
    if (ChemId->ItemIndex() != -1) {
        return;
    }
    const std::string typed = ChemId->Text();
    const std::vector<std::string> items = ChemId->Items();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == typed) {
            ChemId->SetItemIndex(static_cast<int>(i));
            ChemIdChange();
            return;
        }
    }
    if (typed == CurrentPmn.CaseNum && ShownChemIndex == -1) {
        return;  // the new chemical is started already; its entries stay
    }
    ResetScenarioRecord();
    CurrentPmn.CaseNum = typed;
    CurrentPmn.ScenNum = "1";
    ShownChemIndex = -1;
    ShowChemicalProperties();
}

void TPchemFate::ShowInEdit(forms::TEdit& edit, double value, bool signedValue) {
    Shown.Show(edit, signedValue ? SignedDisplayValue(value) : DisplayValue(value));
}

void TPchemFate::ShowChemicalProperties() {
    const pmn_record& r = CurrentPmn;
    ChemName->SetText(r.CHEMNAME);
    ShowInEdit(*Bcf, r.BCF);
    if (r.BCF <= 0) {
        NoBcf->SetChecked(true);
        NoBcfLabel->setVisible(forms::Visible(NoBcf));
    } else {
        NoBcf->SetChecked(false);
        NoBcfLabel->hide();
    }
    ShowInEdit(*Wwt, r.WWT_LOW);
    ShowInEdit(*SludgeAbsorption, r.SLUDGEAB);
    ShowInEdit(*Dwt, r.DWT);
    ShowInEdit(*FugitiveRemoval, r.INCIN_HI);
    ShowInEdit(*StackRemoval, r.INCIN_LO);
    ShowInEdit(*WfMed, r.WTFRAC_MED);
    ShowInEdit(*Wf90, r.WTFRAC_90);
    ShowInEdit(*Mw, r.MW);
    ShowVaporPressureInUnits();
    ShowInEdit(*WaterSolubility, r.WSOLUBLE);
    ShowInEdit(*Temperature, r.DATATEMP, true);
    ShowInEdit(*LogKow, r.KOW, true);
    ShowInEdit(*MeltingPoint, r.MELT_PT, true);
    ShowInEdit(*Aerosol, r.AEROSOL);
    ShowHenryInUnits();
    Migration->SetItemIndex(r.MIGRATE);
    std::vector<forms::TCheckBox*> boxes = ModuleBoxes();
    for (size_t k = 0; k < boxes.size(); ++k) {
        boxes[k]->SetChecked(r.MODGUYS.size() > k && r.MODGUYS[k] == '1');
    }
    GenPopClick();
}

void TPchemFate::FateHelpClick() {
    forms::Ui().ShowHelp("Physical___Chemical_Properties_and_Fate_Screen");
}
