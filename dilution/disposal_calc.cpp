// The down-the-drain releases, stream concentrations and doses.
#include "dilution/disposal_calc.h"

#include <cmath>

#include "exposure/dose_rules.h"
#include "scenario/number_text.h"

namespace {

// The five doses of one medium at one percentile, in the record's order.
struct DoseSet {
    double* Ladd;
    double* Ladc;
    double* Add;
    double* Adc;
    double* Adr;
};

DoseSet DwDoses(pmn_record& r, bool fiftieth) {
    if (fiftieth)
        return {&r.DwLadd50Disp, &r.DwLadc50Disp, &r.DwAdd50Disp, &r.DwAdc50Disp, &r.DwAdr50Disp};
    return {&r.DwLadd10Disp, &r.DwLadc10Disp, &r.DwAdd10Disp, &r.DwAdc10Disp, &r.DwAdr10Disp};
}

DoseSet FishDoses(pmn_record& r, bool fiftieth) {
    if (fiftieth)
        return {&r.FishLadd50Disp, &r.FishLadc50Disp, &r.FishAdd50Disp, &r.FishAdc50Disp,
                &r.FishAdr50Disp};
    return {&r.FishLadd10Disp, &r.FishLadc10Disp, &r.FishAdd10Disp, &r.FishAdc10Disp,
            &r.FishAdr10Disp};
}

bool Usable(double divisor) {
    return std::isfinite(divisor) && divisor > 0;
}

void SetAll(const DoseSet& d, double value) {
    *d.Ladd = *d.Ladc = *d.Add = *d.Adc = *d.Adr = value;
}

// The doses that divide by an unusable body weight or averaging time are not assessable.
void MarkUnusableDivisors(const pmn_record& r, const DoseSet& d) {
    if (!Usable(r.BW))
        *d.Ladd = *d.Add = *d.Adr = NotApplicable;
    if (!Usable(r.CANCERAT))
        *d.Ladd = *d.Ladc = NotApplicable;
}

void MarkConcerns(const DoseSet& d) {
    MarkNotAssessed(d.Ladd, 0);
    MarkNotAssessed(d.Ladc, 0);
    MarkNotAssessed(d.Add, 1);
    MarkNotAssessed(d.Adc, 1);
    MarkNotAssessed(d.Adr, 2);
}

// h: harmonic-mean concentration, a: 30Q5 concentration of the same percentile.
void FishDosesAt(pmn_record& r, const DoseSet& d, double h, double a) {
    if (!(r.BCF > 0)) {
        SetAll(d, NotApplicable);
        return;
    }
    const double days = DisposalReleaseDays;
    const double ed = r.YEARS_USE;
    const double at = r.CANCERAT;
    *d.Adr = a * r.FISH * r.BCF * 0.001 * 0.001 / r.BW;
    *d.Add = h * r.FISHCHRON * days * r.BCF * 0.001 * 0.001 / (r.BW * 365);
    *d.Ladd = h * r.FISHCHRON * days * r.BCF * 0.001 * 0.001 * ed / (r.BW * at * 365);
    *d.Adc = h * days * r.BCF * 0.001 / 365;
    *d.Ladc = *d.Adc * ed / at;
    MarkUnusableDivisors(r, d);
    MarkConcerns(d);
}

void DwDosesAt(pmn_record& r, const DoseSet& d, double h, double a) {
    const double days = DisposalReleaseDays;
    const double ed = r.YEARS_USE;
    const double at = r.CANCERAT;
    *d.Adr = a * r.DRINK * 0.001 / r.BW;
    *d.Add = h * r.DRINKCHRON * days * 0.001 / (r.BW * 365);
    *d.Ladd = h * r.DRINKCHRON * days * 0.001 * ed / (r.BW * at * 365);
    *d.Adc = h * days * 0.001 / 365;
    *d.Ladc = *d.Adc * ed / at;
    MarkUnusableDivisors(r, d);
    MarkConcerns(d);
}

void NoteUnusableDivisors(const pmn_record& r, DisposalResults& results) {
    if (!Usable(r.BW))
        results.Notes.push_back(
            "The body weight (BW) is not greater than 0, so the doses that depend on it are "
            "not assessable (N/A).");
    if (!Usable(r.CANCERAT))
        results.Notes.push_back(
            "The averaging time (CANCERAT) is not greater than 0, so the lifetime doses are "
            "not assessable (N/A).");
}

}  // namespace

double DisposalPreTreatRelease(double productionVolume) {
    // The division by 365 is a multiplication by its reciprocal in extended precision.
    return static_cast<double>(productionVolume / DisposalExposedPopulation * 1000 * (1.0L / 365));
}

double DisposalPostTreatRelease(double preTreat, double removalPercent) {
    return (1 - removalPercent * 0.01) * preTreat;
}

double DisposalStreamConcentration(double postTreat, double dilutionFactor) {
    return static_cast<double>(postTreat * (1.0L / WastewaterPerPerson) * 1000000 / dilutionFactor);
}

void ComputeDisposalExposures(pmn_record& record, DisposalResults& results) {
    results.Notes.clear();
    results.PreTreatRelease = DisposalPreTreatRelease(record.PRODVOL);
    results.PostTreatRelease = DisposalPostTreatRelease(results.PreTreatRelease, record.WWT_LOW);
    for (size_t i = 0; i < DisposalDilutionFactors.size(); ++i)
        results.StreamConcentrations[i] =
            DisposalStreamConcentration(results.PostTreatRelease, DisposalDilutionFactors[i]);
    const auto& c = results.StreamConcentrations;
    FishDosesAt(record, FishDoses(record, true), c[ConcHm_50], c[Conc30q5_50]);
    FishDosesAt(record, FishDoses(record, false), c[ConcHm_10], c[Conc30q5_10]);
    DwDosesAt(record, DwDoses(record, true), c[ConcHm_50], c[Conc30q5_50]);
    DwDosesAt(record, DwDoses(record, false), c[ConcHm_10], c[Conc30q5_10]);
    NoteUnusableDivisors(record, results);
}
