// The reset of the scenario record to its defaults between releases.
#include "scenario/scenario_reset.h"

#include "scenario/exposure_factors.h"
#include "scenario/scenario_record.h"

namespace {

// A fresh record that keeps the members which carry over from one release to the next.
pmn_record DefaultsKeepingCarriedMembers(const pmn_record& old) {
    pmn_record fresh;
    static_cast<pmn_results&>(fresh) = static_cast<const pmn_results&>(old);
    fresh.SIC = old.SIC;
    fresh.IACC = old.IACC;
    fresh.WHICHANAL = old.WHICHANAL;
    fresh.COC0 = old.COC0;
    fresh.COC1 = old.COC1;
    fresh.COC2 = old.COC2;
    fresh.MigrateText = old.MigrateText;
    fresh.HIT = old.HIT;
    fresh.MEANFLOW = old.MEANFLOW;
    fresh.DTYPE = old.DTYPE;
    fresh.DispPreTreat = old.DispPreTreat;
    fresh.AcuteConc = old.AcuteConc;
    fresh.ChronicConc = old.ChronicConc;
    fresh.PdmSiteDays = old.PdmSiteDays;
    fresh.PdmSicDays = old.PdmSicDays;
    fresh.DispDays = old.DispDays;
    // Factors that only the exposure-factor table sets: with the load held back (or a table
    // without their rows) they stay as they were.
    fresh.DRINKCHRON = old.DRINKCHRON;
    fresh.FISHCHRON = old.FISHCHRON;
    fresh.INHALE = old.INHALE;
    fresh.SA_BODY = old.SA_BODY;
    fresh.SA_HAND = old.SA_HAND;
    // The category flow statistics are cleared only once the exposure factors are loaded.
    fresh.HMF_50 = old.HMF_50;
    fresh.HMF_10 = old.HMF_10;
    fresh._0Q5_50 = old._0Q5_50;
    fresh._0Q5_10 = old._0Q5_10;
    fresh.LOW_50 = old.LOW_50;
    fresh.LOW_10 = old.LOW_10;
    fresh._Q10_10 = old._Q10_10;
    fresh._Q10_50 = old._Q10_50;
    // The fugitive air concentrations are not carried over: a new release must not inherit
    // another case's concentrations, so they start at 0 like the stack pair.
    return fresh;
}

}  // namespace

void ResetScenarioRecord() {
    CurrentPmn = DefaultsKeepingCarriedMembers(CurrentPmn);
    PdmHighEnd = 1;
    HealthFlags = "111";
    DisposalHighEnd = 1;
    CurrentPmn.POP_NUM = 0;
    LoadScreeningExposureFactors();
    CurrentPmn.HMF_50 = 0;
    CurrentPmn.HMF_10 = 0;
    CurrentPmn._0Q5_50 = 0;
    CurrentPmn._0Q5_10 = 0;
    CurrentPmn.LOW_50 = 0;
    CurrentPmn.LOW_10 = 0;
    CurrentPmn._Q10_10 = 0;
    CurrentPmn._Q10_50 = 0;
}
