// TAsTreatInputs: the treatment model's input dialog: its pages, fields and calculations.
#include "chemistry/astreat_inputs.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "chemistry/astreat_run.h"
#include "chemistry/astreat_values.h"
#include "chemistry/fate_units.h"
#include "chemistry/half_life_chart.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/scenario_record.h"

namespace {

struct Field {
    forms::TEdit* TAsTreatInputs::*edit;
    double* value;
    const char* name;
};

// Every input field with the held value it reads into, in the order the dialog collects them.
const Field kFields[] = {
    {&TAsTreatInputs::Loading, &AsTreatLoading, "Chemical release"},
    {&TAsTreatInputs::NumDays, &AsTreatDays, "Number of days of release"},
    {&TAsTreatInputs::NumSites, &AsTreatNumSites, "Number of sites"},
    {&TAsTreatInputs::Density, &AsTreatDensity, "Density"},
    {&TAsTreatInputs::HenryUnits, &AsTreatHenry, "Henry's law constant"},
    {&TAsTreatInputs::Solubility, &AsTreatSolubility, "Water solubility"},
    {&TAsTreatInputs::Vp, &AsTreatVp, "Vapor pressure"},
    {&TAsTreatInputs::Mw, &AsTreatMw, "Molecular weight"},
    {&TAsTreatInputs::HenryUnitless, &AsTreatHenryUnitless, "Unitless Henry's law constant"},
    {&TAsTreatInputs::KdPe, &AsTreatKdPe, "Kd (primary effluent)"},
    {&TAsTreatInputs::KdPr, &AsTreatKdPr, "Kd (primary reactor)"},
    {&TAsTreatInputs::KdSe, &AsTreatKdSe, "Kd (secondary effluent)"},
    {&TAsTreatInputs::KdSr, &AsTreatKdSr, "Kd (secondary reactor)"},
    {&TAsTreatInputs::Kow, &AsTreatLogKow, "Log Kow"},
    {&TAsTreatInputs::CarbonPe, &AsTreatCarbonPe, "Organic carbon fraction (primary effluent)"},
    {&TAsTreatInputs::CarbonPr, &AsTreatCarbonPr, "Organic carbon fraction (primary reactor)"},
    {&TAsTreatInputs::CarbonSe, &AsTreatCarbonSe, "Organic carbon fraction (secondary effluent)"},
    {&TAsTreatInputs::CarbonSr, &AsTreatCarbonSr, "Organic carbon fraction (secondary reactor)"},
    {&TAsTreatInputs::InfluentConc, &AsTreatInfluentConc, "Influent concentration"},
};

forms::TEdit* FieldEdit(QWidget* parent) {
    auto* edit = new forms::TEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(150);
    return edit;
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

void FilterAsTreatField(forms::TextControl& field) {
    const std::string text = field.Text();
    if (text == "N/A") {
        return;
    }
    std::string kept;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == 'E' || c == 'e' || c == '.' || c == '+' || c == '-') {
            kept += c;
        }
    }
    field.SetText(kept);
}

TAsTreatInputs::TAsTreatInputs() {
    BuildLayout();
    ConnectFields();
}

