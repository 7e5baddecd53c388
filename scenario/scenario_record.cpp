// The shared records, their globals and the release key split.
#include "scenario/scenario_record.h"

pmn_record CurrentPmn;
save_record SavedFactors;
direct_record DirectRec;
reach_record ReachRec;
estflow_record EstFlowRec;
actflow_record ActFlowRec;
tmp_record TmpRec;
critter_record CritterRec;
pdm_coefficients PdmCoefficients;

std::string HealthFlags = "111";
int DisposalHighEnd = 1;
int PdmHighEnd = 0;
unsigned char SuppressFactorLoad = 0;

void SplitReleaseKey(const std::string& key) {
    const auto comma = key.rfind(',');
    if (comma == std::string::npos) {
        CurrentPmn.CaseNum.clear();
        CurrentPmn.ScenNum.clear();
        return;
    }
    CurrentPmn.CaseNum = key.substr(0, comma);
    CurrentPmn.ScenNum = key.substr(comma + 1);
}
