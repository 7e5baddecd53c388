// Exposure factors by population group, and the snapshot of the chemical block.
#include "releases/exposure_factors.h"

#include <array>
#include <cmath>

#include "shell/edit_helpers.h"
#include "shell/scenario_table.h"
#include "shell/table_set.h"

std::function<void()> UpdateExposureFactorPage;

namespace {

// Row names per population group, indexed by POP_NUM (0 adult, 1 youth 16-20, 2 child 6-10,
// 3 small child 3-5, 4 infant 1-2, 5 infant under 1, 6 youth 11-15). An empty name never matches.
using GroupNames = std::array<const char*, 7>;

struct FactorRule {
    double pmn_record::*member;
    GroupNames names;
};

// In the order the rules are tested.
const FactorRule kFactorRules[] = {
    {&pmn_record::BW,
     {"Body Weight-Adult", "Body Weight-Youth(age 16-20)", "Body Weight-Child(age 6-10)",
      "Body Weight-Toddlers(age 3-5)", "Body Weight-Infants(age 1-2)",
      "Body Weight-Infants(age <1)", "Body Weight-Youth(age 11-15)"}},
    {&pmn_record::FISH,
     {"Fish Ingestion-Adult", "Fish Ingestion Rate-Youth(age 16-20)",
      "Fish Ingestion Rate-Child(age 6-10)", "Fish Ingestion Rate-Toddlers(age 3-5)",
      "Fish Ingestion Rate-Infants(age 1-2)", "Fish Ingestion Rate-Infants(age <1)",
      "Fish Ingestion Rate-Youth(age 11-15)"}},
    {&pmn_record::FISHCHRON, {"Fish Ingestion-Adult chronic", "", "", "", "", "", ""}},
    {&pmn_record::DRINK,
     {"Drinking Water-Adult", "Drinking Water-Youth(age 16-20)", "Drinking Water-Child(age 6-10)",
      "Drinking Water-Toddlers(age 3-5)", "Drinking Water-Infants(age 1-2)",
      "Drinking Water-Infants(age <1)", "Drinking Water-Youth(age 11-15)"}},
    {&pmn_record::DRINKCHRON, {"Drinking Water-Adult chronic", "", "", "", "", "", ""}},
    {&pmn_record::SA_BODY,
     {"SA/BW-Body-Adult", "SA/BW-Body-Youth(age 16-20)", "SA/BW-Body-Child(age 6-10)",
      "SA/BW-Body-Toddlers(age 3-5)", "SA/BW-Body-Infants(age 1-2)", "SA/BW-Body-Infants(age <1)",
      "SA/BW-Body-Youth(age 11-15)"}},
    {&pmn_record::SA_HAND,
     {"SA/BW-Hand-Adult", "SA/BW-Hand-Youth(age 16-20)", "SA/BW-Hand-Child(age 6-10)",
      "SA/BW-Hand-Toddlers(age 3-5)", "SA/BW-Hand-Infants(age 1-2)", "SA/BW-Hand-Infants(age <1)",
      "SA/BW-Hand-Youth(age 11-15)"}},
    {&pmn_record::INHALE,
     {"Inhalation Rate After Use", "Inhalation Rate-Youth(age 16-20) After",
      "Inhalation Rate-Child(age 6-10) After", "Inhalation Rate-Toddlers(age 3-5) After",
      "Inhalation Rate-Infants(age 1-2) After", "Inhalation Rate-Infants(age <1) After",
      "Inhalation Rate-Youth(age 11-15) After"}},
};

const char* const kCancerAveragingRow = "Averaging Time Cancer";
const char* const kChronicAveragingRow = "Chronic Averaging Time - ambient";

// "NA" typed into an intake entry stands for 0.
std::string ZeroForNa(const std::string& text) {
    return text == "NA" ? "0" : text;
}

}  // namespace

bool ApplyExposureFactorRow(pmn_record& record, const std::string& rowName, double value) {
    const int group = record.POP_NUM;
    if (group >= 0 && group < 7) {
        for (const FactorRule& rule : kFactorRules) {
            const char* name = rule.names[static_cast<std::size_t>(group)];
            if (*name != '\0' && rowName == name) {
                record.*rule.member = value;
                return true;
            }
        }
    }
    if (rowName == kCancerAveragingRow) {
        record.CANCERAT = value;
        return true;
    }
    if (rowName == kChronicAveragingRow) {
        record.NCANCERAT = value;
        return true;
    }
    return false;
}

void LoadScreeningExposureFactors() {
    if (UpdateExposureFactorPage) {
        UpdateExposureFactorPage();
    }
    if (SuppressFactorLoad) {
        return;
    }
    tables::Table& factors = Tables().ExpFactTable;
    OpenLookupTable(factors);
    factors.First();
    CurrentPmn.FISH = 0;
    CurrentPmn.DRINK = 0;
    CurrentPmn.INHALE = 0;
    for (; !factors.Eof(); factors.Next()) {
        const std::string rowName = factors.IsNull("FIELD") ? "" : factors.AsString("FIELD");
        const double value = factors.IsNull("EFHVALUE") ? 0.0 : factors.AsFloat("EFHVALUE");
        ApplyExposureFactorRow(CurrentPmn, rowName, value);
    }
    factors.Close();
}

