// Groundwater doses from a release to landfill, directly or as treatment sludge.
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/number_text.h"

void CalcLandfillExposure(RunTotals& form) {
    ScenarioCode = 6;
    pmn_record& r = CurrentPmn;
    const DurationsInDays d = DurationsOf(r);
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    const bool sites = form.UsableDivisor(r.SITE_LO, SitesInput);
    const double t = 1 - r.DWT * 0.01;
    const double a = (r.SORPTION + r.LANDREL) * r.SITE_LO;                  // kg/day, all sites
    const double b = r.SORPTION * r.DAYSSLUDGE + r.LANDREL * r.DAYSNSLUDG;  // kg/yr per site
    // Every medium adds its release in kg/yr to the all-media total.
    if (r.MIGFACT > 0)
        form.AddToTotal(form.RunAllMediaReleaseTotal, t * b * r.SITE_LO);
    r.ResLaddLand = ok.bw && ok.atCancer ? t * b * r.MIGFACT * r.DRINKCHRON / r.BW * d.EDc / d.ATc
                                         : NotApplicable;
    r.ResAddLand = sites && ok.bw && ok.atNonCancer
                       ? t * (a / r.SITE_LO) * r.MIGFACT * r.DRINKCHRON / r.BW * d.EDnc / d.ATnc
                       : NotApplicable;
    form.RaiseMaximum(form.RunMaxGwLadd, r.ResLaddLand);
    r.ResAdcLand = sites ? a * r.MIGFACT / r.SITE_LO : NotApplicable;
    r.ResLadcLand = ok.atCancer ? t * b * r.MIGFACT * d.EDc / d.ATc : NotApplicable;
    MarkNotAssessed(&r.ResLaddLand, CancerConcern);
    MarkNotAssessed(&r.ResLadcLand, CancerConcern);
    MarkNotAssessed(&r.ResAddLand, ChronicConcern);
    MarkNotAssessed(&r.ResAdcLand, ChronicConcern);
}
