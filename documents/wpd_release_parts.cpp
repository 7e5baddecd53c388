// The environmental-releases, industry-code and landfill part writers.
#include "documents/wpd_release_parts.h"

#include "dilution/industry_categories.h"
#include "documents/merge/report_numbers.h"
#include "documents/wpd_field_groups.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"

namespace {

std::string MarkText(const std::string& marks, size_t index) {
    return index < marks.size() && marks[index] == 'X' ? "yes" : "no";
}

std::optional<std::string> EnvReleaseField(const pmn_record& r, int n) {
    if (n >= 20 && n <= 23)  // characters 3 to 6 of the marks
        return MarkText(r.ReportMarks, static_cast<size_t>(n - 18));
    switch (n) {
        case 1:
            return r.CaseNum;
        case 2:
            return std::string();
        case 3:
            return r.ScenNum;
        case 4:
            return ValueToTextWhole(r.SITE_LO);
        case 5:
            return r.RELEASE;
        case 6:
            return ValueToText(r.TotWaterRel);
        case 7:
            return ValueToText(r.TotLandfillRel * r.SITE_LO);
        case 8:
            return ValueToText(r.TotStackRel);
        case 9:
            return ValueToText(r.INCINDAYS);
        case 10:
            return ValueToText(r.TotFugitiveRel);
        case 11:
            return ValueToText(r.H2ODAYHI);
        case 12:
            return ValueToText(r.FUGDAYHI);
        case 13:
            return ValueToText(r.H2O_HI);
        case 14:
            return ValueToText(r.LANDREL);
        case 15:
            return ValueToText(r.INCINREL);
        case 16:
            return ValueToText(r.PerSiteShare);
        case 17:
            return ValueToText(r.FUGREL);
        case 18:
            return ValueToText(r.DAYSNSLUDG);
        case 19:
            return ValueToText(r.DAYSSLUDGE);
        case 24:
            return r.REMARKS;
        case 25:
            return ValueToText(r.SORPTION);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> SicCodeField(const pmn_record& r, int n) {
    const double flows50[4] = {r.HMF_50, r._0Q5_50, r.LOW_50, r._Q10_50};
    const double flows10[4] = {r.HMF_10, r._0Q5_10, r.LOW_10, r._Q10_10};
    if (n >= 14 && n <= 17)
        return ValueToText(flows50[n - 14]);
    if (n >= 18 && n <= 21)
        return ValueToText(ConcentrationAtFlow(r, flows50[n - 18]));
    if (n >= 22 && n <= 25)
        return ValueToText(flows10[n - 22]);
    if (n >= 26 && n <= 29)
        return ValueToText(ConcentrationAtFlow(r, flows10[n - 26]));
    if (auto value = ReleaseHeadField(r, n == 114 ? 1 : n))
        return value;
    switch (n) {
        case 4:
            return IndustryCategoryDescription(r.SIC_CODE);
        case 5:
            return SicCodeList;
        case 6:
            return PopulationLabelFor(r.POP_NUM);
        case 7:
            return ValueToText(r.WWT_LOW);
        case 8:
            return ValueToTextWhole(r.H2ODAYHI);
        case 9:
            return ValueToText(r.H2O_HI);
        case 10:
            return ValueToText(r.PostTreat);
        case 11:
            return ValueToText(r.DWT);
        case 12:
            return ValueToText(r.BCF);
        case 13:
            return ValueToTextWhole(r.SITE_HI);
        case 168:
            return SurfaceWaterComments;
        default:
            break;
    }
    const FiveDoses water50 = {r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdd50Sic, r.DwAdc50Sic,
                               r.DwAdr50Sic};
    const FiveDoses fish50 = {r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdd50Sic, r.FishAdc50Sic,
                              r.FishAdr50Sic};
    const FiveDoses water10 = {r.DwLadd10Sic, r.DwLadc10Sic, r.DwAdd10Sic, r.DwAdc10Sic,
                               r.DwAdr10Sic};
    const FiveDoses fish10 = {r.FishLadd10Sic, r.FishLadc10Sic, r.FishAdd10Sic, r.FishAdc10Sic,
                              r.FishAdr10Sic};
    if (auto value = ExposureFactorField(r, n, 30, water50, false))
        return value;
    if (auto value = FishFactorField(r, n, 78, fish50))
        return value;
    if (auto value = ExposureFactorField(r, n, 115, water10, false))
        return value;
    return FishFactorField(r, n, 163, fish10);
}

std::optional<std::string> LandfillField(const pmn_record& r, int n) {
    if (auto value = ReleaseHeadField(r, n))
        return value;
    switch (n) {
        case 4:
            return std::string();
        case 5:
            return PopulationLabelFor(r.POP_NUM);
        case 6:
            return ValueToTextWhole(r.SITE_LO);
        case 7:
            return ValueToText(r.LANDREL);
        case 8:
            return ValueToText(r.SORPTION);
        case 9:
            return r.MigrateText;
        case 58:
            return ValueToText(r.DWT);
        case 59:
            return LandfillComments;
        case 60:
            return ValueToText(r.SLUDGEAB * 0.01 * r.TotWaterRel);
        case 61:
            return ValueToText(r.SLUDGEAB);
        case 62:
            return ValueToText(r.DAYSSLUDGE);
        case 63:
            return ValueToText(r.DAYSNSLUDG);
        default:
            break;
    }
    const FiveDoses doses = {r.ResLaddLand, r.ResLadcLand, r.ResAddLand, r.ResAdcLand, 1.0};
    return ExposureFactorField(r, n, 10, doses, false);
}

}  // namespace

bool WriteEnvReleaseWpd(WpdReportState& form, bool specialEvaluationAsked) {
    pmn_record& r = CurrentPmn;
    MarkMediaNotAssessed(r);
    CutLongRemarks(r);
    PartRequest request{EnvReleaseTemplate(r, specialEvaluationAsked) + ".wpd", 59,
                        PartPath(ReportFileName(EnvironmentalReleasesPart))};
    return WriteWpdPart(form, request, [&](int n) { return EnvReleaseField(r, n); });
}

bool WriteSicCodeWpd(WpdReportState& form) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    SetSicCodesForCategory();
    PartRequest request{"sic-code.wpd", 200, PartPath(ReportFileName(IndustryCodePart))};
    return WriteWpdPart(form, request, [&](int n) { return SicCodeField(r, n); });
}

bool WriteLandfillWpd(WpdReportState& form) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    PartRequest request{"landfill.wpd", 65, PartPath(ReportFileName(LandfillPart))};
    return WriteWpdPart(form, request, [&](int n) { return LandfillField(r, n); });
}