void TAsTreatInputs::BuildLayout() {
    SetCaption("AsTreat Inputs");
    auto* outer = new QVBoxLayout(this);
    AsTreatPages = new QTabWidget(this);
    outer->addWidget(AsTreatPages, 1);
    auto label = [](const char* text, QWidget* parent) { return new forms::TLabel(text, parent); };
    auto row = [](QGridLayout* grid, int r, QWidget* a, QWidget* b, QWidget* c = nullptr) {
        grid->addWidget(a, r, 0);
        grid->addWidget(b, r, 1);
        if (c) {
            grid->addWidget(c, r, 2);
        }
    };

    WasteWaterLoading = new QWidget();
    auto* loading = new QGridLayout(WasteWaterLoading);
    Loading = FieldEdit(WasteWaterLoading);
    NumDays = FieldEdit(WasteWaterLoading);
    NumSites = FieldEdit(WasteWaterLoading);
    InfluentConc = FieldEdit(WasteWaterLoading);
    CalculateLoad = new forms::TButton("Calculate", WasteWaterLoading);
    BitBtn2 = new forms::TButton("Next", WasteWaterLoading);
    row(loading, 0, label("Chemical release:", WasteWaterLoading), Loading,
        label("kg/site/day", WasteWaterLoading));
    row(loading, 1, label("Number of days of release:", WasteWaterLoading), NumDays,
        label("days/yr", WasteWaterLoading));
    row(loading, 2, label("Number of sites:", WasteWaterLoading), NumSites,
        label("sites", WasteWaterLoading));
    loading->addWidget(
        label("Calculate influent concentration or input its value directly:", WasteWaterLoading),
        3, 0, 1, 3);
    row(loading, 4, CalculateLoad, InfluentConc, label("mg/L", WasteWaterLoading));
    loading->addWidget(label("(AsTreat assumes a 30 MLD facility)", WasteWaterLoading), 5, 0, 1, 3);
    loading->addWidget(BitBtn2, 6, 2);
    loading->setRowStretch(7, 1);
    AsTreatPages->addTab(WasteWaterLoading, "Wastewater loading");

    Biodeg = new QWidget();
    auto* biodeg = new QVBoxLayout(Biodeg);
    biodeg->addWidget(label("Select from this list for biodegradability:", Biodeg));
    HalfLifeGrid = MakeHalfLifeGrid(Biodeg);
    biodeg->addWidget(HalfLifeGrid);
    biodeg->addWidget(label("In cases of apparent conflict in test results: ", Biodeg));
    biodeg->addWidget(
        label("1. If ready test result is >= 40%, ignore inherent test result and "
              "assign half life of either 1 or 3  hrs as appropriate based on the "
              "ready test result.",
              Biodeg));
    biodeg->addWidget(
        label("2.  If ready test result is < 40%, ignore it and assign half life of "
              "either 10, 30 or 10,000 hours as appropriate based on the inherent "
              "test result.",
              Biodeg));
    BitBtn3 = new forms::TButton("Next", Biodeg);
    biodeg->addWidget(BitBtn3, 0, Qt::AlignRight);
    AsTreatPages->addTab(Biodeg, "Biodegradability ");

    Volatilization = new QWidget();
    auto* vol = new QGridLayout(Volatilization);
    ChoiceA = new forms::TCheckBox("Choice A --->", Volatilization);
    ChoiceB = new forms::TCheckBox("Choice B --->", Volatilization);
    HenryUnits = FieldEdit(Volatilization);
    HenryUnitless = FieldEdit(Volatilization);
    Solubility = FieldEdit(Volatilization);
    Vp = FieldEdit(Volatilization);
    VpUnits = new FateComboBox(false, Volatilization);
    VpUnits->SetItems({"torr (mm Hg)", "atm", "mb", "pascals"});
    Mw = FieldEdit(Volatilization);
    Density = FieldEdit(Volatilization);
    Calculate = new forms::TButton("Calculate", Volatilization);
    BitBtn4 = new forms::TButton("Next", Volatilization);
    vol->addWidget(label("Select from Choice A or  B:", Volatilization), 0, 0, 1, 3);
    row(vol, 1, ChoiceA, HenryUnits, label("Henry's law constant (atm-m3/mol)", Volatilization));
    row(vol, 2, ChoiceB, Solubility, label("Water solubility (mg/L)", Volatilization));
    row(vol, 3, label("", Volatilization), Vp, VpUnits);
    row(vol, 4, label("", Volatilization), Mw, label("Molecular weight (g/mole)", Volatilization));
    row(vol, 5, label("", Volatilization), Density, label("Density (g/cm3)", Volatilization));
    row(vol, 6, Calculate, label("To Get: (you may also override)", Volatilization));
    row(vol, 7, label("", Volatilization), HenryUnitless,
        label("Henry's law constant (unitless)", Volatilization));
    vol->addWidget(label("Note:  Molecular weight is used to calculate Henry's law constant only "
                         "when using choice B. ",
                         Volatilization),
                   8, 0, 1, 3);
    vol->addWidget(label("Density is not used for calculating Henry's Law constant.  However, "
                         "these values are both used in AsTreat.",
                         Volatilization),
                   9, 0, 1, 3);
    vol->addWidget(BitBtn4, 10, 2);
    vol->setRowStretch(11, 1);
    AsTreatPages->addTab(Volatilization, "Volatilization");

    Sorption = new QWidget();
    auto* sorp = new QGridLayout(Sorption);
    Kow = FieldEdit(Sorption);
    row(sorp, 0, label("Log Kow:", Sorption), Kow);
    const char* places[] = {"primary effluent", "primary reactor", "secondary effluent",
                            "secondary reactor"};
    forms::TEdit** carbons[] = {&CarbonPe, &CarbonPr, &CarbonSe, &CarbonSr};
    forms::TEdit** kds[] = {&KdPe, &KdPr, &KdSe, &KdSr};
    for (int i = 0; i < 4; ++i) {
        *carbons[i] = FieldEdit(Sorption);
        *kds[i] = FieldEdit(Sorption);
        const std::string carbonText = std::string("Organic Carbon Fraction (") + places[i] + "):";
        const std::string kdText = std::string("Kd (") + places[i] + "), L/kg:";
        row(sorp, 1 + i, label(carbonText.c_str(), Sorption), *carbons[i]);
        row(sorp, 5 + i, label(kdText.c_str(), Sorption), *kds[i]);
    }
    CalculateKd = new forms::TButton("Calculate", Sorption);
    sorp->addWidget(CalculateKd, 9, 1);
    sorp->setRowStretch(10, 1);
    AsTreatPages->addTab(Sorption, "Sorption");

    auto* commands = new QHBoxLayout();
    RunAsTreat = new forms::TButton("Run AsTreat", this);
    BitBtn1 = new forms::TButton("Close", this);
    FateHelp = new forms::TButton("Help", this);
    commands->addStretch(1);
    commands->addWidget(RunAsTreat);
    commands->addWidget(BitBtn1);
    commands->addWidget(FateHelp);
    outer->addLayout(commands);
    resize(640, 460);

    CalculateLoad->OnClick = [this] { CalculateLoadClick(); };
    Calculate->OnClick = [this] { CalculateClick(); };
    CalculateKd->OnClick = [this] { CalculateKdClick(); };
    ChoiceA->OnClick = [this] { ChoiceAClick(); };
    ChoiceB->OnClick = [this] { ChoiceBClick(); };
    BitBtn2->OnClick = [this] { AsTreatPages->setCurrentWidget(Biodeg); };
    BitBtn3->OnClick = [this] { AsTreatPages->setCurrentWidget(Volatilization); };
    BitBtn4->OnClick = [this] { AsTreatPages->setCurrentWidget(Sorption); };
    RunAsTreat->OnClick = [this] { RunAsTreatClick(); };
    BitBtn1->OnClick = [this] {
        SetModalResult(forms::mrOk);
        Close();
    };
    FateHelp->OnClick = [this] { FateHelpClick(); };
    VpUnits->OnChange = [this] { VpUnitsChange(); };
    connect(HalfLifeGrid, &QTableWidget::cellDoubleClicked, this,
            [this] { HalfLifeGridDblClick(); });
}

