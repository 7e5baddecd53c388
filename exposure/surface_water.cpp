// Drinking-water and fish doses from a water release at a river site, a lake and an industry
// category.
#include <cmath>

#include "dilution/industry_categories.h"
#include "dilution/pdm_results.h"
#include "exposure/dose_rules.h"
#include "exposure/exposure_calcs.h"
#include "scenario/number_text.h"

double ConcentrationAtFlow(double flow) {
    if (!(flow > 0.0))
        return NotApplicable;
    return CurrentPmn.PostTreat * 1000 / flow;
}

namespace {

struct DoseBlock {
    double ladd = 0, ladc = 0, add = 0, adc = 0, adr = 0;
};

// A dose from a concentration that could not be computed, or one whose divisors are unusable, is
// not computed either.
template <typename Formula>
double FromConcentration(double concentration, bool divisorsUsable, Formula formula) {
    return concentration < 0.0 || !divisorsUsable ? NotApplicable : formula();
}

// Drinking-water doses from the chronic concentration cc and the acute one cd (ug/L).
DoseBlock DrinkingWaterDoses(const pmn_record& r, const DoseDivisors& ok, double cc, double cd) {
    const DurationsInDays d = DurationsOf(r);
    const double t = 1 - r.DWT * 0.01;
    const double f = r.H2ODAYHI / 365;
    DoseBlock b;
    b.ladd = FromConcentration(cc, ok.bw && ok.atCancer, [&] {
        return cc * t * r.DRINKCHRON * f / r.BW * d.EDc / d.ATc * 0.001;
    });
    b.ladc = FromConcentration(cc, ok.atCancer, [&] { return cc * t * d.EDc / d.ATc * f * 0.001; });
    b.add = FromConcentration(cc, ok.bw && ok.atNonCancer, [&] {
        return cc * t * r.DRINKCHRON * f / r.BW * d.EDnc / d.ATnc * 0.001;
    });
    b.adc =
        FromConcentration(cc, ok.atNonCancer, [&] { return cc * t * d.EDnc / d.ATnc * f * 0.001; });
    b.adr = FromConcentration(cd, ok.bw, [&] { return cd * t * r.DRINK / r.BW * 0.001; });
    return b;
}

// Fish doses from the chronic concentration cc and the acute one ca (ug/L).
DoseBlock FishDoses(const pmn_record& r, const DoseDivisors& ok, double cc, double ca) {
    const DurationsInDays d = DurationsOf(r);
    const double f = r.H2ODAYHI / 365;
    DoseBlock b;
    b.ladd = FromConcentration(cc, ok.bw && ok.atCancer, [&] {
        return cc * r.FISHCHRON * r.BCF * f / r.BW * d.EDc / d.ATc * 1e-6;
    });
    b.ladc =
        FromConcentration(cc, ok.atCancer, [&] { return cc * r.BCF * d.EDc / d.ATc * f * 0.001; });
    b.add = FromConcentration(cc, ok.bw && ok.atNonCancer, [&] {
        return cc * r.FISHCHRON * r.BCF * f / r.BW * d.EDnc / d.ATnc * 1e-6;
    });
    b.adc = FromConcentration(cc, ok.atNonCancer,
                              [&] { return cc * r.BCF * d.EDnc / d.ATnc * f * 0.001; });
    b.adr = FromConcentration(ca, ok.bw, [&] { return ca * r.FISH * r.BCF / r.BW * 1e-6; });
    return b;
}

void Store(const DoseBlock& b, double& ladd, double& ladc, double& add, double& adc, double& adr) {
    ladd = b.ladd;
    ladc = b.ladc;
    add = b.add;
    adc = b.adc;
    adr = b.adr;
}

void MarkBlock(double& ladd, double& ladc, double& add, double& adc, double& adr) {
    MarkNotAssessed(&ladd, CancerConcern);
    MarkNotAssessed(&ladc, CancerConcern);
    MarkNotAssessed(&add, ChronicConcern);
    MarkNotAssessed(&adc, ChronicConcern);
    MarkNotAssessed(&adr, AcuteConcern);
}

// The first steps of all three: kind, the run's water totals and the release after treatment.
void BeginWaterRelease(RunTotals& form, int scenarioCode) {
    ScenarioCode = scenarioCode;
    pmn_record& r = CurrentPmn;
    const double w = (1 - r.WWT_LOW * 0.01) * r.H2O_HI * r.SITE_LO * r.H2ODAYHI;
    form.AddToTotal(form.RunWaterReleaseTotal, w);
    form.AddToTotal(form.RunAllMediaReleaseTotal, w);
    r.PostTreat = r.H2O_HI - r.H2O_HI * r.WWT_LOW * 0.01;
}

}  // namespace

