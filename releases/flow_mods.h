// TFlowMods: the dialog that replaces the current facility's stream and effluent flows by the
// user's own values and marks each one that differs from the facility and reach tables.
#pragma once

#include <array>
#include <string>

#include "platform/forms/components.h"
#include "platform/forms/form.h"

// True when a flow differs from its reference by more than 0.1 percent. A reference that is
// not above 0 counts as different from any flow above 0.
bool FlowDiffersFromReference(double value, double reference);

class TFlowMods : public forms::Form {
    Q_OBJECT
  public:
    TFlowMods();

    forms::TEdit *MeanFlow, *HarMean, *Flow30q5, *Flow7q10, *Flow1q10, *EffFlow;
    forms::TLabel *MeanFlg, *HarMeanFlg, *Fl30q5Flg, *Fl7q10Flg, *Fl1q10Flg, *EffFlg;
    forms::TEdit *Npdes, *Facility, *Location, *Reach, *ReachName;
    forms::TButton* BitBtn1;

    void FormActivate() override;
    void BitBtn1Click();

  private:
    // One flow row: its edit, flag label, record flow and flag, and the reference value.
    struct FlowRow {
        forms::TEdit* edit;
        forms::TLabel* flag;
        double* flow;
        std::string* recordFlag;
        double reference;
    };
    std::array<FlowRow, 6> Rows();
    void ShowModifiedMark(double value, double reference, forms::TLabel& label);
    void ReadFlowEdit(const FlowRow& row);
};