void TAsTreatInputs::ConnectFields() {
    for (const Field& f : kFields) {
        forms::TEdit* edit = this->*f.edit;
        edit->OnChange = [edit] { FilterAsTreatField(*edit); };
        edit->OnEnter = [edit] { edit->SetText(""); };
        edit->OnExit = [this, edit] { OnFieldExit(edit); };
    }
}

void TAsTreatInputs::ShowField(forms::TEdit& edit, double value) {
    Shown.ShowNumber(edit, value, DisplayValue(value));
}

// General format with the given number of significant digits, exponent form where it needs one.
void TAsTreatInputs::ShowGeneral(forms::TEdit& edit, double value, int digits) {
    Shown.ShowNumber(edit, value, sys::Format("%.*G", digits, value));
}

void TAsTreatInputs::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    const pmn_record& r = CurrentPmn;
    recordKow_ = r.KOW;
    recordVp_ = r.VP;
    VpUnits->SetItemIndex(VpTorr);
    AsTreatPages->setCurrentWidget(WasteWaterLoading);
    AsTreatLogKow = r.KOW;
    // The chemical's own properties are the held values of this visit, so that a field passed
    // through without typing keeps the chemical's value, not one of an earlier run.
    AsTreatHenry = r.HENRY;
    AsTreatSolubility = r.WSOLUBLE;
    AsTreatMw = r.MW;
    AsTreatVp = r.VP;
    ShowField(*Loading, AsTreatLoading);
    ShowGeneral(*NumDays, AsTreatDays, 4);
    ShowGeneral(*NumSites, AsTreatNumSites, 2);
    ShowField(*Density, AsTreatDensity);
    HenryUnitless->SetText("");
    ShowField(*HenryUnits, r.HENRY);
    AsTreatHenryUnitless = r.HENRY * kUnitlessPerAtmM3;
    ShowField(*Solubility, r.WSOLUBLE);
    ShowField(*Mw, r.MW);
    ShowField(*Vp, r.VP);
    ShowField(*HenryUnitless, AsTreatHenryUnitless);
    ShowField(*KdPe, AsTreatKdPe);
    ShowField(*KdPr, AsTreatKdPr);
    ShowField(*KdSe, AsTreatKdSe);
    ShowField(*KdSr, AsTreatKdSr);
    ShowField(*Kow, AsTreatLogKow);
    ShowField(*CarbonPe, AsTreatCarbonPe);
    ShowField(*CarbonPr, AsTreatCarbonPr);
    ShowField(*CarbonSe, AsTreatCarbonSe);
    ShowField(*CarbonSr, AsTreatCarbonSr);
    FillHalfLifeGrid(*HalfLifeGrid, TreatmentHalfLifeCells());
}