void CalcRiverSiteExposure(RunTotals& form) {
    BeginWaterRelease(form, 1);
    pmn_record& r = CurrentPmn;
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    const double cc = ConcentrationAtFlow(r.HARFLOW);
    const double cd = ConcentrationAtFlow(r.FLOW30Q5);
    Store(DrinkingWaterDoses(r, ok, cc, cd), r.DwLaddSite, r.DwLadcSite, r.DwAddSite, r.DwAdcSite,
          r.DwAdrSite);
    form.RaiseMaximum(form.RunMaxDwAdr, r.DwAdrSite);
    Store(FishDoses(r, ok, cc, cc), r.FishLaddSite, r.FishLadcSite, r.FishAddSite, r.FishAdcSite,
          r.FishAdrSite);
    form.RaiseMaximum(form.RunMaxFishAdr, r.FishAdrSite);
    MarkBlock(r.DwLaddSite, r.DwLadcSite, r.DwAddSite, r.DwAdcSite, r.DwAdrSite);
    MarkBlock(r.FishLaddSite, r.FishLadcSite, r.FishAddSite, r.FishAdcSite, r.FishAdrSite);
}

void CalcLakeExposure(RunTotals& form) {
    BeginWaterRelease(form, 2);
    pmn_record& r = CurrentPmn;
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    const bool plantFlow = form.UsableDivisor(r.PLANTFLO, PlantFlowInput);
    const bool acute = form.UsableDivisor(r.AcuteDilFactor, AcuteDilutionInput);
    const bool chronic = form.UsableDivisor(r.ChronicDilFactor, ChronicDilutionInput);
    r.AcuteConc =
        plantFlow && acute ? r.PostTreat / r.PLANTFLO * 1000 / r.AcuteDilFactor : NotApplicable;
    r.ChronicConc =
        plantFlow && chronic ? r.PostTreat / r.PLANTFLO * 1000 / r.ChronicDilFactor : NotApplicable;
    Store(FishDoses(r, ok, r.ChronicConc, r.AcuteConc), r.FishLaddLake, r.FishLadcLake,
          r.FishAddLake, r.FishAdcLake, r.FishAdrLake);
    form.RaiseMaximum(form.RunMaxFishAdr, r.FishAdrLake);
    MarkBlock(r.FishLaddLake, r.FishLadcLake, r.FishAddLake, r.FishAdcLake, r.FishAdrLake);
}

void CalcSicCodeExposure(RunTotals& form) {
    SetSicCodesForCategory();
    BeginWaterRelease(form, 3);
    pmn_record& r = CurrentPmn;
    const DoseDivisors ok = CheckDoseDivisors(r, form);
    const double cc50 = ConcentrationAtFlow(r.HMF_50);
    const double cd50 = ConcentrationAtFlow(r._0Q5_50);
    Store(DrinkingWaterDoses(r, ok, cc50, cd50), r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdd50Sic,
          r.DwAdc50Sic, r.DwAdr50Sic);
    Store(FishDoses(r, ok, cc50, cc50), r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdd50Sic,
          r.FishAdc50Sic, r.FishAdr50Sic);
    const double cc10 = ConcentrationAtFlow(r.HMF_10);
    const double cd10 = ConcentrationAtFlow(r._0Q5_10);
    Store(DrinkingWaterDoses(r, ok, cc10, cd10), r.DwLadd10Sic, r.DwLadc10Sic, r.DwAdd10Sic,
          r.DwAdc10Sic, r.DwAdr10Sic);
    Store(FishDoses(r, ok, cc10, cc10), r.FishLadd10Sic, r.FishLadc10Sic, r.FishAdd10Sic,
          r.FishAdc10Sic, r.FishAdr10Sic);
    form.RaiseMaximum(form.RunMaxDwAdr, r.DwAdr50Sic);
    form.RaiseMaximum(form.RunMaxDwAdr, r.DwAdr10Sic);
    form.RaiseMaximum(form.RunMaxFishAdr, r.FishAdr50Sic);
    form.RaiseMaximum(form.RunMaxFishAdr, r.FishAdr10Sic);
    MarkBlock(r.DwLadd50Sic, r.DwLadc50Sic, r.DwAdd50Sic, r.DwAdc50Sic, r.DwAdr50Sic);
    MarkBlock(r.FishLadd50Sic, r.FishLadc50Sic, r.FishAdd50Sic, r.FishAdc50Sic, r.FishAdr50Sic);
    MarkBlock(r.DwLadd10Sic, r.DwLadc10Sic, r.DwAdd10Sic, r.DwAdc10Sic, r.DwAdr10Sic);
    MarkBlock(r.FishLadd10Sic, r.FishLadc10Sic, r.FishAdd10Sic, r.FishAdc10Sic, r.FishAdr10Sic);
}
