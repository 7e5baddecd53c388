// The environmental-releases, industry-code, landfill and inhalation Word part writers.
#include "documents/word_release_parts.h"

#include "dilution/industry_categories.h"
#include "documents/merge/report_numbers.h"
#include "documents/report_values.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"
#include "scenario/text_helpers.h"

namespace {

// CaseNum, ScenNum and RelActivity, which most parts open with.
BookmarkValues ReleaseHead(const pmn_record& r) {
    return {{"CaseNum", r.CaseNum}, {"ScenNum", r.ScenNum}, {"RelActivity", ReleaseName()}};
}

void Add(BookmarkValues& values, BookmarkValues more) {
    values.insert(values.end(), more.begin(), more.end());
}

// The exposure factors the landfill and inhalation parts show beside their doses.
BookmarkValues LifetimeFactors(const pmn_record& r) {
    const std::string duration = ValueToText(r.EXPDURCAN);
    const std::string averaging = ValueToText(r.CANCERAT);
    return {
        {"EdLadd", duration}, {"EdLadc", duration}, {"AtLadd", averaging}, {"AtLadc", averaging}};
}

BookmarkValues EnvReleaseValues(const pmn_record& r) {
    return {{"CaseNum", r.CaseNum},
            {"AssessFlg", ""},
            {"ScenNum", r.ScenNum},
            {"NumSites", ValueToTextWhole(r.SITE_LO)},
            {"RelActivity", ReleaseName()},
            {"TotRelWater", ValueToText(r.TotWaterRel)},
            {"TotRelLandfill", ValueToText(r.TotLandfillRel * r.SITE_LO)},
            {"TotRelStack", ValueToText(r.TotStackRel)},
            {"RelDaysStack", ValueToText(r.INCINDAYS)},
            {"TotRelFug", ValueToText(r.TotFugitiveRel)},
            {"RelDaysWater", ValueToText(r.H2ODAYHI)},
            {"NonSludge", ValueToText(r.DAYSNSLUDG)},
            {"SludgeDay", ValueToText(r.DAYSSLUDGE)},
            {"RelDaysFugitive", ValueToText(r.FUGDAYHI)},
            {"PerSiteWater", ValueToText(r.H2O_HI)},
            {"PerSiteLandfill", ValueToText(r.LANDREL)},
            {"Sludge", ValueToText(r.SORPTION)},
            {"PerSiteStack", ValueToText(r.INCINREL)},
            {"PerSiteFugitive", ValueToText(r.FUGREL)},
            {"EnvRemark", r.REMARKS}};
}

// The flows of the category's sites at one percentile (suffix "50" or "10") and their stream
// concentrations.
BookmarkValues SicFlows(const pmn_record& r, const std::string& pct, const double (&flows)[4]) {
    const char* flowNames[] = {"HarMnFl", "Fl30q5_", "Fl7q10_", "Fl1q10_"};
    const char* concNames[] = {"HarConc", "Cnc30q5_", "Cnc7q10_", "Cnc1q10_"};
    BookmarkValues values;
    for (int i = 0; i < 4; ++i)
        values.push_back({flowNames[i] + pct, ValueToText(flows[i])});
    for (int i = 0; i < 4; ++i)
        values.push_back({concNames[i] + pct, ValueToText(ConcentrationAtFlow(r, flows[i]))});
    return values;
}

// The drinking-water and fish doses of the category's sites at one percentile.
BookmarkValues SicDoses(const std::string& pct, const double (&water)[3], const double (&fish)[3]) {
    const char* doses[] = {"LADD", "LADC", "ADR"};
    BookmarkValues values;
    for (int i = 0; i < 3; ++i)
        values.push_back({std::string("Dw") + doses[i] + pct, ValueToText(water[i])});
    for (int i = 0; i < 3; ++i)
        values.push_back({std::string("Fi") + doses[i] + pct, ValueToText(fish[i])});
    return values;
}

BookmarkValues SicCodeValues(const pmn_record& r) {
    BookmarkValues values = ReleaseHead(r);
    Add(values, {{"SicDesc", IndustryCategoryDescription(r.SIC_CODE)},
                 {"SicCodes", SicCodeList},
                 {"ExpPop", PopulationLabelFor(r.POP_NUM)},
                 {"WWT", ValueToText(r.WWT_LOW)},
                 {"Dwt", ValueToText(r.DWT)},
                 {"NumSites", ValueToTextWhole(r.SITE_HI)},
                 {"RelDays", ValueToTextWhole(r.H2ODAYHI)},
                 {"PreTreatRel", ValueToText(r.H2O_HI)},
                 {"PostTreatRel", ValueToText(r.PostTreat)},
                 {"BCF", ValueToText(r.BCF)}});
    Add(values, SicFlows(r, "50", {r.HMF_50, r._0Q5_50, r.LOW_50, r._Q10_50}));
    Add(values, SicFlows(r, "10", {r.HMF_10, r._0Q5_10, r.LOW_10, r._Q10_10}));
    Add(values, SicDoses("50", {r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdr50Sic},
                         {r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdr50Sic}));
    Add(values, SicDoses("10", {r.DwLadd10Sic, r.DwLadc10Sic, r.DwAdr10Sic},
                         {r.FishLadd10Sic, r.FishLadc10Sic, r.FishAdr10Sic}));
    values.push_back({"Comments", SurfaceWaterComments});
    return values;
}

BookmarkValues LandfillValues(const pmn_record& r) {
    BookmarkValues values = ReleaseHead(r);
    Add(values, {{"RelDesc", ""},
                 {"ExpPop", PopulationLabelFor(r.POP_NUM)},
                 {"NumSites", ValueToTextWhole(r.SITE_LO)},
                 {"LandfillRel", ValueToText(r.LANDREL)},
                 {"SlDays", ValueToText(r.DAYSSLUDGE)},
                 {"SludgeRel", ValueToText(r.SORPTION)},
                 {"LfRelDays", ValueToText(r.DAYSNSLUDG)},
                 {"Migration", r.MigrateText},
                 {"Ladd", ValueToText(r.ResLaddLand)},
                 {"Ladc", ValueToText(r.ResLadcLand)}});
    Add(values, LifetimeFactors(r));
    Add(values, {{"BwLadd", ValueToText(r.BW)},
                 {"BwLadd", ValueToText(r.BW)},
                 {"IrLadd", ValueToText(r.DRINKCHRON)},
                 {"DWT", ValueToText(r.DWT)},
                 {"Comments", LandfillComments},
                 {"Adsorption", ValueToText(r.SLUDGEAB)}});
    return values;
}

// The stack and area inputs of the dispersion model, each number with its unit.
BookmarkValues DispersionInputs(const pmn_record& r) {
    return {{"StackHt", ValueToText(r.STK_HT)},
            {"StackHtUnits", r.STKHTU},
            {"ReleaseHt", ValueToText(r.FUGRELHT)},
            {"ReleaseHtUnits", r.FUGRELHTU},
            {"InStkDia", ValueToText(r.STK_DIAM)},
            {"StkDiaUnits", r.STKDMU},
            {"RelLength", ValueToText(r.FIELDLEN)},
            {"RelLengthUnits", r.FIELDLENU},
            {"GasVelocity", ValueToText(r.STK_VEL)},
            {"GasVelUnits", r.STKVELU},
            {"RelWidth", ValueToText(r.FIELDWIDTH)},
            {"RelWidthUnits", r.FWIDTHU},
            {"GasTemp", ValueToText(r.STK_TEMP)},
            {"GasTmpUnits", r.STKTMPU},
            {"LandUse", r.LAND_USE},
            {"TerrainHt", ValueToText(r.TER_HT)},
            {"TerrainHtUnits", r.TERHTU},
            {"Distance", ValueToText(r.NEAR_RES)},
            {"DistanceUnits", r.NEARRESU},
            {"MetClass", r.METCLASS},
            {"StabClass", StabilityClassText(r)},
            {"WindSpeed", WindSpeedText(r)},
            {"WindSpeedUnits", r.WNDSPDU},
            {"FacLen", BuildingText(r, r.FACLEN)},
            {"FacLenUnits", r.FACLENU},
            {"FacWidth", BuildingText(r, r.FACWD)},
            {"FacWidthUnits", r.FACWDU},
            {"FacHeight", BuildingText(r, r.FACHT)},
            {"FacHeightUnits", r.FACHTU}};
}

BookmarkValues InhalationValues(const pmn_record& r) {
    BookmarkValues values = ReleaseHead(r);
    Add(values, {{"RelDesc", ""},
                 {"ExpPop", PopulationLabelFor(r.POP_NUM)},
                 {"NumSites", ValueToTextWhole(r.SITE_HI)},
                 {"PerSiteFug", NumberOrNa(r.FUGREL, r.FUGREL)},
                 {"DaysFugRel", NumberOrNa(r.FUGDAYLO, r.FUGREL)},
                 {"LADDStack", ValueToText(r.ResLaddStk)},
                 {"LADCStack", ValueToText(r.ResLadcStk)},
                 {"ADRStack", ValueToText(r.ResAdrStk)},
                 {"ADRCStack", ValueToText(r.ResAdrcStk)},
                 {"TotFugRel", NumberOrNa(r.TotReleaseFug, r.TotReleaseFug)},
                 {"LADDFug", ValueToText(r.ResLaddFug)},
                 {"LADCFug", ValueToText(r.ResLadcFug)},
                 {"ADRFug", ValueToText(r.ResAdrFug)},
                 {"ADRCFug", ValueToText(r.ResAdrcFug)}});
    Add(values, LifetimeFactors(r));
    const std::string bw = ValueToText(r.BW);
    const std::string inhale = ValueToText(r.INHALE);
    Add(values, {{"BwLadd", bw},
                 {"BWAdr", bw},
                 {"InhLadd", inhale},
                 {"InhAdr", inhale},
                 {"RemoveFug", ValueToText(r.INCIN_HI)},
                 {"RemoveStack", ValueToText(r.INCIN_LO)},
                 {"PerSiteStack", NumberOrNa(r.INCINREL, r.INCINREL)},
                 {"DaysStackRel", NumberOrNa(r.INCINDAYS, r.TotStackRel)},
                 {"Comments", FugitiveComments},
                 {"TotStackRel", NumberOrNa(r.TotStackRel, r.TotStackRel)}});
    Add(values, DispersionInputs(r));
    Add(values, {{"MaxAnn", ValueToText(r.IREL_DOWN * 1000.0)},
                 {"Max24", ValueToText(r.ACUTE_CONC * 1000.0)},
                 {"MaxAnnFug", ValueToText(r.IREL_DOWNF * 1000.0)},
                 {"Max24Fug", ValueToText(r.ACUTECONCF * 1000.0)}});
    return values;
}

}  // namespace