void TAsTreatInputs::FormClose() {
    if (activated_ && !runSucceeded_) {
        CurrentPmn.KOW = recordKow_;
        CurrentPmn.VP = recordVp_;
    }
    activated_ = false;
}

// Leaving a field: an empty field shows its held value again; a text that is no number is named
// and replaced by the held value; otherwise the text is the new value.
void TAsTreatInputs::OnFieldExit(forms::TEdit* edit) {
    const Field* field = nullptr;
    for (const Field& f : kFields) {
        if (this->*f.edit == edit) {
            field = &f;
        }
    }
    if (!field || Shown.UnchangedValue(*edit)) {
        return;
    }
    if (sys::Trim(edit->Text()).empty()) {
        ShowField(*edit, *field->value);
        return;
    }
    double parsed = 0;
    if (!ParseFieldText(edit->Text(), parsed)) {
        ShowError(NotANumberMessage(field->name, edit->Text()));
        ShowField(*edit, *field->value);
        return;
    }
    *field->value = parsed;
    Shown.ShowNumber(*edit, parsed, edit->Text());
    if (edit == Vp) {
        CurrentPmn.VP = AsTreatVp;
        StoreAsTreatVaporPressure();
        AsTreatVp = CurrentPmn.VP;
    } else if (edit == HenryUnitless) {
        AsTreatHenry = AsTreatHenryUnitless * (1.0 / kUnitlessPerAtmM3);
        ShowField(*HenryUnits, AsTreatHenry);
    }
}

