// TPchemFate: the module boxes and the input groups each module shows.
#include "chemistry/pchem_fate.h"

#include "platform/forms/components.h"
#include "scenario/scenario_record.h"

bool PresetMatches(const std::string& moduleFlags, const std::string& preset) {
    for (size_t k = 0; k < 9 && k < moduleFlags.size() && k < preset.size(); ++k) {
        if (moduleFlags[k] == '1' && preset[k] == '1') {
            return true;
        }
    }
    return false;
}

namespace {

void Follow(QWidget* widget, bool shown) {
    if (widget) {
        widget->setVisible(shown);
    }
}

// A units label or second control follows its group only when it has a caption.
void FollowIfCaptioned(QWidget* widget, bool shown) {
    if (auto* label = dynamic_cast<forms::TLabel*>(widget)) {
        if (!label->Text().empty()) {
            label->setVisible(shown);
        }
        return;
    }
    Follow(widget, shown);
}

}  // namespace

void TPchemFate::BuildGroups() {
    using K = ModuleGroup::Kind;
    groups_ = {
        {ChemName, Label3, nullptr, nullptr, "111111111", K::Pair},
        {Migration, Label41, nullptr, nullptr, "010000000", K::ControlAndSecond},
        {Bcf, Label25, nullptr, nullptr, "101000000", K::Controls},
        {FugitiveRemoval, Label39, Label42, nullptr, "000000001", K::Controls},
        {StackRemoval, Label40, Label43, nullptr, "000000001", K::Controls},
        {SludgeAbsorption, Label23, Label38, nullptr, "110000000", K::Controls},
        {Wwt, Label30, Label31, nullptr, "101000110", K::Controls},
        {Dwt, Label34, Label35, nullptr, "110000000", K::Controls},
        {WfMed, Label1, nullptr, nullptr, "000100000", K::Controls},
        {Wf90, Label2, nullptr, nullptr, "000100000", K::Controls},
        {Mw, Label26, Label27, nullptr, "000111100", K::Controls},
        {Vp, Label8, nullptr, VpUnits, "000111100", K::Controls},
        {WaterSolubility, Label4, SolubilityUnitsLabel, nullptr, "000011100", K::Controls},
        {Temperature, Label5, Label19, nullptr, "000011000", K::Controls},
        {LogKow, Label6, nullptr, nullptr, "000011100", K::Controls},
        {MeltingPoint, Label7, Label20, nullptr, "000011000", K::Controls},
        {AirHalfLife, Label9, Label21, nullptr, "000011000", K::Controls},
        {WaterHalfLife, Label10, Label22, nullptr, "000011000", K::Controls},
        {SoilHalfLife, Label11, Label24, nullptr, "000011000", K::Controls},
        {SedimentHalfLife, Label12, Label28, nullptr, "000011000", K::Controls},
        {SusSedHalfLife, Label17, Label29, nullptr, "000011000", K::Controls},
        {FishHalfLife, Label13, Label32, nullptr, "000001000", K::Controls},
        {Aerosol, Label14, Label33, nullptr, "000001000", K::Controls},
        {Henry, Label15, Label37, HenryUnits, "000000100", K::Controls},
    };
}

void TPchemFate::GenPopClick() {
    ModuleFlags = "000000000";
    std::vector<forms::TCheckBox*> boxes = ModuleBoxes();
    for (size_t k = 0; k < boxes.size(); ++k) {
        if (boxes[k]->Checked()) {
            ModuleFlags[k] = '1';
        }
    }
    for (const ModuleGroup& g : groups_) {
        const bool shown = PresetMatches(ModuleFlags, g.preset);
        Follow(g.input, shown);
        Follow(g.label, shown);
        if (g.kind == ModuleGroup::Controls) {
            FollowIfCaptioned(g.unitsLabel, shown);
        }
        if (g.extra) {
            Follow(g.extra, shown);  // the unit lists follow their group on their own
        }
    }
    CalcLowWwt->setVisible(AsTreat->Checked());
    WaterHalfButton->setVisible(forms::Visible(WaterHalfLife));
    SoilHalfButton->setVisible(forms::Visible(SoilHalfLife));
    SedimentHalfButton->setVisible(forms::Visible(SedimentHalfLife));
    AirHalfButton->hide();
    FishHalfButton->hide();

    // The partition coefficients of the Level III model, by its partition type.
    forms::TEdit* edits[] = {WaterAir, Soil, Sediment, SusSed, Fish, AerosolPart};
    forms::TLabel* labels[] = {WaterAirLabel, SoilLabel, SedimentLabel,
                               SusSedLabel,   FishLabel, AerosolLabel};
    forms::TLabel* units[] = {SoilUnitsLabel, SedimentUnitsLabel, SusSedUnitsLabel, FishUnitsLabel};
    const int type = Level3Types->ItemIndex();
    const bool partitionsShown = type > 0 && (Level3->Checked() || Eqc->Checked());
    for (int i = 0; i < 6; ++i) {
        edits[i]->setVisible(partitionsShown);
        labels[i]->setVisible(partitionsShown);
    }
    Label18->setVisible(partitionsShown);
    const char* waterNames[] = {"Air-Water",           "Soil-Water", "Sediment-Water",
                                "Sus. Sediment-Water", "Fish-Water", "Aerosol-Water"};
    const char* airNames[] = {"Water-Air",         "Soil-Air", "Sediment-Air",
                              "Sus. Sediment-Air", "Fish-Air", "Aerosol-Air"};
    for (int i = 0; i < 4; ++i) {
        units[i]->setVisible(partitionsShown && type == 1);
    }
    if (partitionsShown) {
        for (int i = 0; i < 6; ++i) {
            labels[i]->SetText(type == 1 ? waterNames[i] : airNames[i]);
        }
    }

    // The "No BCF available?" switch goes with the BCF input.
    if (forms::Visible(Bcf)) {
        NoBcf->show();
        if (CurrentPmn.BCF > 0) {
            NoBcfLabel->hide();
        } else {
            NoBcfLabel->show();
            NoBcf->SetChecked(true);
        }
    } else {
        NoBcf->hide();
        NoBcfLabel->hide();
    }
}

void TPchemFate::Level3Click() {
    GenPopClick();
    Level3Types->setVisible(Level3->Checked());
}