void WriteEnvReleaseDoc(WordReportForm& form, bool specialEvaluationAsked) {
    pmn_record& r = CurrentPmn;
    MarkMediaNotAssessed(r);
    CutLongRemarks(r);
    WriteWordPart(form,
                  {EnvReleaseTemplate(r, specialEvaluationAsked) + ".doc",
                   WordPartPath(ReportFileName(EnvironmentalReleasesPart))},
                  [&] { return EnvReleaseValues(r); });
}

void WriteSicCodeDoc(WordReportForm& form) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    WriteWordPart(form, {"sic-code.doc", WordPartPath(ReportFileName(IndustryCodePart))}, [&] {
        SetSicCodesForCategory();
        return SicCodeValues(r);
    });
}

void WriteLandfillDoc(WordReportForm& form) {
    pmn_record& r = CurrentPmn;
    const std::string part = WordPartPath(ReportFileName(LandfillPart));
    if (form.Report.IsListed(part))
        return;
    ShortenScenarioType(r);
    WriteWordPart(form, {"landfill.doc", part}, [&] { return LandfillValues(r); });
}

void WriteInhalationDoc(WordReportForm& form) {
    pmn_record& r = CurrentPmn;
    const std::string part = WordPartPath(ReportFileName(InhalationPart));
    if (form.Report.IsListed(part))
        return;
    ShortenScenarioType(r);
    WriteWordPart(form, {"fugitive.doc", part}, [&] { return InhalationValues(r); });
}
