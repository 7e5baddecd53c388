// The river-site, lake and endangered-species part writers.
#include "documents/wpd_surface_water.h"

#include "documents/merge/report_numbers.h"
#include "documents/wpd_field_groups.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"

namespace {

// Placeholders 1-12, common to the river-site and lake parts.
std::optional<std::string> SurfaceWaterHead(const pmn_record& r, int n) {
    if (n == 12)
        return PopulationLabelFor(r.POP_NUM);
    return FacilityField(r, n);
}

void WriteSpeciesParts(WpdReportState& form, const SpeciesRows& grid, bool& ok) {
    if (!CurrentPmn.CRITTERS)
        return;
    for (int k = 0; k < SpeciesParts; ++k) {
        if (SpeciesPartUsed(grid, k))
            ok = WriteEndangeredSpeciesWpd(form, k, grid) && ok;
    }
}

std::optional<std::string> RiverSiteField(const pmn_record& r, int n, const SpeciesRows& grid) {
    if (auto value = SurfaceWaterHead(r, n))
        return value;
    const double flows[4] = {r.HARFLOW, r.FLOW30Q5, r.FLOW7Q10, r.FLOW1Q10};
    const std::string flags[4] = {r.HARMNFLG, r.FL30Q5FLG, r.FL7Q10FLG, r.FL1Q10FLG};
    if (n >= 20 && n <= 23)
        return ValueToText(flows[n - 20]) + flags[n - 20];
    if (n >= 25 && n <= 28)
        return ValueToText(ConcentrationAtFlow(r, flows[n - 25]));
    switch (n) {
        case 13:
            return ValueToText(r.WWT_LOW);
        case 14:
            return ValueToText(r.H2ODAYHI);
        case 15:
            return ValueToText(r.H2O_HI);
        case 16:
            return ValueToText(r.PostTreat);
        case 17:
            return ValueToText(r.DWT);
        case 18:
            return ValueToText(r.BCF);
        case 19:
            return CommentsWithSpeciesNote(r, grid);
        case 78:
            return r.RiverReportText;
        case 79:
            return std::string("30Q5         ");
        case 80:
            return std::string("7Q10         ");
        case 81:
            return std::string("1Q10         ");
        default:
            break;
    }
    const FiveDoses water = {r.DwLaddSite, r.DwLadcSite, r.DwAddSite, r.DwAdcSite, r.DwAdrSite};
    if (auto value = ExposureFactorField(r, n, 30, water, false))
        return value;
    const FiveDoses fish = {r.FishLaddSite, r.FishLadcSite, r.FishAddSite, r.FishAdcSite,
                            r.FishAdrSite};
    return FishFactorField(r, n, 82, fish);
}

std::optional<std::string> LakeField(const pmn_record& r, int n, const SpeciesRows& grid) {
    if (auto value = SurfaceWaterHead(r, n))
        return value;
    switch (n) {
        case 13:
            return ValueToText(r.WWT_LOW);
        case 14:
            return ValueToText(r.H2ODAYHI);
        case 15:
            return ValueToText(r.PLANTFLO);
        case 16:
            return ValueToText(r.H2O_HI);
        case 17:
            return ValueToText(r.PostTreat);
        case 18:
            return ValueToText(r.BCF);
        case 19:
            return ValueToText(r.AcuteDilFactor);
        case 20:
            return ValueToText(r.AcuteConc);
        case 21:
            return ValueToText(r.ChronicDilFactor);
        case 22:
            return ValueToText(r.ChronicConc);
        case 59:
            return std::string();
        case 61:
            return CommentsWithSpeciesNote(r, grid);
        default:
            break;
    }
    if (n >= 62 && n <= 85)
        return SpeciesRowField(n, 62 + 6 * ((n - 62) / 6), (n - 62) / 6, grid);
    const FiveDoses fish = {r.FishLaddLake, r.FishLadcLake, r.FishAddLake, r.FishAdcLake,
                            r.FishAdrLake};
    return FishFactorField(r, n, 23, fish);
}

}  // namespace

bool WriteRiverSiteWpd(WpdReportState& form, const SpeciesRows& endSpecSite) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    PartRequest request{r.CRITTERS ? "site.wpd" : "sitenoe.wpd", 141,
                        PartPath(ReportFileName(RiverSitePart))};
    bool ok = WriteWpdPart(form, request, [&](int n) { return RiverSiteField(r, n, endSpecSite); });
    WriteSpeciesParts(form, endSpecSite, ok);
    return ok;
}

bool WriteLakeWpd(WpdReportState& form, const SpeciesRows& endSpecLake) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    PartRequest request{r.CRITTERS ? "lakes.wpd" : "lakesnoe.wpd", 90,
                        PartPath(ReportFileName(LakePart))};
    bool ok = WriteWpdPart(form, request, [&](int n) { return LakeField(r, n, endSpecLake); });
    WriteSpeciesParts(form, endSpecLake, ok);
    return ok;
}

bool WriteEndangeredSpeciesWpd(WpdReportState& form, int k, const SpeciesRows& grid) {
    const pmn_record& r = CurrentPmn;
    PartRequest request{"endanger.wpd", 139,
                        PartPath(ReportFileName(EndangeredSpeciesPart) + std::to_string(k))};
    return WriteWpdPart(form, request, [&](int n) -> std::optional<std::string> {
        if (n == 1)
            return r.CaseNum;
        if (n < 2 || n > 1 + 6 * SpeciesPerPart)
            return std::nullopt;
        int j = (n - 2) / 6 + 1;
        return SpeciesCell(grid, SpeciesPerPart * k + j, (n - 2) % 6);
    });
}