bool TAsTreatInputs::CollectAsTreatInputs() {
    // Every text is read before any value changes, so a text that is no number changes nothing.
    std::vector<double> values;
    for (const Field& f : kFields) {
        forms::TEdit* edit = this->*f.edit;
        if (edit == InfluentConc) {
            continue;  // read only when its field is left
        }
        double value = 0;
        if (const auto unchanged = Shown.UnchangedValue(*edit)) {
            value = *unchanged;
        } else if (!ParseFieldText(edit->Text(), value)) {
            ShowError(NotANumberMessage(f.name, edit->Text()));
            return false;
        }
        values.push_back(value);
    }
    double decay = 0;
    const int row = HalfLifeGrid->currentRow() < 0 ? 0 : HalfLifeGrid->currentRow();
    ParseFieldText(HalfLifeGrid->Cells(3, row), decay);
    AsTreatDecayRate = decay;
    size_t i = 0;
    for (const Field& f : kFields) {
        if (this->*f.edit == InfluentConc) {
            continue;
        }
        *f.value = values[i++];
        if (this->*f.edit == Vp) {
            ShowAsTreatVaporPressure();
        }
    }
    CurrentPmn.KOW = AsTreatLogKow;
    return true;
}

void TAsTreatInputs::ShowAsTreatVaporPressure() {
    ShowField(*Vp, AsTreatVaporPressureFromTorr(CurrentPmn.VP, VpUnits->ItemIndex()));
}

void TAsTreatInputs::StoreAsTreatVaporPressure() {
    double entered = 0;
    if (ParseFieldText(Vp->Text(), entered)) {
        CurrentPmn.VP = AsTreatVaporPressureToTorr(entered, VpUnits->ItemIndex());
    }
}

void TAsTreatInputs::CalculateLoadClick() {
    if (!CollectAsTreatInputs()) {
        return;
    }
    AsTreatInfluentConc = InfluentConcentration(AsTreatLoading);
    ShowField(*InfluentConc, AsTreatInfluentConc);
}

void TAsTreatInputs::CalculateClick() {
    if (!CollectAsTreatInputs()) {
        return;
    }
    if (ChoiceA->Checked()) {
        AsTreatHenryUnitless = AsTreatHenry * kUnitlessPerAtmM3;
    } else if (AsTreatSolubility > 0) {
        AsTreatHenryUnitless =
            UnitlessHenryFromProperties(CurrentPmn.VP, AsTreatMw, AsTreatSolubility);
        AsTreatHenry = AsTreatHenryUnitless * (1.0 / kUnitlessPerAtmM3);
    }
    ShowField(*HenryUnits, AsTreatHenry);
    ShowField(*HenryUnitless, AsTreatHenryUnitless);
}

void TAsTreatInputs::CalculateKdClick() {
    if (!CollectAsTreatInputs()) {
        return;
    }
    AsTreatKdPe = KdFromLogKow(AsTreatLogKow, AsTreatCarbonPe);
    AsTreatKdPr = KdFromLogKow(AsTreatLogKow, AsTreatCarbonPr);
    AsTreatKdSe = KdFromLogKow(AsTreatLogKow, AsTreatCarbonSe);
    AsTreatKdSr = KdFromLogKow(AsTreatLogKow, AsTreatCarbonSr);
    ShowField(*KdPe, AsTreatKdPe);
    ShowField(*KdPr, AsTreatKdPr);
    ShowField(*KdSe, AsTreatKdSe);
    ShowField(*KdSr, AsTreatKdSr);
}

void TAsTreatInputs::ChoiceAClick() {
    ChoiceB->SetChecked(!ChoiceA->Checked());
}

void TAsTreatInputs::ChoiceBClick() {
    ChoiceA->SetChecked(!ChoiceB->Checked());
}

void TAsTreatInputs::HalfLifeGridDblClick() {
    AsTreatPages->setCurrentWidget(Volatilization);
}

void TAsTreatInputs::FateHelpClick() {
    forms::Ui().ShowHelp("AsTreat_Inputs");
}

void TAsTreatInputs::RunAsTreatClick() {
    TAstreatBox notes;
    notes.ShowModal();
    if (!CollectAsTreatInputs()) {
        return;
    }
    if (RunAsTreatModel()) {
        runSucceeded_ = true;
    }
}
