// TPchemFate: the numeric edits (filter, entry, reading on exit with their checks and couplings),
// the unit lists, the "No BCF available?" switch, the treatment model and the half-life chart.
#include <QApplication>

#include "chemistry/astreat_inputs.h"
#include "chemistry/astreat_values.h"
#include "chemistry/fate_units.h"
#include "chemistry/half_life_chart.h"
#include "chemistry/pchem_fate.h"
#include "form_helpers/edit_helpers.h"
#include "platform/forms/ui_service.h"
#include "platform/sys/text.h"
#include "scenario/scenario_record.h"

namespace {

enum class ReadKind { Positive, Signed, Percent, Fraction, VaporPressure, HenryConstant, Nothing };

struct EditRule {
    forms::TEdit* TPchemFate::*edit;
    const char* name;  // names the field in messages
    ReadKind kind;
    double pmn_record::*field;
    const char* checkLabel;  // for percentages and fractions
    bool clearOnEnter;
};

const EditRule kRules[] = {
    {&TPchemFate::Bcf, "Bioconcentration factor", ReadKind::Positive, &pmn_record::BCF, "", false},
    {&TPchemFate::Wwt, "Wastewater treatment removal", ReadKind::Percent, &pmn_record::WWT_LOW,
     "Wastewater treatment removal", false},
    {&TPchemFate::SludgeAbsorption, "Adsorption to wastewater treatment sludge", ReadKind::Percent,
     &pmn_record::SLUDGEAB, "% Absorption to wastewater treatment sludge", false},
    {&TPchemFate::Dwt, "Drinking water treatment removal", ReadKind::Percent, &pmn_record::DWT,
     "Drinking water treatment removal", false},
    {&TPchemFate::StackRemoval, "Stack air emissions removal", ReadKind::Percent,
     &pmn_record::INCIN_LO, "Stack treatment removal", false},
    {&TPchemFate::FugitiveRemoval, "Fugitive air emissions removal", ReadKind::Percent,
     &pmn_record::INCIN_HI, "% Fugitive treatment removal", false},
    {&TPchemFate::WfMed, "Weight fraction (central tendency)", ReadKind::Fraction,
     &pmn_record::WTFRAC_MED, "Median Weight Fraction", false},
    {&TPchemFate::Wf90, "Weight fraction (high end)", ReadKind::Fraction, &pmn_record::WTFRAC_90,
     "90th %ile Weight Fraction", false},
    {&TPchemFate::Mw, "Molecular weight", ReadKind::Positive, &pmn_record::MW, "", false},
    {&TPchemFate::Vp, "Vapor pressure", ReadKind::VaporPressure, &pmn_record::VP, "", false},
    {&TPchemFate::WaterSolubility, "Water solubility", ReadKind::Positive, &pmn_record::WSOLUBLE,
     "", false},
    {&TPchemFate::Temperature, "Data temperature", ReadKind::Signed, &pmn_record::DATATEMP, "",
     false},
    {&TPchemFate::LogKow, "Log Kow", ReadKind::Signed, &pmn_record::KOW, "", false},
    {&TPchemFate::MeltingPoint, "Melting point", ReadKind::Signed, &pmn_record::MELT_PT, "", false},
    {&TPchemFate::Aerosol, "Aerosol half life", ReadKind::Positive, &pmn_record::AEROSOL, "",
     false},
    {&TPchemFate::Henry, "Henry's law constant", ReadKind::HenryConstant, &pmn_record::HENRY, "",
     false},
    {&TPchemFate::AirHalfLife, "Air half life", ReadKind::Nothing, nullptr, "", false},
    {&TPchemFate::WaterHalfLife, "Water half life", ReadKind::Nothing, nullptr, "", false},
    {&TPchemFate::SoilHalfLife, "Soil half life", ReadKind::Nothing, nullptr, "", false},
    {&TPchemFate::SedimentHalfLife, "Sediment half life", ReadKind::Nothing, nullptr, "", false},
    {&TPchemFate::FishHalfLife, "Fish half life", ReadKind::Nothing, nullptr, "", false},
    {&TPchemFate::SusSedHalfLife, "Suspended sediment half life", ReadKind::Nothing, nullptr, "",
     true},
    {&TPchemFate::WaterAir, "Water-air partition coefficient", ReadKind::Nothing, nullptr, "",
     true},
    {&TPchemFate::Soil, "Soil partition coefficient", ReadKind::Nothing, nullptr, "", true},
    {&TPchemFate::Sediment, "Sediment partition coefficient", ReadKind::Nothing, nullptr, "", true},
    {&TPchemFate::SusSed, "Suspended sediment partition coefficient", ReadKind::Nothing, nullptr,
     "", true},
    {&TPchemFate::Fish, "Fish partition coefficient", ReadKind::Nothing, nullptr, "", true},
    {&TPchemFate::AerosolPart, "Aerosol partition coefficient", ReadKind::Nothing, nullptr, "",
     true},
};

const EditRule* RuleFor(const TPchemFate& form, const forms::TEdit* edit) {
    for (const EditRule& rule : kRules) {
        if (form.*rule.edit == edit) {
            return &rule;
        }
    }
    return nullptr;
}

void ShowNotANumber(const std::string& field, const std::string& text) {
    forms::Ui().MessageBox(NotANumberMessage(field, text), "Error", forms::Buttons::Ok,
                           forms::Icon::Error);
}

void ShowSludgeMessage() {
    forms::Ui().MessageBox(
        "% Absorption to wastewater treatment sludge must be < or = Wastewater treatment.", "Error",
        forms::Buttons::Ok, forms::Icon::Error);
}

}  // namespace

