// The river-site, lake and endangered-species Word part writers.
#include "documents/word_surface_water.h"

#include "documents/merge/report_numbers.h"
#include "documents/report_values.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"
#include "scenario/text_helpers.h"

BookmarkValues FacilityValues(const pmn_record& r) {
    return {{"FacilityName", r.FAC_NAME},
            {"FacilityLocation", r.FAC_LOC},
            {"RecWater", r.REACHNAME},
            {"Reach", r.REACH},
            {"FacOnReach", HitText(r.HIT)},
            {"DischargeType", DischargeText(r.DTYPE)},
            {"NPDES", r.NPDES}};
}

namespace {

void Add(BookmarkValues& values, const BookmarkValues& more) {
    values.insert(values.end(), more.begin(), more.end());
}

std::string FlowText(double flow, const std::string& flag) {
    return ValueToText(flow) + flag;
}

std::string ConcText(const pmn_record& r, double flow) {
    return ValueToText(ConcentrationAtFlow(r, flow));
}

BookmarkValues RiverSiteValues(const pmn_record& r, const SpeciesRows& grid) {
    BookmarkValues values = {
        {"CaseNum", r.CaseNum}, {"ScenNum", r.ScenNum}, {"RelActivity", ReleaseName()}};
    Add(values, FacilityValues(r));
    Add(values, {{"DataSource", "DurIviz"},
                 {"Population", PopulationLabelFor(r.POP_NUM)},
                 {"WWT", ValueToText(r.WWT_LOW)},
                 {"RelDays", ValueToText(r.H2ODAYHI)},
                 {"PreTreatRel", ValueToText(r.H2O_HI)},
                 {"PostTreatRel", ValueToText(r.PostTreat)},
                 {"Dwt", ValueToText(r.DWT)},
                 {"BCF", ValueToText(r.BCF)},
                 {"HarMeanFlow", FlowText(r.HARFLOW, r.HARMNFLG)},
                 {"Flow30q5", FlowText(r.FLOW30Q5, r.FL30Q5FLG)},
                 {"Flow7q10", FlowText(r.FLOW7Q10, r.FL7Q10FLG)},
                 {"Flow1Q10", FlowText(r.FLOW1Q10, r.FL1Q10FLG)},
                 {"HarMeanConc", ConcText(r, r.HARFLOW)},
                 {"Conc30q5", ConcText(r, r.FLOW30Q5)},
                 {"Conc7q10", ConcText(r, r.FLOW7Q10)},
                 {"Conc1q10", ConcText(r, r.FLOW1Q10)},
                 {"DwLadd", ValueToText(r.DwLaddSite)},
                 {"DwLadc", ValueToText(r.DwLadcSite)},
                 {"DwAdd", ValueToText(r.DwAddSite)},
                 {"DwAdc", ValueToText(r.DwAdcSite)},
                 {"DwAdr", ValueToText(r.DwAdrSite)},
                 {"FishLadd", ValueToText(r.FishLaddSite)},
                 {"FishLadc", ValueToText(r.FishLadcSite)},
                 {"FishAdd", ValueToText(r.FishAddSite)},
                 {"FishAdc", ValueToText(r.FishAdcSite)},
                 {"FishAdr", ValueToText(r.FishAdrSite)}});
    values.push_back({"Comments", CommentsWithSpeciesNote(r, grid)});
    return values;
}

BookmarkValues LakeValues(const pmn_record& r, const SpeciesRows& grid) {
    BookmarkValues values = {
        {"CaseNum", r.CaseNum}, {"ScenNum", r.ScenNum}, {"RelDesc", ReleaseName()}};
    Add(values, FacilityValues(r));
    const std::string duration = ValueToText(r.EXPDURCAN);
    const std::string averaging = ValueToText(r.CANCERAT);
    const std::string bw = ValueToText(r.BW);
    Add(values, {{"Population", PopulationLabelFor(r.POP_NUM)},
                 {"WWT", ValueToText(r.WWT_LOW)},
                 {"RelDays", ValueToText(r.H2ODAYHI)},
                 {"EffFlow", ValueToText(r.PLANTFLO)},
                 {"PreTreatRel", ValueToText(r.H2O_HI)},
                 {"PostTreatRel", ValueToText(r.PostTreat)},
                 {"BCF", ValueToText(r.BCF)},
                 {"AcuteDil", ValueToText(r.AcuteDilFactor)},
                 {"AcuteConc", ValueToText(r.AcuteConc)},
                 {"ChronicDilution", ValueToText(r.ChronicDilFactor)},
                 {"ChronicConc", ValueToText(r.ChronicConc)},
                 {"Ladd", ValueToText(r.FishLaddLake)},
                 {"Ladc", ValueToText(r.FishLadcLake)},
                 {"Adr", ValueToText(r.FishAdrLake)},
                 {"EdLadd", duration},
                 {"EdLadc", duration},
                 {"AtLadd", averaging},
                 {"AtLadc", averaging},
                 {"BwLadd", bw},
                 {"BwAdr", bw},
                 {"IrLadd", ValueToText(r.FISHCHRON)},
                 {"IrAdr", ValueToText(r.FISH)}});
    values.push_back({"Comments", CommentsWithSpeciesNote(r, grid)});
    return values;
}

void WriteSpeciesPages(WordReportForm& form, const SpeciesRows& grid) {
    if (!CurrentPmn.CRITTERS)
        return;
    for (int page = 0; page < SpeciesParts; ++page) {
        if (SpeciesPartUsed(grid, page))
            WriteEndangeredSpeciesDoc(form, page, grid);
    }
}

}  // namespace

void WriteRiverSiteDoc(WordReportForm& form, const SpeciesRows& endSpecSite) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    WriteWordPart(form, {"site.doc", WordPartPath(ReportFileName(RiverSitePart))},
                  [&] { return RiverSiteValues(r, endSpecSite); });
    WriteSpeciesPages(form, endSpecSite);
}

void WriteLakeDoc(WordReportForm& form, const SpeciesRows& endSpecLake) {
    pmn_record& r = CurrentPmn;
    WriteWordPart(form, {"lakes.doc", WordPartPath(ReportFileName(LakePart))},
                  [&] { return LakeValues(r, endSpecLake); });
    WriteSpeciesPages(form, endSpecLake);
}

void WriteEndangeredSpeciesDoc(WordReportForm& form, int page, const SpeciesRows& grid) {
    const std::string part =
        WordPartPath(ReportFileName(EndangeredSpeciesPart) + std::to_string(page));
    WriteWordPart(form, {"endanger.doc", part, false}, [&] {
        BookmarkValues values = {{"CaseNum", CurrentPmn.CaseNum}};
        for (int r = 1; r <= SpeciesPerPart; ++r) {
            for (int c = 0; c <= 5; ++c) {
                values.push_back({"End" + std::to_string(c) + std::to_string(r + 3),
                                  SpeciesCell(grid, SpeciesPerPart * page + r, c)});
            }
        }
        return values;
    });
}
