// Inhalation doses from the fugitive and stack air concentrations of a release.
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/number_text.h"

namespace {

struct AirDoses {
    double ladd = 0, ladc = 0, add = 0, adc = 0, adrc = 0, adr = 0;

    void StoreInto(double& toLadd, double& toLadc, double& toAdd, double& toAdc, double& toAdrc,
                   double& toAdr) const {
        toLadd = ladd;
        toLadc = ladc;
        toAdd = add;
        toAdc = adc;
        toAdrc = adrc;
        toAdr = adr;
    }
};

// A negative concentration was not assessed (NotApplicable or a failed model run), as on the
// water pages: what is computed from it is not assessed either.
bool Assessed(double concentration) {
    return !(concentration < 0.0);
}

double Inhaled(double concentration, bool bwUsable, const pmn_record& r) {
    if (!Assessed(concentration) || !bwUsable)
        return NotApplicable;
    return 24 * concentration * r.INHALE / r.BW;
}

// Doses of one source from its annual-average and 24-hour concentrations (mg/m3), in the order
// the run maximum needs: concentrations, acute dose, then the chronic and lifetime doses.
AirDoses SourceDoses(const pmn_record& r, const DoseDivisors& ok, double annual, double acute,
                     RunTotals& form) {
    const DurationsInDays d = DurationsOf(r);
    AirDoses s;
    s.adc = ok.atNonCancer && Assessed(annual) ? annual * d.EDnc / d.ATnc : NotApplicable;
    s.ladc = ok.atCancer && Assessed(annual) ? annual * d.EDc / d.ATc : NotApplicable;
    s.adrc = Assessed(acute) ? acute : NotApplicable;
    s.adr = Inhaled(s.adrc, ok.bw, r);
    form.RaiseMaximum(form.RunMaxInhAdr, s.adr);
    s.add = Inhaled(s.adc, ok.bw, r);
    s.ladd = Inhaled(s.ladc, ok.bw, r);
    return s;
}

}  // namespace

void CalcInhalationExposure(RunTotals& form) {
    ScenarioCode = 4;
    pmn_record& r = CurrentPmn;
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    r.TotFugitiveRel = r.FUGREL * r.SITE_HI * r.FUGDAYHI;
    r.TotReleaseFug = r.TotFugitiveRel - r.TotFugitiveRel * r.INCIN_HI * 0.01;
    form.AddToTotal(form.RunAllMediaReleaseTotal, r.TotReleaseFug);
    r.PostTreatIncin = r.INCINREL - r.INCINREL * r.INCIN_LO * 0.01;
    r.TotStackRel = r.INCINREL * r.SITE_LO * r.INCINDAYS;
    form.AddToTotal(form.RunAllMediaReleaseTotal,
                    r.TotStackRel - r.TotStackRel * r.INCIN_LO * 0.01);

    const AirDoses fug = SourceDoses(r, ok, r.IREL_DOWNF, r.ACUTECONCF, form);
    fug.StoreInto(r.ResLaddFug, r.ResLadcFug, r.ResAddFug, r.ResAdcFug, r.ResAdrcFug, r.ResAdrFug);
    const AirDoses stk = SourceDoses(r, ok, r.IREL_DOWN, r.ACUTE_CONC, form);
    stk.StoreInto(r.ResLaddStk, r.ResLadcStk, r.ResAddStk, r.ResAdcStk, r.ResAdrcStk, r.ResAdrStk);
    if (r.POP_NUM > 0) {
        r.ResLaddStk = NotApplicable;
        r.ResLadcStk = NotApplicable;
    }
    MarkNotAssessed(&r.ResLaddFug, CancerConcern);
    MarkNotAssessed(&r.ResLadcFug, CancerConcern);
    MarkNotAssessed(&r.ResAddFug, ChronicConcern);
    MarkNotAssessed(&r.ResAdcFug, ChronicConcern);
}
