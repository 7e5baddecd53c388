// Release totals per medium and the stack doses of an incineration release.
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/case_choices.h"
#include "scenario/number_text.h"

void CalcEnvironmentalReleases(RunTotals& form) {
    ScenarioCode = 0;
    pmn_record& r = CurrentPmn;
    r.TotWaterRel = SurfaceWaterSelected ? r.H2O_HI * r.SITE_HI * r.H2ODAYHI : -1.0;
    r.TotLandfillRel =
        LandfillSelected ? r.LANDREL * r.DAYSNSLUDG + r.SORPTION * r.DAYSSLUDGE : -1.0;
    r.TotStackRel = r.INCINREL * r.SITE_LO * r.INCINDAYS;
    r.PerSiteShare =
        form.UsableDivisor(r.SITE_LO, SitesInput) ? r.ReleaseAllSites / r.SITE_LO : NotApplicable;
    r.TotFugitiveRel = r.FUGREL * r.SITE_HI * r.FUGDAYHI;
    if (!AmbientAirSelected) {
        r.TotStackRel = -1.0;
        r.TotFugitiveRel = -1.0;
    }
}

namespace {

// mg/m3 of air per kg/day released at the stack.
constexpr double IncinerationAirFactor = 3.0e-9;

}  // namespace

void CalcIncinerationExposure(RunTotals& form) {
    ScenarioCode = 5;
    pmn_record& r = CurrentPmn;
    const DurationsInDays d = DurationsOf(r);
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    constexpr double F = IncinerationAirFactor;
    r.PostTreatIncin = r.INCINREL - r.INCINREL * r.INCIN_LO * 0.01;
    // INCINREL is a release per site already.
    const double q = r.PostTreatIncin;
    r.ResLaddStk = ok.bw && ok.atCancer
                       ? q * (365.0 / 365.0) * F * (r.INHALE * 24) * d.EDc / r.BW / d.ATc
                       : NotApplicable;
    r.ResLadcStk = ok.atCancer ? q * F * d.EDc / d.ATc : NotApplicable;
    if (r.POP_NUM > 0) {
        r.ResLaddStk = NotApplicable;
        r.ResLadcStk = NotApplicable;
    }
    r.ResAdcStk = q * F;
    r.ResAddStk = ok.bw && ok.atNonCancer
                      ? q * (365.0 / 365.0) * F * (r.INHALE * 24) * d.EDnc / r.BW / d.ATnc
                      : NotApplicable;
    MarkNotAssessed(&r.ResLaddStk, CancerConcern);
    MarkNotAssessed(&r.ResLadcStk, CancerConcern);
    MarkNotAssessed(&r.ResAddStk, ChronicConcern);
    MarkNotAssessed(&r.ResAdcStk, ChronicConcern);
}
