// Exposure factors by population group, and the snapshot of the chemical block.
#include "scenario/exposure_factors.h"

#include <array>
#include <cmath>

#include "scenario/table_set.h"

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

namespace {

// The ten core exposure factors, copied between the record and the snapshot either way.
template <typename From, typename To>
void CopyCoreFactors(const From& from, To& to) {
    to.BW = from.BW;
    to.EXPDURCAN = from.EXPDURCAN;
    to.EXPDURNCAN = from.EXPDURNCAN;
    to.CANCERAT = from.CANCERAT;
    to.NCANCERAT = from.NCANCERAT;
    to.DRINK = from.DRINK;
    to.FISH = from.FISH;
    to.DRINKCHRON = from.DRINKCHRON;
    to.FISHCHRON = from.FISHCHRON;
    to.INHALE = from.INHALE;
}

// The part of the chemical block that goes both ways alike; MIGRATE, an integer in the record and
// a double in the snapshot, is handled by each way itself. The sludge adsorption and the stack and
// fugitive removals belong to the chemical, not to one release: a release without them would be
// assessed with no treatment at all.
template <typename From, typename To>
void CopyChemicalBlock(const From& from, To& to) {
    to.ED_KIV = from.ED_KIV;
    to.MODGUYS = from.MODGUYS;
    to.CHEMNAME = from.CHEMNAME;
    to.BCF = from.BCF;
    to.WWT_LOW = from.WWT_LOW;
    to.DWT = from.DWT;
    to.WTFRAC_MED = from.WTFRAC_MED;
    to.WTFRAC_90 = from.WTFRAC_90;
    to.MW = from.MW;
    to.VP = from.VP;
    to.WSOLUBLE = from.WSOLUBLE;
    to.DATATEMP = from.DATATEMP;
    to.KOW = from.KOW;
    to.MELT_PT = from.MELT_PT;
    to.AEROSOL = from.AEROSOL;
    to.HENRY = from.HENRY;
    to.MIGFACT = from.MIGFACT;
    to.MigrateText = from.MigrateText;
    to.LOSS2SLUDG = from.LOSS2SLUDG;
    to.SLUDGEAB = from.SLUDGEAB;
    to.INCIN_HI = from.INCIN_HI;
    to.INCIN_LO = from.INCIN_LO;
}

}  // namespace

void SaveExposureFactors() {
    CopyCoreFactors(CurrentPmn, SavedFactors);
}

void SaveAllExposureFactors() {
    SaveExposureFactors();
    CopyChemicalBlock(CurrentPmn, SavedFactors);
    SavedFactors.MIGRATE = CurrentPmn.MIGRATE;
}

void RestoreExposureFactors() {
    CopyCoreFactors(SavedFactors, CurrentPmn);
}

void RestoreAllExposureFactors() {
    RestoreExposureFactors();
    CopyChemicalBlock(SavedFactors, CurrentPmn);
    CurrentPmn.WWT_HI = CurrentPmn.WWT_LOW;
    CurrentPmn.MIGRATE = static_cast<int>(std::trunc(SavedFactors.MIGRATE));
}