void TPchemFate::ConnectEdits() {
    for (const EditRule& rule : kRules) {
        forms::TEdit* edit = this->*rule.edit;
        edit->OnChange = [edit] {
            if (edit->Text() != "N/A") {
                FilterNumericEdit(*edit);
            }
        };
        if (rule.clearOnEnter) {
            edit->OnEnter = [edit] { edit->SetText(""); };
        } else {
            edit->OnEnter = [edit] { SelectAllOnEnter(*edit); };
        }
        edit->OnExit = [this, edit] { OnEditExit(edit); };
    }
}

// A text the program showed and the person left alone keeps the value behind it, so a rounded or
// "N/A" display never replaces the stored value.
void TPchemFate::OnEditExit(forms::TEdit* edit) {
    const EditRule* rule = RuleFor(*this, edit);
    if (!rule || rule->kind == ReadKind::Nothing || !Shown.Changed(*edit)) {
        return;
    }
    double parsed = 0;
    if (!ParseFieldText(edit->Text(), parsed)) {
        ShowNotANumber(rule->name, edit->Text());
        const double stored = CurrentPmn.*rule->field;
        if (rule->kind == ReadKind::VaporPressure) {
            ShowVaporPressureInUnits();
        } else if (rule->kind == ReadKind::HenryConstant) {
            ShowHenryInUnits();
        } else {
            ShowInEdit(*edit, stored, rule->kind == ReadKind::Signed);
        }
        return;
    }
    pmn_record& r = CurrentPmn;
    const bool notApplicable =
        parsed == NotApplicable && edit->Text().find("N/A") != std::string::npos;
    switch (rule->kind) {
        case ReadKind::Positive:
            if (notApplicable) {
                r.*rule->field = NotApplicable;
            } else {
                ReadPositiveEdit(*edit, &(r.*rule->field));
            }
            break;
        case ReadKind::Signed:
            if (sys::Trim(edit->Text()).empty()) {
                ShowInEdit(*edit, r.*rule->field, true);
            } else {
                r.*rule->field = parsed;
            }
            break;
        case ReadKind::Percent:
            CheckPercent(*edit, &(r.*rule->field), rule->checkLabel);
            break;
        case ReadKind::Fraction:
            CheckFraction(*edit, &(r.*rule->field), rule->checkLabel);
            break;
        case ReadKind::VaporPressure:
            ReadVaporPressureInUnits();
            break;
        case ReadKind::HenryConstant:
            ReadHenryInUnits();
            break;
        case ReadKind::Nothing:
            break;
    }
    Shown.Accept(*edit);

    // Couplings between the inputs.
    if (edit == Bcf && r.BCF <= 0 && !NoBcf->Checked()) {
        NoBcf->SetChecked(true);
    } else if (edit == Wwt && r.SLUDGEAB > r.WWT_LOW && forms::Visible(SludgeAbsorption)) {
        ShowSludgeMessage();
        r.WWT_LOW = r.SLUDGEAB;
        Wwt->SetText(SludgeAbsorption->Text());
        Shown.Accept(*Wwt);
    } else if (edit == SludgeAbsorption) {
        if (r.SLUDGEAB > r.WWT_LOW && forms::Visible(Wwt)) {
            ShowSludgeMessage();
            r.SLUDGEAB = r.WWT_LOW;
            SludgeAbsorption->SetText(Wwt->Text());
            Shown.Accept(*SludgeAbsorption);
        }
        if (forms::Visible(Wwt)) {
            r.SORPTION = r.SLUDGEAB * 0.01 * r.H2O_HI;
            r.DAYSSLUDGE = r.H2ODAYHI;
        }
    } else if (edit == WfMed && r.WTFRAC_90 < r.WTFRAC_MED) {
        Wf90->SetText(WfMed->Text());  // read into the record when Wf90 is left or committed
    } else if (edit == Wf90 && r.WTFRAC_90 < r.WTFRAC_MED) {
        WfMed->SetText(Wf90->Text());
    }
}

