// The exposure-factor page's entries written into every release row of a chemical.
#include "scenario/exposure_factor_entries.h"

#include "scenario/number_text.h"
#include "scenario/scenario_record.h"
#include "scenario/scenario_table.h"

namespace {

// "NA" typed into an intake entry stands for 0.
std::string ZeroForNa(const std::string& text) {
    return text == "NA" ? "0" : text;
}

}  // namespace

void CollectExposureFactors(ExposureFactorEntries entries) {
    entries.InhaleExp = ZeroForNa(entries.InhaleExp);
    entries.FishCExp = ZeroForNa(entries.FishCExp);
    entries.FishAExp = ZeroForNa(entries.FishAExp);
    entries.DwCExp = ZeroForNa(entries.DwCExp);
    entries.DwAExp = ZeroForNa(entries.DwAExp);
    // Every entry is parsed before the first row is touched, so a bad entry writes nothing.
    const double bw = ParseNumber(entries.BwExp);
    const double edCancer = ParseNumber(entries.EdCExp);
    const double edNonCancer = ParseNumber(entries.EdNCExp);
    const double atCancer = ParseNumber(entries.AtCExp);
    const double atNonCancer = ParseNumber(entries.AtNCExp);
    const double drinkChronic = ParseNumber(entries.DwCExp);
    const double drink = ParseNumber(entries.DwAExp);
    const double fishChronic = ParseNumber(entries.FishCExp);
    const double fish = ParseNumber(entries.FishAExp);
    const double inhale = ParseNumber(entries.InhaleExp);

    const std::string firstRelease = entries.ChemId + ",1";
    LoadScenarioRecord(firstRelease);
    while (true) {
        CurrentPmn.SPECEVAL = "00";
        if (entries.ExposureBased) {
            CurrentPmn.SPECEVAL[0] = '1';
        }
        if (entries.Persistent) {
            CurrentPmn.SPECEVAL[1] = '1';
        }
        CurrentPmn.BW = bw;
        CurrentPmn.EXPDURCAN = edCancer;
        CurrentPmn.EXPDURNCAN = edNonCancer;
        CurrentPmn.CANCERAT = atCancer;
        CurrentPmn.NCANCERAT = atNonCancer;
        CurrentPmn.DRINKCHRON = drinkChronic;
        CurrentPmn.DRINK = drink;
        CurrentPmn.FISHCHRON = fishChronic;
        CurrentPmn.FISH = fish;
        CurrentPmn.INHALE = inhale;
        SaveScenarioRecord();
        if (!MoveToNextScenarioRow()) {
            break;
        }
        LoadScenarioRecord("");
        if (CurrentPmn.CaseNum != entries.ChemId) {
            break;
        }
    }
    LoadScenarioRecord(firstRelease);
}
