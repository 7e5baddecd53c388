// TPchemFate: the commit ("Select This Chemical ID"): reading the inputs, the module flags, the
// chemical block written into every release row, the closing checks and the model databases.
#include <cmath>

#include "chemistry/chemical_choice.h"
#include "chemistry/fate_units.h"
#include "chemistry/pchem_fate.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/exposure_factors.h"
#include "scenario/globals.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

struct CommitField {
    forms::TEdit* TPchemFate::*edit;
    const char* name;
    double pmn_record::*field;
};

// The inputs the commit reads, in its order.
const CommitField kCommitFields[] = {
    {&TPchemFate::Bcf, "Bioconcentration factor", &pmn_record::BCF},
    {&TPchemFate::Wwt, "Wastewater treatment removal", &pmn_record::WWT_LOW},
    {&TPchemFate::SludgeAbsorption, "Adsorption to wastewater treatment sludge",
     &pmn_record::SLUDGEAB},
    {&TPchemFate::Dwt, "Drinking water treatment removal", &pmn_record::DWT},
    {&TPchemFate::FugitiveRemoval, "Fugitive air emissions removal", &pmn_record::INCIN_HI},
    {&TPchemFate::StackRemoval, "Stack air emissions removal", &pmn_record::INCIN_LO},
    {&TPchemFate::WfMed, "Weight fraction (central tendency)", &pmn_record::WTFRAC_MED},
    {&TPchemFate::Wf90, "Weight fraction (high end)", &pmn_record::WTFRAC_90},
    {&TPchemFate::Mw, "Molecular weight", &pmn_record::MW},
    {&TPchemFate::WaterSolubility, "Water solubility", &pmn_record::WSOLUBLE},
    {&TPchemFate::LogKow, "Log Kow", &pmn_record::KOW},
    {&TPchemFate::MeltingPoint, "Melting point", &pmn_record::MELT_PT},
    {&TPchemFate::Aerosol, "Aerosol half life", &pmn_record::AEROSOL},
    {&TPchemFate::Temperature, "Data temperature", &pmn_record::DATATEMP},
};

void ShowNote(const std::string& text) {
    forms::Ui().MessageBox(text, "Note", forms::Buttons::Ok, forms::Icon::Information);
}

void ShowError(const std::string& text) {
    forms::Ui().MessageBox(text, "Error", forms::Buttons::Ok, forms::Icon::Error);
}

// Writes the chemical block of CurrentPmn (release 1 of the chemical) into every further release
// row of the chemical, then makes release 1 current again.
// The id is taken by value: loading rows changes CurrentPmn.CaseNum, which callers pass.
void PropagateChemicalBlock(const std::string id) {
    LoadScenarioRecord(id + ",1");
    bool more = MoveToNextScenarioRow();
    if (more) {
        LoadScenarioRecord("");
    }
    while (more && CurrentPmn.CaseNum == id) {
        RestoreExposureFactors();
        RestoreAllExposureFactors();
        SaveScenarioRecord();
        more = MoveToNextScenarioRow();
        if (more) {
            LoadScenarioRecord("");
        }
    }
    LoadScenarioRecord(id + ",1");
}

}  // namespace

// Every input the commit reads is parsed before anything is stored: a text that is no number is
// named in a message and the commit stops with the record and the table as they were. A text the
// program showed and the person left alone keeps the stored value (rounded or "N/A" displays).
bool TPchemFate::ReadCommitValues() {
    pmn_record next = CurrentPmn;
    for (const CommitField& f : kCommitFields) {
        forms::TEdit* edit = this->*f.edit;
        if (!Shown.Changed(*edit)) {
            continue;
        }
        double value = 0;
        if (!ParseFieldText(edit->Text(), value)) {
            ShowError(NotANumberMessage(f.name, edit->Text()));
            return false;
        }
        next.*f.field = value;
    }
    // A vapour pressure or Henry's constant typed but not yet left counts, in its chosen unit.
    double value = 0;
    if (Shown.Changed(*Vp)) {
        if (!ParseFieldText(Vp->Text(), value)) {
            ShowError(NotANumberMessage("Vapor pressure", Vp->Text()));
            return false;
        }
        next.VP = VaporPressureToTorr(value, VpUnits->ItemIndex());
    }
    if (Shown.Changed(*Henry)) {
        if (!ParseFieldText(Henry->Text(), value)) {
            ShowError(NotANumberMessage("Henry's law constant", Henry->Text()));
            return false;
        }
        next.HENRY = HenryToStored(value, HenryUnits->ItemIndex());
    }
    next.WWT_HI = next.WWT_LOW;
    const int migration = Migration->ItemIndex();
    next.MIGRATE = migration;
    if (migration >= 0 && migration <= 4) {
        next.MIGFACT = kMigrationClasses[migration].factor;
        next.MigrateText = kMigrationClasses[migration].text;
    }
    next.CHEMNAME = ChemName->Text();
    CurrentPmn = next;
    return true;
}

