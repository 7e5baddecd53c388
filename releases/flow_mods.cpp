// The stream-flow modification dialog: layout, activation and the reading of each flow.
#include "releases/flow_mods.h"

#include <QGridLayout>
#include <cmath>

#include "form_helpers/edit_helpers.h"
#include "releases/scr_level_form.h"
#include "scenario/lookups_facility.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

bool FlowDiffersFromReference(double value, double reference) {
    if (!(reference > 0))
        return value > 0;
    return std::fabs(value / reference - 1) > 0.001;
}

namespace {

forms::TEdit* AddRow(QGridLayout* grid, QWidget* parent, int row, const char* name,
                     const char* caption, forms::TLabel** flag, const char* flagName) {
    auto* edit = new forms::TEdit(parent);
    edit->setObjectName(name);
    grid->addWidget(new forms::TLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    if (flag) {
        grid->addWidget(new forms::TLabel("MLD", parent), row, 2);
        *flag = new forms::TLabel("*", parent);
        (*flag)->setObjectName(flagName);
        grid->addWidget(*flag, row, 3);
    }
    return edit;
}

}  // namespace

TFlowMods::TFlowMods() {
    setObjectName("FlowMods");
    SetCaption("Facility Flow Modification Screen");
    auto* grid = new QGridLayout(this);
    Npdes = AddRow(grid, this, 0, "Npdes", "NPDES Number:", nullptr, nullptr);
    Facility = AddRow(grid, this, 1, "Facility", "Facility Name:", nullptr, nullptr);
    Location = AddRow(grid, this, 2, "Location", "Facility Location:", nullptr, nullptr);
    Reach = AddRow(grid, this, 3, "Reach", "Reach Number:", nullptr, nullptr);
    ReachName = AddRow(grid, this, 4, "ReachName", "Reach Name:", nullptr, nullptr);
    for (forms::TEdit* e : {Facility, Location, Reach})
        e->setReadOnly(true);
    MeanFlow = AddRow(grid, this, 5, "MeanFlow", "Mean Stream Flow:", &MeanFlg, "MeanFlg");
    HarMean = AddRow(grid, this, 6, "HarMean", "Har Mean Stream Flow:", &HarMeanFlg, "HarMeanFlg");
    Flow30q5 = AddRow(grid, this, 7, "Flow30q5", "30q5 Flow:", &Fl30q5Flg, "Fl30q5Flg");
    Flow7q10 = AddRow(grid, this, 8, "Flow7q10", "7q10 Flow:", &Fl7q10Flg, "Fl7q10Flg");
    Flow1q10 = AddRow(grid, this, 9, "Flow1q10", "1q10 Flow:", &Fl1q10Flg, "Fl1q10Flg");
    EffFlow = AddRow(grid, this, 10, "EffFlow", "Effluent Flow:", &EffFlg, "EffFlg");
    BitBtn1 = new forms::TButton("Select these values", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->OnClick = [this] { BitBtn1Click(); };
    grid->addWidget(BitBtn1, 11, 0, 1, 2);
    for (size_t i = 0; i < 6; ++i) {
        forms::TEdit* edit = Rows()[i].edit;
        edit->OnChange = [edit] { FilterNumericEdit(*edit); };
        edit->OnEnter = [edit] { edit->SetText(""); };
        edit->OnExit = [this, i] { ReadFlowEdit(Rows()[i]); };
    }
}

std::array<TFlowMods::FlowRow, 6> TFlowMods::Rows() {
    pmn_record& r = CurrentPmn;
    return {{{MeanFlow, MeanFlg, &r.MEANFLOW, &r.MEANFLG, ReachRec.MEAN_FLOW},
             {HarMean, HarMeanFlg, &r.HARFLOW, &r.HARMNFLG, ReachRec.HarmonicFlow},
             {Flow30q5, Fl30q5Flg, &r.FLOW30Q5, &r.FL30Q5FLG, ReachRec.Flow30Q5},
             {Flow7q10, Fl7q10Flg, &r.FLOW7Q10, &r.FL7Q10FLG, ReachRec.LOW_FLOW},
             {Flow1q10, Fl1q10Flg, &r.FLOW1Q10, &r.FL1Q10FLG, ReachRec.Flow1Q10},
             {EffFlow, EffFlg, &r.PLANTFLO, &r.EFFFLG, DirectRec.PLANTFLOW}}};
}

void TFlowMods::FormActivate() {
    if (ScrLevelForm) {
        forms::TStringGrid* grid = ScrLevelForm->FacilityGrid;
        const int row = grid->Row();
        forms::TEdit* shown[5] = {Npdes, Facility, Location, Reach, ReachName};
        for (int col = 0; col < 5; ++col)
            shown[col]->SetText(row >= 0 ? grid->Cells(col, row) : "");
    }
    for (const FlowRow& row : Rows())
        ShowValue(*row.flow, *row.edit);
    Npdes->SetText(CurrentPmn.NPDES);
    Facility->SetText(CurrentPmn.FAC_NAME);
    Location->SetText(CurrentPmn.FAC_LOC);
    Reach->SetText(CurrentPmn.REACH);
    FacilityIndexName = "NPDES";
    LoadFacility(CurrentPmn.NPDES, FacilityIndexName);
    for (const FlowRow& row : Rows())
        ShowModifiedMark(*row.flow, row.reference, *row.flag);
}

void TFlowMods::ShowModifiedMark(double value, double reference, forms::TLabel& label) {
    label.SetText("");
    if (value > 0 && FlowDiffersFromReference(value, reference))
        label.SetText("*");
}

void TFlowMods::ReadFlowEdit(const FlowRow& row) {
    ReadPositiveEdit(*row.edit, row.flow);
    if (FlowDiffersFromReference(*row.flow, row.reference))
        row.flag->SetText("*");
    *row.recordFlag = row.flag->Text();
}

void TFlowMods::BitBtn1Click() {
    SaveScenarioRecord();
    Close();
}
