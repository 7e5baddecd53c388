// The inhalation part writer: fugitive and stack air releases with their dispersion inputs.
#include "documents/merge/report_numbers.h"
#include "documents/wpd_field_groups.h"
#include "documents/wpd_release_parts.h"
#include "scenario/number_text.h"
#include "scenario/scenario_table.h"

namespace {

// Placeholders 65-83: the stack and area inputs as number and unit pairs, then land use,
// terrain and nearest residence.
std::optional<std::string> DispersionInput(const pmn_record& r, int n) {
    const double numbers[] = {r.STK_HT,  r.FUGRELHT, r.STK_DIAM, r.FIELDWIDTH,
                              r.STK_VEL, r.FIELDLEN, r.STK_TEMP};
    const std::string units[] = {r.STKHTU,  r.FUGRELHTU, r.STKDMU, r.FWIDTHU,
                                 r.STKVELU, r.FIELDLENU, r.STKTMPU};
    if (n >= 65 && n <= 78) {
        size_t pair = static_cast<size_t>(n - 65) / 2;
        return (n - 65) % 2 == 0 ? ValueToText(numbers[pair]) : units[pair];
    }
    switch (n) {
        case 79:
            return r.LAND_USE;
        case 80:
            return ValueToText(r.TER_HT);
        case 81:
            return r.TERHTU;
        case 82:
            return ValueToText(r.NEAR_RES);
        case 83:
            return r.NEARRESU;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> MeteorologyAndResults(const pmn_record& r, int n) {
    switch (n) {
        case 84:
            return r.METCLASS;
        case 85:
            return StabilityClassText(r);
        case 86:
            return WindSpeedText(r);
        case 87:
            return r.WNDSPDU;
        case 88:
            return BuildingText(r, r.FACLEN);
        case 89:
            return r.FACLENU;
        case 90:
            return BuildingText(r, r.FACWD);
        case 91:
            return r.FACWDU;
        case 92:
            return BuildingText(r, r.FACHT);
        case 93:
            return r.FACHTU;
        case 94:
            return ValueToText(r.IREL_DOWN * 1000.0);
        case 95:
            return ValueToText(r.ACUTE_CONC * 1000.0);
        case 96:
            return ValueToText(r.INCIN_LO);
        case 97:
            return ValueToText(r.IREL_DOWNF * 1000.0);
        case 98:
            return ValueToText(r.ACUTECONCF * 1000.0);
        case 99:
            return ValueToText(r.ResLaddFug);
        case 100:
            return ValueToText(r.ResLadcFug);
        case 101:
            return ValueToText(r.ResAdrFug);
        case 102:
            return ValueToText(r.ResAdrcFug);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> InhalationField(const pmn_record& r, int n) {
    if (auto value = ReleaseHeadField(r, n))
        return value;
    switch (n) {
        case 4:
            return std::string();
        case 5:
            return std::string("Plumo3");
        case 6:
            return PopulationLabelFor(r.POP_NUM);
        case 7:
            return ValueToTextWhole(r.SITE_HI);
        case 8:
            return ValueToText(r.INCIN_HI);
        case 9:
            return NumberOrNa(r.FUGREL, r.FUGREL);
        case 10:
            return NumberOrNa(r.FUGDAYLO, r.FUGREL);
        case 11:
            return NumberOrNa(r.TotReleaseFug, r.TotReleaseFug);
        case 13:
            return ValueToText(r.ResLaddStk);
        case 16:
            return ValueToText(r.ResLadcStk);
        case 18:
            return ValueToText(r.ResAdrStk);
        case 19:
            return ValueToText(r.ResAdrcStk);
        case 60:
            return ValueToText(r.INCIN_LO);
        case 61:
            return NumberOrNa(r.INCINREL, r.INCINREL);
        case 62:
            return NumberOrNa(r.INCINDAYS, r.TotStackRel);
        case 63:
            return FugitiveComments;
        case 64:
            return NumberOrNa(r.TotStackRel, r.TotStackRel);
        default:
            break;
    }
    const FiveDoses fugitive = {r.ResLaddFug, r.ResLadcFug, r.ResAdrFug, r.ResAdrcFug, 1.0};
    if (auto value = ExposureFactorField(r, n, 12, fugitive, true))
        return value;
    if (auto value = DispersionInput(r, n))
        return value;
    return MeteorologyAndResults(r, n);
}

}  // namespace

bool WriteInhalationWpd(WpdReportState& form) {
    pmn_record& r = CurrentPmn;
    ShortenScenarioType(r);
    PartRequest request{"fugitive.wpd", 102, PartPath(ReportFileName(InhalationPart))};
    return WriteWpdPart(form, request, [&](int n) { return InhalationField(r, n); });
}