namespace {

// Reads an edit shown in a chosen unit into its stored value: a negative value other than -9 is
// refused as for every other positive quantity, and on any refusal the stored value is shown
// again in the chosen unit.
void ReadInUnits(TPchemFate& form, forms::TEdit& edit, const char* name, double& stored, int unit,
                 double (*toStored)(double, int), double (*fromStored)(double, int),
                 void (TPchemFate::*show)()) {
    double parsed = 0;
    if (!ParseFieldText(edit.Text(), parsed)) {
        ShowNotANumber(name, edit.Text());
        (form.*show)();
        return;
    }
    if (edit.Text().find("N/A") != std::string::npos) {
        stored = NotApplicable;
        return;
    }
    double inUnit = fromStored(stored, unit);
    if (!ReadPositiveEdit(edit, &inUnit)) {
        stored = toStored(inUnit, unit);
    }
    form.Shown.Accept(edit);
}

}  // namespace

void TPchemFate::ReadVaporPressureInUnits() {
    ReadInUnits(*this, *Vp, "Vapor pressure", CurrentPmn.VP, VpUnits->ItemIndex(),
                VaporPressureToTorr, VaporPressureFromTorr, &TPchemFate::ShowVaporPressureInUnits);
}

void TPchemFate::ShowVaporPressureInUnits() {
    ShowInEdit(*Vp, VaporPressureFromTorr(CurrentPmn.VP, VpUnits->ItemIndex()));
}

void TPchemFate::ReadHenryInUnits() {
    ReadInUnits(*this, *Henry, "Henry's law constant", CurrentPmn.HENRY, HenryUnits->ItemIndex(),
                HenryToStored, HenryFromStored, &TPchemFate::ShowHenryInUnits);
}

void TPchemFate::ShowHenryInUnits() {
    ShowInEdit(*Henry, HenryFromStored(CurrentPmn.HENRY, HenryUnits->ItemIndex()));
}

// Ticking shows "0.00" as text only: the record keeps its BCF until the commit reads the text.
void TPchemFate::NoBcfClick() {
    if (NoBcf->Checked()) {
        NoBcfLabel->show();
        Bcf->SetText("0.00");
    } else {
        ShowInEdit(*Bcf, CurrentPmn.BCF);
        NoBcfLabel->hide();
    }
}

// The screen takes the model's values only from a run that succeeded during this visit of the
// dialog; a dialog closed without such a run changes nothing here. The values are taken as the
// dialog holds them, not as their fields round them for display.
void TPchemFate::CalcLowWwtClick() {
    TAsTreatInputs dialog;
    dialog.ShowModal();
    if (!dialog.RunSucceeded()) {
        return;
    }
    pmn_record& r = CurrentPmn;
    ClaimTreatmentRunFor(r.CaseNum, r.CaseNum + "," + r.ScenNum);
    r.WWT_LOW = AsTreatWwtRemoval;
    ShowInEdit(*Wwt, r.WWT_LOW);
    ShowInEdit(*LogKow, r.KOW, true);
    r.HENRY = AsTreatHenry;
    ShowHenryInUnits();
    r.MW = AsTreatMw;
    ShowInEdit(*Mw, r.MW);
    VpUnits->SetItemIndex(dialog.VpUnits->ItemIndex());
    ShowVaporPressureInUnits();
    r.WSOLUBLE = AsTreatSolubility;
    ShowInEdit(*WaterSolubility, r.WSOLUBLE);
}

void TPchemFate::ShowHalfLifeChart(int target) {
    HalfLifeTarget = target;
    TheHalfLifeForm().ShowModal();
}