void SaveExposureFactors() {
    SavedFactors.BW = CurrentPmn.BW;
    SavedFactors.EXPDURCAN = CurrentPmn.EXPDURCAN;
    SavedFactors.EXPDURNCAN = CurrentPmn.EXPDURNCAN;
    SavedFactors.CANCERAT = CurrentPmn.CANCERAT;
    SavedFactors.NCANCERAT = CurrentPmn.NCANCERAT;
    SavedFactors.DRINK = CurrentPmn.DRINK;
    SavedFactors.FISH = CurrentPmn.FISH;
    SavedFactors.DRINKCHRON = CurrentPmn.DRINKCHRON;
    SavedFactors.FISHCHRON = CurrentPmn.FISHCHRON;
    SavedFactors.INHALE = CurrentPmn.INHALE;
}

void SaveAllExposureFactors() {
    SaveExposureFactors();
    SavedFactors.ED_KIV = CurrentPmn.ED_KIV;
    SavedFactors.MODGUYS = CurrentPmn.MODGUYS;
    SavedFactors.CHEMNAME = CurrentPmn.CHEMNAME;
    SavedFactors.BCF = CurrentPmn.BCF;
    SavedFactors.WWT_LOW = CurrentPmn.WWT_LOW;
    SavedFactors.DWT = CurrentPmn.DWT;
    SavedFactors.WTFRAC_MED = CurrentPmn.WTFRAC_MED;
    SavedFactors.WTFRAC_90 = CurrentPmn.WTFRAC_90;
    SavedFactors.MW = CurrentPmn.MW;
    SavedFactors.VP = CurrentPmn.VP;
    SavedFactors.WSOLUBLE = CurrentPmn.WSOLUBLE;
    SavedFactors.DATATEMP = CurrentPmn.DATATEMP;
    SavedFactors.KOW = CurrentPmn.KOW;
    SavedFactors.MELT_PT = CurrentPmn.MELT_PT;
    SavedFactors.AEROSOL = CurrentPmn.AEROSOL;
    SavedFactors.HENRY = CurrentPmn.HENRY;
    SavedFactors.MIGRATE = CurrentPmn.MIGRATE;
    SavedFactors.MIGFACT = CurrentPmn.MIGFACT;
    SavedFactors.MigrateText = CurrentPmn.MigrateText;
    SavedFactors.LOSS2SLUDG = CurrentPmn.LOSS2SLUDG;
    SavedFactors.SLUDGEAB = CurrentPmn.SLUDGEAB;
    SavedFactors.INCIN_HI = CurrentPmn.INCIN_HI;
    SavedFactors.INCIN_LO = CurrentPmn.INCIN_LO;
}

void RestoreExposureFactors() {
    CurrentPmn.BW = SavedFactors.BW;
    CurrentPmn.EXPDURCAN = SavedFactors.EXPDURCAN;
    CurrentPmn.EXPDURNCAN = SavedFactors.EXPDURNCAN;
    CurrentPmn.CANCERAT = SavedFactors.CANCERAT;
    CurrentPmn.NCANCERAT = SavedFactors.NCANCERAT;
    CurrentPmn.DRINK = SavedFactors.DRINK;
    CurrentPmn.FISH = SavedFactors.FISH;
    CurrentPmn.DRINKCHRON = SavedFactors.DRINKCHRON;
    CurrentPmn.FISHCHRON = SavedFactors.FISHCHRON;
    CurrentPmn.INHALE = SavedFactors.INHALE;
}

void RestoreAllExposureFactors() {
    RestoreExposureFactors();
    CurrentPmn.ED_KIV = SavedFactors.ED_KIV;
    CurrentPmn.MODGUYS = SavedFactors.MODGUYS;
    CurrentPmn.CHEMNAME = SavedFactors.CHEMNAME;
    CurrentPmn.BCF = SavedFactors.BCF;
    CurrentPmn.WWT_LOW = SavedFactors.WWT_LOW;
    CurrentPmn.WWT_HI = CurrentPmn.WWT_LOW;
    CurrentPmn.DWT = SavedFactors.DWT;
    CurrentPmn.WTFRAC_MED = SavedFactors.WTFRAC_MED;
    CurrentPmn.WTFRAC_90 = SavedFactors.WTFRAC_90;
    CurrentPmn.MW = SavedFactors.MW;
    CurrentPmn.VP = SavedFactors.VP;
    CurrentPmn.WSOLUBLE = SavedFactors.WSOLUBLE;
    CurrentPmn.DATATEMP = SavedFactors.DATATEMP;
    CurrentPmn.KOW = SavedFactors.KOW;
    CurrentPmn.MELT_PT = SavedFactors.MELT_PT;
    CurrentPmn.AEROSOL = SavedFactors.AEROSOL;
    CurrentPmn.HENRY = SavedFactors.HENRY;
    CurrentPmn.MIGRATE = static_cast<int>(std::trunc(SavedFactors.MIGRATE));
    CurrentPmn.MIGFACT = SavedFactors.MIGFACT;
    CurrentPmn.MigrateText = SavedFactors.MigrateText;
    CurrentPmn.LOSS2SLUDG = SavedFactors.LOSS2SLUDG;
}

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