void TPchemFate::CloseFateScreenClick() {
    // An id typed without leaving the box is taken first, as leaving the box takes it: the
    // chemical of that id is shown (or a new one started) and the screen stays open, so that the
    // entries of one chemical are never committed under another.
    if (ChemId->ItemIndex() == -1 && ChemId->Text() != CurrentPmn.CaseNum) {
        ChemIdExit();
        return;
    }
    if (sys::Trim(ChemId->Text()).empty()) {
        ShowError("You must select or enter a Chemical ID.");
        return;
    }
    if (!ReadCommitValues()) {
        return;
    }
    std::string modules = "000000000";
    ChemicalChoice choice;
    std::vector<forms::TCheckBox*> boxes = ModuleBoxes();
    for (size_t k = 0; k < boxes.size(); ++k) {
        if (boxes[k]->Checked()) {
            modules[k] = '1';
            choice.modules[k] = 1;
        }
    }
    CurrentPmn.MODGUYS = modules;
    SelectedChemIndex = ChemId->ItemIndex();
    choice.chemId = ChemId->Text();
    choice.Publish();
    if (CurrentPmn.WHICHANAL < 0 || CurrentPmn.WHICHANAL > 2) {
        CurrentPmn.WHICHANAL = 0;
    }

    SaveScenarioRecord();
    SaveAllExposureFactors();
    SaveExposureFactors();
    PropagateChemicalBlock(CurrentPmn.CaseNum);

    const bool nameShown = forms::Visible(ChemName);
    if (nameShown && ChemName->Text().empty()) {
        ShowError("You must enter a chemical name");
        return;
    }
    if (!ValidateFateInputs()) {
        return;
    }
    // The outside models' databases receive the chemical only once it passed every check.
    if (nameShown) {
        if (Level3->Checked()) {
            WriteLevel3Chemical();
        }
        if (Eqc->Checked()) {
            WriteEqcChemical();
        }
    }
    committed_ = true;
    SetModalResult(forms::mrOk);
    Close();
}

bool TPchemFate::ValidateFateInputs() {
    const pmn_record& r = CurrentPmn;
    bool valid = true;
    auto fail = [&valid](const char* message) {
        ShowNote(message);
        valid = false;
    };
    const bool solubilityShown = forms::Visible(WaterSolubility);
    if (forms::Visible(Bcf) && r.BCF <= 0 && !NoBcf->Checked()) {
        fail("BCF must be greater than 0");
    }
    if (solubilityShown && (r.WSOLUBLE < 1e-13 || r.WSOLUBLE > 3e13)) {
        fail("Water solubility must be > than 1.0e-13");
    }
    if (solubilityShown && forms::Visible(LogKow) && (r.KOW < -3 || r.KOW > 12)) {
        fail("Log Kow must have a value between -3 and 12.");
    }
    if (solubilityShown && forms::Visible(Aerosol) && r.AEROSOL == 0) {
        fail("Aerosol half life must be greater than 0");
    }
    if (forms::Visible(Vp) && r.VP == 0) {
        const int answer = forms::Ui().MessageBox(
            "Vapor pressure must be greater than 0 for inhalation scenarios in KIV.\nDo you wish "
            "to continue with a 0 value for vapor pressure?",
            "Note", forms::Buttons::OkCancel, forms::Icon::Question);
        if (answer == forms::mrCancel) {
            valid = false;
        }
    }
    if (forms::Visible(Mw) && r.MW == 0) {
        fail("Molecular weight must be greater than 0");
    }
    if (forms::Visible(WfMed) && r.WTFRAC_MED == 0) {
        fail("Median weight fraction must be greater than 0 and less than or equal to 1");
    }
    if (forms::Visible(Wf90) && r.WTFRAC_90 == 0) {
        fail("90th %ile weight fraction must be greater than 0 and less than or equal to 1");
    }
    return valid;
}
